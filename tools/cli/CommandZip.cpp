// korvex-cli zip FILE.gmp OUT.zip: packs the HTML page of a graphic practise and its
// picture into a ZIP archive, through the code of the export command; only the archive is
// written beside OUT.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"
#include "cli/CliItems.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/GraphicPractiseExport.h"
#include "storage/TGraphicPractise.h"

#include <QDir>
#include <QFileInfo>

namespace korvex::cli {

namespace {

int runZip(const QStringList& args) {
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--")) ||
        args.at(1).startsWith(QLatin1String("--")))
        return usageOf(kZipCommand);
    const QString input = args.at(0);
    if (QFileInfo(input).suffix().compare(QLatin1String("gmp"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: not a graphic practise (.gmp)")
                        .arg(QDir::toNativeSeparators(input)));
    const QString appDir = installationOf(input);
    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(appDir, settings, language, &error))
        return fail(error);
    settings.SetFormSize(1);
    TGraphicPractise practise(settings, language);
    if (!loadGraphicPractiseFile(input, practise, &error) ||
        !writeGraphicPractiseZip(practise, templateInstallation(appDir), args.at(1), &error))
        return fail(error);
    return kExitOk;
}

} // namespace

const Command kZipCommand = {"zip", "FILE.gmp OUT.zip",
                             "pack the HTML page of a graphic practise and its picture as ZIP",
                             runZip};

} // namespace korvex::cli
