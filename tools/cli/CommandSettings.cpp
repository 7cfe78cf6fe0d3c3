// korvex-cli settings DIR: prints the settings of the installation in DIR. Settings.def is
// deciphered in memory, so no deciphered copy appears there and Settings.def and
// Settings.txt stay as they are.
#include "cli/CliCommands.h"
#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace korvex::cli {

namespace {

int runSettings(const QStringList& args) {
    if (args.size() != 1)
        return usageOf(kSettingsCommand);
    const QString dir = args.at(0);
    if (!QFileInfo(dir).isDir())
        return fail(QStringLiteral("%1: no such folder").arg(QDir::toNativeSeparators(dir)));

    TSettings settings(dir);
    settings.setSaveOnDestroy(false);
    if (!settings.Load())
        return fail(settings.errorString());

    QTextStream out(stdout);
    for (const QString& line : settings.txtLines()) {
        if (splitKeyLine(line, nullptr, nullptr))
            out << line << '\n';
    }
    const QStringList& def = settings.defLines();
    for (qsizetype i = 0; i < settings.IndexOfGroundLine() && i < def.size(); ++i) {
        if (splitKeyLine(def.at(i), nullptr, nullptr))
            out << def.at(i) << '\n';
    }
    out << "SelectedRinks=" << settings.selectedRinks().size() << '\n';
    for (const QString& rink : settings.selectedRinks())
        out << rink << '\n';
    return kExitOk;
}

} // namespace

extern const Command kSettingsCommand = {
    "settings", "DIR",
    "prints the settings of the installation in DIR as key=value lines, then the selected "
    "rinks one per line",
    &runSettings};

} // namespace korvex::cli
