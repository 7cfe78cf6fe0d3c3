// korvex-cli backup KIND|all ROOT OUT: writes the backup of one data kind (graphic, text,
// plans, archive, diary, cards) or of all of them (a full backup) of the installation in
// ROOT to the file OUT.
#include "cli/CliCommands.h"

#include "storage/FullBackup.h"

#include <QDir>
#include <QTextStream>

namespace korvex::cli {

namespace {

int runBackup(const QStringList& args) {
    if (args.size() != 3)
        return usageOf(kBackupCommand);
    const bool all = args[0].compare(QLatin1String("all"), Qt::CaseInsensitive) == 0;
    BackupKind kind = BackupKind::Graphic;
    if (!all && !backupKindFromName(args[0], &kind))
        return usageOf(kBackupCommand);
    InstallationFolders folders;
    QString error;
    if (!InstallationFolders::fromSettingsFile(args[1], &folders, &error))
        return fail(error);
    const bool ok = all ? writeFullBackup(folders, args[2], &error)
                        : writeKindBackup(folders.root, backupWalkFolder(kind, folders),
                                          kindExtension(kind), folders.version, args[2], &error);
    if (!ok)
        return fail(error);
    QTextStream(stdout) << "written: " << QDir::toNativeSeparators(args[2]) << '\n';
    return kExitOk;
}

} // namespace

const Command kBackupCommand = {
    "backup", "KIND|all ROOT OUT",
    "back up one kind (graphic, text, plans, archive, diary, cards) or all of ROOT to OUT",
    runBackup};

} // namespace korvex::cli
