// korvex-cli print FILE OUT.pdf [OPTIONS]: prints a stored item onto A4 pages of a PDF file
// through the same printout code as the program's print commands. The item's installation
// (for the practises a plan names, the rinks and the language) is the nearest folder above
// FILE that holds Settings.txt, else the tool's own.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"
#include "cli/PrintTargets.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/PrintToPdf.h"

#include <QDir>
#include <QFileInfo>

namespace korvex::cli {

namespace {

int runPrint(const QStringList& args) {
    if (args.size() < 2)
        return usageOf(kPrintCommand);
    const QString input = args.at(0);
    const QString output = args.at(1);
    const QString extension = QFileInfo(input).suffix();
    const PrintTarget* target = nullptr;
    for (const PrintTarget& candidate : printTargets()) {
        if (extension.compare(QLatin1String(candidate.extension), Qt::CaseInsensitive) == 0)
            target = &candidate;
    }
    if (target == nullptr)
        return fail(QStringLiteral("%1: no printout for files of this kind")
                        .arg(QDir::toNativeSeparators(input)));
    if (QFileInfo(output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: the printout is written as PDF and must end in .pdf")
                        .arg(QDir::toNativeSeparators(output)));

    const QString appDir = installationOf(input);
    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(appDir, settings, language, &error))
        return fail(error);
    const PrintRequest request{input, appDir, args.mid(2), settings, language};
    PrintJob job;
    if (!target->prepare(request, &job, &error))
        return fail(error);
    if (!printToPdf(output, job.title, job.body, &error))
        return fail(error);
    return kExitOk;
}

} // namespace

const Command kPrintCommand = {
    "print", "FILE OUT.pdf [--advanced | --player N | --list | --phones | --record N]",
    "print a practise, plan, card file or diary onto A4 pages of a PDF file", runPrint};

} // namespace korvex::cli
