// korvex-cli settings DIR: prints the settings of the installation in DIR. The two settings
// files are read from copies in a scratch folder, so DIR is never written to: no
// Settings.set appears there and Settings.def and Settings.txt stay as they are.
#include "cli/CliCommands.h"
#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace korvex::cli {

namespace {

int runSettings(const QStringList& args) {
    if (args.size() != 1)
        return usageOf(kSettingsCommand);
    const QString dir = args.at(0);
    if (!QFileInfo(dir).isDir())
        return fail(QStringLiteral("%1: no such folder").arg(QDir::toNativeSeparators(dir)));

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(QStringLiteral("cannot make a scratch folder: %1").arg(scratch.errorString()));
    for (const char* name : {"Settings.def", "Settings.txt"}) {
        const QString source = joinPath(dir, QLatin1String(name));
        // A missing file is left to the load, which names it in its message.
        if (QFile::exists(source) && !QFile::copy(source, scratch.filePath(QLatin1String(name))))
            return fail(QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(source)));
    }

    TSettings settings(scratch.path());
    settings.setSaveOnDestroy(false);
    if (!settings.Load()) {
        // Name the real file, not its scratch copy.
        QString message = settings.errorString();
        message.replace(QDir::toNativeSeparators(scratch.path()), QDir::toNativeSeparators(dir));
        return fail(message);
    }

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
