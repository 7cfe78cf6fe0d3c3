#pragma once

#include "storage/ItemKinds.h"
#include "storage/KindBackup.h"

#include <QList>
#include <QString>

namespace korvex {

class TSettings;

// The kinds the backup commands handle. The values are the commands' tags and the mode
// numbers of the kinds' views (0 = all kinds).
enum class BackupKind : int {
    Graphic = 1,
    Text = 2,
    Plans = 3,
    Diary = 4,
    Cards = 5,
    Archive = 6,
};

// What backup needs of an installation: its directory, the data folder names and the
// format version to write.
struct InstallationFolders {
    QString root;
    QString graphic; // GMSaveDir
    QString text;    // TXSaveDir
    QString plans;   // TPSaveDir
    QString cards;   // CPSaveDir
    QString diary;   // DRSaveDir
    qint32 version = 141;

    static InstallationFolders fromSettings(const TSettings& settings);
    // Reads the folder names and Version from {root}/Settings.txt (nothing is written).
    static bool fromSettingsFile(const QString& root, InstallationFolders* folders, QString* error);
};

ItemKind itemKindOf(BackupKind kind);
QString kindExtension(BackupKind kind);
QString kindBackupExtension(BackupKind kind);
RestoreStyle restoreStyleOf(BackupKind kind);
// The command-line name: graphic, text, plans, archive, diary, cards.
QString backupKindName(BackupKind kind);
bool backupKindFromName(const QString& name, BackupKind* kind);
bool backupKindFromBackupExtension(const QString& extension, BackupKind* kind);

// The six entries of a full backup, in file order: graphic, text, plans, diary, cards,
// archive.
QList<BackupKind> fullBackupOrder();

// The folder (relative to the root) that the backup of one kind walks: the kind's folder;
// for plans and the archive their fixed category folder below the plan folder. In a full
// backup both plan entries walk the whole plan folder (`full`).
QString backupWalkFolder(BackupKind kind, const InstallationFolders& folders, bool full = false);

// The kind's own data folder (relative to the root): every record of a restore of the
// kind must lie in it. Both plan kinds share the plan folder.
QString kindDataFolder(BackupKind kind, const InstallationFolders& folders);

// The options of a restore of `kind` into the installation: root, extension, style, the
// kind's folder and defaultItemRewriter(); decider and progress are left to the caller.
RestoreOptions restoreOptionsFor(BackupKind kind, const InstallationFolders& folders);

// The load-and-save rewrite of a restored item of `kind` ({} for the team kinds, whose
// files are restored as stored).
ItemRewriter defaultItemRewriter(BackupKind kind, const InstallationFolders& folders);

} // namespace korvex
