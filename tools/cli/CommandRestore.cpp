// korvex-cli restore FILE ROOT [--replace]: restores a kind backup or a full backup (.abp)
// into the installation in ROOT without asking: new items are added, existing ones are
// skipped, or replaced with --replace. Prints what happened; exits with 1 when the backup
// was refused or ended early.
#include "cli/CliCommands.h"

#include "cli/CliInstallation.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"

#include <QFileInfo>
#include <QTextStream>

namespace korvex::cli {

namespace {

int runRestore(const QStringList& args) {
    const bool replace = args.size() == 3 && args[2] == QLatin1String("--replace");
    if (args.size() != 2 && !replace)
        return usageOf(kRestoreCommand);
    // The installation's settings and language: restored graphic practises are drawn again
    // with its rinks and figure pictures.
    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(args[1], settings, language, &error))
        return fail(error);
    const InstallationFolders folders = InstallationFolders::fromSettings(settings);
    const QString extension = QStringLiteral(".") + QFileInfo(args[0]).suffix();
    FixedBackupDecider decider(replace);
    QStringList summary;
    bool ok = false;
    if (extension.compare(QLatin1String(".abp"), Qt::CaseInsensitive) == 0) {
        FullBackupHooks hooks;
        hooks.decider = [&decider](BackupKind) { return &decider; };
        hooks.rewriter = [&](BackupKind kind) {
            return practiseRewriter(kind, settings, language);
        };
        const FullRestoreReport report = restoreFullBackup(folders, args[0], hooks);
        summary = report.summary();
        ok = report.ok();
    } else {
        BackupKind kind;
        if (!backupKindFromBackupExtension(extension, &kind))
            return fail(QStringLiteral("%1: not a backup file").arg(args[0]));
        RestoreOptions options;
        options.root = folders.root;
        options.extension = kindExtension(kind);
        options.style = restoreStyleOf(kind);
        options.decider = &decider;
        options.rewrite = practiseRewriter(kind, settings, language);
        const RestoreReport report = restoreKindBackup(args[0], options);
        summary = report.summary();
        ok = report.ok();
    }
    QTextStream(ok ? stdout : stderr) << summary.join(QLatin1Char('\n')) << '\n';
    return ok ? kExitOk : kExitFailure;
}

} // namespace

const Command kRestoreCommand = {
    "restore", "FILE ROOT [--replace]",
    "restore a backup into ROOT: new items are added, existing ones skipped (or replaced)",
    runRestore};

} // namespace korvex::cli
