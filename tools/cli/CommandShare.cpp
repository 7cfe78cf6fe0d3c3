// korvex-cli share FILE OUT.html: writes one self-contained page of a graphic practise
// (.gmp), a tactics practise (.tac), a text practise (.tmp), a plan (.pmp) or an archived
// plan (.pamp), with every picture inside the page, through the code of the menu command.
// The labels and the practises of a plan come from the installation that holds FILE.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/share/ShareFile.h"

namespace korvex::cli {

namespace {

int runShare(const QStringList& args) {
    if (args.size() != 2 || args.at(0).startsWith(QLatin1String("--")) ||
        args.at(1).startsWith(QLatin1String("--")))
        return usageOf(kShareCommand);
    const QString input = args.at(0);
    const QString appDir = installationOf(input);
    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(appDir, settings, language, &error))
        return fail(error);
    // Drawings are shared in the large size, whatever the installation's window size.
    settings.SetFormSize(1);
    if (!writeSharePage(input, settings, language, args.at(1), &error))
        return fail(error);
    return kExitOk;
}

} // namespace

const Command kShareCommand = {
    "share", "FILE OUT.html",
    "write one self-contained page (pictures inside) of a practise, tactics practise or plan",
    runShare};

} // namespace korvex::cli
