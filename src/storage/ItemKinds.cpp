#include "storage/ItemKinds.h"

#include <array>

namespace korvex {

namespace {

constexpr const char* kGraphicFiles[] = {".gmp", ".jpg", "Small.jpg"};
constexpr const char* kTacticsFiles[] = {".tac"};
constexpr const char* kTextFiles[] = {".tmp"};
constexpr const char* kPlanFiles[] = {".pmp"};
constexpr const char* kArchivedPlanFiles[] = {".pamp"};
constexpr const char* kCardFiles[] = {".cmp"};
constexpr const char* kDiaryFiles[] = {".dmp"};

constexpr std::array<ItemKindInfo, 7> kKinds = {{
    {ItemKind::GraphicPractise, "GMSaveDir", ".gmp", ".gbp", kGraphicFiles, true},
    {ItemKind::TacticsPractise, "TCSaveDir", ".tac", ".tcb", kTacticsFiles, true},
    {ItemKind::TextPractise, "TXSaveDir", ".tmp", ".tbp", kTextFiles, true},
    {ItemKind::TrainingPlan, "TPSaveDir", ".pmp", ".pbp", kPlanFiles, true},
    {ItemKind::ArchivedPlan, "TPSaveDir", ".pamp", ".pabp", kArchivedPlanFiles, true},
    {ItemKind::PlayerCards, "CPSaveDir", ".cmp", ".cbp", kCardFiles, false},
    {ItemKind::Diary, "DRSaveDir", ".dmp", ".dbp", kDiaryFiles, false},
}};

bool findKind(const QString& extension, bool backup, ItemKind* kind) {
    for (const ItemKindInfo& info : kKinds) {
        const QLatin1String candidate(backup ? info.backupExtension : info.dataExtension);
        if (extension.compare(candidate, Qt::CaseInsensitive) == 0) {
            if (kind)
                *kind = info.kind;
            return true;
        }
    }
    return false;
}

} // namespace

std::span<const ItemKindInfo> allItemKinds() {
    return kKinds;
}

const ItemKindInfo& itemKindInfo(ItemKind kind) {
    for (const ItemKindInfo& info : kKinds) {
        if (info.kind == kind)
            return info;
    }
    return kKinds.front();
}

bool itemKindForExtension(const QString& extension, ItemKind* kind) {
    return findKind(extension, false, kind);
}

bool itemKindForBackupExtension(const QString& extension, ItemKind* kind) {
    return findKind(extension, true, kind);
}

QString dataExtension(ItemKind kind) {
    return QLatin1String(itemKindInfo(kind).dataExtension);
}

QString backupExtension(ItemKind kind) {
    return QLatin1String(itemKindInfo(kind).backupExtension);
}

QString folderKey(ItemKind kind) {
    return QLatin1String(itemKindInfo(kind).folderKey);
}

QStringList itemFiles(ItemKind kind, const QString& stem) {
    QStringList files;
    for (const char* suffix : itemKindInfo(kind).fileSuffixes)
        files.append(stem + QLatin1String(suffix));
    return files;
}

QString trainingPlanCategory() {
    return QStringLiteral("TrainingPlanCategory");
}
QString archiveCategory() {
    return QStringLiteral("Archive");
}
QString htmlTemplateFolder() {
    return QStringLiteral("Data");
}

} // namespace korvex
