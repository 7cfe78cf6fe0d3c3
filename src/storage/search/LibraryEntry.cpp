#include "storage/search/LibraryEntry.h"

#include "storage/PractiseVersions.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"
#include "storage/search/SearchText.h"

#include "core/BinaryReader.h"
#include "core/StreamRecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace korvex {

namespace {

// Graphic and tactics practises begin alike: version, description, keywords.
bool readDrawnPractiseTexts(ItemKind kind, const QString& file, LibraryEntry* entry) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    BinaryReader reader(&in, file);
    const qint32 version = reader.readInt32();
    if (!reader.ok())
        return false;
    const bool accepted = kind == ItemKind::TacticsPractise ? isTacticsVersionAccepted(version)
                                                            : isGraphicVersionAccepted(version);
    if (!accepted)
        return true;
    entry->description = readStreamStrings(reader);
    entry->keywords = readStreamStrings(reader);
    return reader.ok();
}

bool readTexts(ItemKind kind, const QString& file, LibraryEntry* entry) {
    QString error;
    switch (kind) {
    case ItemKind::GraphicPractise:
    case ItemKind::TacticsPractise:
        return readDrawnPractiseTexts(kind, file, entry);
    case ItemKind::TextPractise: {
        TextPractiseData data;
        if (!readTextPractiseFile(file, &data, &error))
            return false;
        entry->description = data.text;
        entry->keywords = data.keywords;
        return true;
    }
    case ItemKind::TrainingPlan: {
        TrainingPlanData data;
        if (!readPlanFile(file, false, &data, &error))
            return false;
        entry->description = data.description;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

bool isSearchedKind(ItemKind kind) {
    return kind == ItemKind::GraphicPractise || kind == ItemKind::TacticsPractise ||
           kind == ItemKind::TextPractise || kind == ItemKind::TrainingPlan;
}

bool readLibraryEntry(ItemKind kind, const QString& file, LibraryEntry* entry) {
    const QFileInfo info(file);
    *entry = LibraryEntry();
    entry->kind = kind;
    entry->file = file;
    entry->name = info.completeBaseName();
    const QDir subcategory = info.dir();
    entry->subcategory = subcategory.dirName();
    entry->category = QFileInfo(subcategory.path()).dir().dirName();
    entry->modified = info.lastModified();
    if (!isSearchedKind(kind) || !info.isFile() || !readTexts(kind, file, entry))
        return false;

    QStringList words = searchWords(entry->name);
    for (const QString& line : std::as_const(entry->description))
        words += searchWords(line);
    for (const QString& line : std::as_const(entry->keywords))
        words += searchWords(line);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    entry->words = words;
    return true;
}

} // namespace korvex
