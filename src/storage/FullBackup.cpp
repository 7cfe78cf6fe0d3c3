#include "storage/FullBackup.h"

#include "core/StreamRecords.h"

#include <QFile>
#include <QFileInfo>

namespace korvex {

namespace {

constexpr char kSuffixes[] = {'g', 't', 'p', 'd', 'c', 'a'};
constexpr qint64 kStepsPerKind = 1000;

void removeAll(const QStringList& files) {
    for (const QString& file : files)
        QFile::remove(file);
}

BackupProgress kindProgress(const FullBackupHooks& hooks, int index) {
    if (!hooks.progress)
        return {};
    const qint64 total = kStepsPerKind * fullBackupOrder().size();
    return [progress = hooks.progress, index, total](qint64 done, qint64 of) {
        const qint64 part = of > 0 ? done * kStepsPerKind / of : kStepsPerKind;
        progress(index * kStepsPerKind + part, total);
    };
}

} // namespace

QStringList fullBackupTemporaryFiles(const QString& file) {
    QStringList files;
    for (char suffix : kSuffixes)
        files.append(file + QLatin1Char(suffix));
    return files;
}

bool writeFullBackup(const InstallationFolders& folders, const QString& file, QString* error,
                     const FullBackupHooks& hooks) {
    const QStringList temporary = fullBackupTemporaryFiles(file);
    const QList<BackupKind> kinds = fullBackupOrder();
    bool ok = true;
    for (int i = 0; i < kinds.size() && ok; ++i) {
        if (hooks.beforeKind)
            hooks.beforeKind(kinds[i]);
        ok = writeKindBackup(folders.root, backupWalkFolder(kinds[i], folders, true),
                             kindExtension(kinds[i]), folders.version, temporary[i], error,
                             kindProgress(hooks, i));
    }
    if (ok)
        ok = writeFileBundle(file, folders.version, temporary, error);
    removeAll(temporary);
    return ok;
}

bool FullRestoreReport::ok() const {
    if (!error.isEmpty())
        return false;
    for (const RestoreReport& report : reports) {
        if (!report.ok())
            return false;
    }
    return true;
}

QStringList FullRestoreReport::summary() const {
    QStringList lines;
    for (int i = 0; i < kinds.size(); ++i) {
        const QStringList kindLines = reports[i].summary();
        for (const QString& line : kindLines)
            lines.append(backupKindName(kinds[i]) + QStringLiteral(": ") + line);
    }
    if (!error.isEmpty())
        lines.append(error);
    return lines;
}

FullRestoreReport restoreFullBackup(const InstallationFolders& folders, const QString& file,
                                    const FullBackupHooks& hooks) {
    FullRestoreReport result;
    const QStringList temporary = fullBackupTemporaryFiles(file);
    removeAll(temporary); // only what this bundle holds may be restored
    QString error;
    if (!readFileBundle(file, temporary, &error))
        result.error = QStringLiteral("The full backup is damaged: %1. The kinds read before the "
                                      "damage were restored.")
                           .arg(error);
    const QList<BackupKind> kinds = fullBackupOrder();
    for (int i = 0; i < kinds.size(); ++i) {
        if (!QFileInfo::exists(temporary[i]))
            continue;
        if (hooks.beforeKind)
            hooks.beforeKind(kinds[i]);
        RestoreOptions options;
        options.root = folders.root;
        options.extension = kindExtension(kinds[i]);
        options.style = restoreStyleOf(kinds[i]);
        options.decider = hooks.decider ? hooks.decider(kinds[i]) : nullptr;
        options.rewrite =
            hooks.rewriter ? hooks.rewriter(kinds[i]) : defaultItemRewriter(kinds[i], folders);
        options.progress = kindProgress(hooks, i);
        result.kinds.append(kinds[i]);
        // Closing the dialog stops this kind only; every kind starts with no decision.
        result.reports.append(restoreKindBackup(temporary[i], options));
    }
    removeAll(temporary);
    return result;
}

} // namespace korvex
