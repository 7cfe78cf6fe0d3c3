#include "storage/BackupKinds.h"

#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TSettings.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

namespace korvex {

namespace {

struct KindRow {
    BackupKind kind;
    ItemKind item;
    const char* name;
};

constexpr KindRow kRows[] = {
    {BackupKind::Graphic, ItemKind::GraphicPractise, "graphic"},
    {BackupKind::Text, ItemKind::TextPractise, "text"},
    {BackupKind::Plans, ItemKind::TrainingPlan, "plans"},
    {BackupKind::Diary, ItemKind::Diary, "diary"},
    {BackupKind::Cards, ItemKind::PlayerCards, "cards"},
    {BackupKind::Archive, ItemKind::ArchivedPlan, "archive"},
};

const KindRow& rowOf(BackupKind kind) {
    for (const KindRow& row : kRows) {
        if (row.kind == kind)
            return row;
    }
    return kRows[0];
}

} // namespace

InstallationFolders InstallationFolders::fromSettings(const TSettings& settings) {
    InstallationFolders folders;
    folders.root = settings.appDir();
    folders.graphic = settings.GMSaveDir();
    folders.text = settings.TXSaveDir();
    folders.plans = settings.TPSaveDir();
    folders.cards = settings.CPSaveDir();
    folders.diary = settings.DRSaveDir();
    folders.version = settings.Version();
    return folders;
}

bool InstallationFolders::fromSettingsFile(const QString& root, InstallationFolders* folders,
                                           QString* error) {
    QStringList lines;
    if (!loadTextLines(joinPath(root, QStringLiteral("Settings.txt")), &lines, error))
        return false;
    InstallationFolders read;
    read.root = root;
    read.graphic = valueOfKey(lines, QStringLiteral("GMSaveDir"));
    read.text = valueOfKey(lines, QStringLiteral("TXSaveDir"));
    read.plans = valueOfKey(lines, QStringLiteral("TPSaveDir"));
    read.cards = valueOfKey(lines, QStringLiteral("CPSaveDir"));
    read.diary = valueOfKey(lines, QStringLiteral("DRSaveDir"));
    bool number = false;
    read.version = valueOfKey(lines, QStringLiteral("Version")).trimmed().toInt(&number);
    const QStringList names = {read.graphic, read.text, read.plans, read.cards, read.diary};
    for (const QString& name : names) {
        if (name.isEmpty() || !isSafeRelativePath(name)) {
            if (error)
                *error =
                    QStringLiteral("%1/Settings.txt does not name every data folder").arg(root);
            return false;
        }
    }
    if (!number) {
        if (error)
            *error = QStringLiteral("%1/Settings.txt has no numeric Version").arg(root);
        return false;
    }
    *folders = read;
    return true;
}

ItemKind itemKindOf(BackupKind kind) {
    return rowOf(kind).item;
}
QString kindExtension(BackupKind kind) {
    return dataExtension(itemKindOf(kind));
}
QString kindBackupExtension(BackupKind kind) {
    return backupExtension(itemKindOf(kind));
}

RestoreStyle restoreStyleOf(BackupKind kind) {
    return kind == BackupKind::Cards || kind == BackupKind::Diary ? RestoreStyle::TeamFiles
                                                                  : RestoreStyle::RewriteItems;
}

QString backupKindName(BackupKind kind) {
    return QLatin1String(rowOf(kind).name);
}

bool backupKindFromName(const QString& name, BackupKind* kind) {
    for (const KindRow& row : kRows) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0) {
            *kind = row.kind;
            return true;
        }
    }
    return false;
}

bool backupKindFromBackupExtension(const QString& extension, BackupKind* kind) {
    for (const KindRow& row : kRows) {
        if (extension.compare(backupExtension(row.item), Qt::CaseInsensitive) == 0) {
            *kind = row.kind;
            return true;
        }
    }
    return false;
}

QList<BackupKind> fullBackupOrder() {
    return {BackupKind::Graphic, BackupKind::Text,  BackupKind::Plans,
            BackupKind::Diary,   BackupKind::Cards, BackupKind::Archive};
}

QString backupWalkFolder(BackupKind kind, const InstallationFolders& folders, bool full) {
    switch (kind) {
    case BackupKind::Graphic:
        return folders.graphic;
    case BackupKind::Text:
        return folders.text;
    case BackupKind::Plans:
        return full ? folders.plans : joinPath(folders.plans, trainingPlanCategory());
    case BackupKind::Archive:
        return full ? folders.plans : joinPath(folders.plans, archiveCategory());
    case BackupKind::Diary:
        return folders.diary;
    case BackupKind::Cards:
        return folders.cards;
    }
    return {};
}

QString kindDataFolder(BackupKind kind, const InstallationFolders& folders) {
    switch (kind) {
    case BackupKind::Graphic:
        return folders.graphic;
    case BackupKind::Text:
        return folders.text;
    case BackupKind::Plans:
    case BackupKind::Archive:
        return folders.plans;
    case BackupKind::Diary:
        return folders.diary;
    case BackupKind::Cards:
        return folders.cards;
    }
    return {};
}

RestoreOptions restoreOptionsFor(BackupKind kind, const InstallationFolders& folders) {
    RestoreOptions options;
    options.root = folders.root;
    options.extension = kindExtension(kind);
    options.kindFolder = kindDataFolder(kind, folders);
    options.style = restoreStyleOf(kind);
    options.rewrite = defaultItemRewriter(kind, folders);
    return options;
}

ItemRewriter defaultItemRewriter(BackupKind kind, const InstallationFolders& folders) {
    const qint32 version = folders.version;
    ItemRewriter rewriter;
    switch (kind) {
    case BackupKind::Text:
        rewriter.rewrite = [version](const QString& stem, const QByteArray& stored,
                                     QList<FileBytes>* files, QString* error) {
            const QString path = stem + QStringLiteral(".tmp");
            QByteArray bytes;
            if (!rewriteTextPractise(stored, path, version, &bytes, error))
                return false;
            *files = {{path, bytes}};
            return true;
        };
        break;
    case BackupKind::Plans:
    case BackupKind::Archive: {
        const bool archive = kind == BackupKind::Archive;
        rewriter.rewrite = [version, archive](const QString& stem, const QByteArray& stored,
                                              QList<FileBytes>* files, QString* error) {
            const QString path =
                stem + (archive ? QStringLiteral(".pamp") : QStringLiteral(".pmp"));
            QByteArray bytes;
            if (!rewritePlan(stored, path, archive, version, &bytes, error))
                return false;
            *files = {{path, bytes}};
            return true;
        };
        break;
    }
    default:
        break;
    }
    return rewriter;
}

} // namespace korvex
