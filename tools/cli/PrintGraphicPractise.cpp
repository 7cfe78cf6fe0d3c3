// korvex-cli print FILE.gmp OUT.pdf: the graphic practise on one page, as the graphic view
// prints it.
#include "cli/PrintTargets.h"

#include "cli/CliCommands.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/GraphicPractisePrint.h"
#include "print/PageLayout.h"
#include "storage/TGraphicPractise.h"

#include <QFileInfo>
#include <QImage>

#include <memory>

namespace korvex::cli {

bool prepareGraphicPractisePrint(const PrintRequest& request, PrintJob* job, QString* error) {
    if (!request.options.isEmpty()) {
        *error = QStringLiteral("a graphic practise takes no print options");
        return false;
    }
    request.settings.SetFormSize(1);
    TGraphicPractise practise(request.settings, request.language);
    if (!practise.LoadFile(request.file)) {
        *error = practise.errorString();
        return false;
    }
    if (!practise.loadWarning().isEmpty())
        warn(practise.loadWarning());
    const QImage picture = practise.RenderPicture();
    const QString name = QFileInfo(request.file).completeBaseName();
    const QStringList description = practise.description();
    job->title = QStringLiteral("Korvex - ") + name;
    job->body = [picture, name, description](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        printGraphicPractise(layout, picture, name, description);
        return true;
    };
    return true;
}

} // namespace korvex::cli
