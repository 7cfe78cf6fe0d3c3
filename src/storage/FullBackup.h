#pragma once

#include "storage/BackupKinds.h"

#include <functional>

namespace korvex {

// A full backup ".abp": a FileBundle whose tag is the format version and whose six files
// are the kind backups of fullBackupOrder(). Writing puts each kind backup straight into
// the bundle; a restore reads the kind backups in place and writes nothing beside the
// bundle, so it works from read-only media.
//
// The temporary files an older program passed the kind backups through, beside the bundle
// ({file}g, t, p, d, c, a); a backup removes any that a killed run of it left.
QStringList fullBackupTemporaryFiles(const QString& file);

struct FullBackupHooks {
    // Called before each kind is handled (the window switches to the kind's mode).
    std::function<void(BackupKind)> beforeKind;
    // Asks about existing items of one kind; null answers "skip".
    std::function<BackupDecider*(BackupKind)> decider;
    // Overall progress of the six kinds.
    BackupProgress progress;
    // The rewrite of restored items; defaultItemRewriter() when not set.
    std::function<ItemRewriter(BackupKind)> rewriter;
};

bool writeFullBackup(const InstallationFolders& folders, const QString& file, QString* error,
                     const FullBackupHooks& hooks = {});

struct FullRestoreReport {
    QList<BackupKind> kinds; // the kinds restored, with their reports
    QList<RestoreReport> reports;
    // Set when the bundle itself could not be read whole; kinds unpacked before the
    // damage are restored all the same.
    QString error;

    bool ok() const;
    QStringList summary() const;
};

FullRestoreReport restoreFullBackup(const InstallationFolders& folders, const QString& file,
                                    const FullBackupHooks& hooks = {});

} // namespace korvex
