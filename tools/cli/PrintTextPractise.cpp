// korvex-cli print FILE.tmp OUT.pdf: the text practise on one page, as the text view prints
// it. The pictures are taken from the file itself; no scratch folder is touched.
#include "cli/PrintTargets.h"

#include "print/PageLayout.h"
#include "print/TextPractisePrint.h"
#include "storage/PractiseVersions.h"
#include "storage/TextPractiseFile.h"

#include <QFileInfo>

namespace korvex::cli {

bool prepareTextPractisePrint(const PrintRequest& request, PrintJob* job, QString* error) {
    if (!request.options.isEmpty()) {
        *error = QStringLiteral("a text practise takes no print options");
        return false;
    }
    TextPractiseData data;
    if (!readTextPractiseFile(request.file, &data, error))
        return false;
    if (!data.versionAccepted) {
        *error = versionNotReadText(request.file, data.version);
        return false;
    }
    const QString name = QFileInfo(request.file).completeBaseName();
    job->title = QStringLiteral("Korvex - ") + name;
    job->body = [name, data](PageCanvas& canvas, QString& bodyError) {
        PageLayout layout(canvas);
        return printTextPractise(layout, name, data.text, data.pictures, bodyError);
    };
    return true;
}

} // namespace korvex::cli
