#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace korvex {

// Every kind of stored item and the files it consists of. The practise library, the
// per-item file operations and backup all take kinds, extensions and file sets from here.
enum class ItemKind {
    GraphicPractise,
    TacticsPractise,
    TextPractise,
    TrainingPlan,
    ArchivedPlan,
    PlayerCards,
    Diary,
};

struct ItemKindInfo {
    ItemKind kind;
    // Settings key naming the mode folder below {app}.
    const char* folderKey;
    // Data extension with its dot (".gmp"); the item's main file is <stem><dataExtension>.
    const char* dataExtension;
    // Extension of this kind's backup files.
    const char* backupExtension;
    // The files of one item: each suffix is appended to the stem. The first is the data file.
    std::span<const char* const> fileSuffixes;
    // True when items live in the three-level tree (mode folder, category, subcategory).
    bool hasCategories;
};

// Every kind in a fixed order (the order backup of all kinds walks them).
std::span<const ItemKindInfo> allItemKinds();
const ItemKindInfo& itemKindInfo(ItemKind kind);

// The kind whose data (or backup) extension is `extension` (with dot, any letter case).
// False when no kind uses it.
bool itemKindForExtension(const QString& extension, ItemKind* kind);
bool itemKindForBackupExtension(const QString& extension, ItemKind* kind);

QString dataExtension(ItemKind kind);
QString backupExtension(ItemKind kind);
QString folderKey(ItemKind kind);

// The full paths of the files of the item with stem `stem` (a path without extension),
// data file first.
QStringList itemFiles(ItemKind kind, const QString& stem);

// Fixed category folders of the training plans.
QString trainingPlanCategory();
QString archiveCategory();
// The fixed folder below {app} that holds the HTML page template.
QString htmlTemplateFolder();

} // namespace korvex
