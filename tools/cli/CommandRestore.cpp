// korvex-cli restore FILE ROOT [--replace]: restores a kind backup or a full backup (.abp)
// into the installation in ROOT without asking: new items are added, existing ones are
// skipped, or replaced with --replace. Prints what happened; exits with 1 when the backup
// was refused, ended early or a record could not be written, and with 3 when the restore
// went through but refused records (they are named, and the others are restored).
#include "cli/CliCommands.h"

#include "cli/CliInstallation.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"

#include <QDir>
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
    if (!QFileInfo(args[0]).isFile())
        return fail(QStringLiteral("%1: no such file").arg(QDir::toNativeSeparators(args[0])));
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
    int refused = 0;
    if (extension.compare(QLatin1String(".abp"), Qt::CaseInsensitive) == 0) {
        FullBackupHooks hooks;
        hooks.decider = [&decider](BackupKind) { return &decider; };
        hooks.rewriter = [&](BackupKind kind) {
            return practiseRewriter(kind, settings, language);
        };
        const FullRestoreReport report = restoreFullBackup(folders, args[0], hooks);
        summary = report.summary();
        ok = report.ok();
        for (const RestoreReport& kindReport : report.reports)
            refused += int(kindReport.refused.size());
    } else {
        BackupKind kind;
        if (!backupKindFromBackupExtension(extension, &kind))
            return fail(QStringLiteral("%1: not a backup file (the name must end in .abp or a "
                                       "kind's backup extension)")
                            .arg(QDir::toNativeSeparators(args[0])));
        RestoreOptions options = restoreOptionsFor(kind, folders);
        options.decider = &decider;
        options.rewrite = practiseRewriter(kind, settings, language);
        const RestoreReport report = restoreKindBackup(args[0], options);
        summary = report.summary();
        ok = report.ok();
        refused = int(report.refused.size());
    }
    QTextStream(ok && refused == 0 ? stdout : stderr) << summary.join(QLatin1Char('\n')) << '\n';
    if (!ok)
        return kExitFailure;
    return refused > 0 ? kExitRefused : kExitOk;
}

} // namespace

const Command kRestoreCommand = {
    "restore", "FILE ROOT [--replace]",
    "restore a backup into ROOT: new items are added, existing ones skipped (or replaced)",
    runRestore};

} // namespace korvex::cli
