#pragma once

#include "storage/ItemKinds.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace korvex {

// One item of the practise library as the search sees it: where it lies, its texts and the
// folded words they hold.
struct LibraryEntry {
    ItemKind kind = ItemKind::GraphicPractise;
    QString file; // full path of the data file
    QString category;
    QString subcategory;
    QString name; // the file name without its extension
    QStringList description;
    QStringList keywords;
    QDateTime modified; // of the data file when it was read
    QStringList words;  // folded, sorted, without repeats: name, description and keywords
};

// Reads the texts of the item whose data file is `file` (a graphic, tactics or text
// practise, or a training plan) lying in {kind folder}/{category}/{subcategory}. Only the
// texts are read, so no picture or figure is loaded. False when the file cannot be read or
// is damaged before its texts end; a file of a format version this program does not read
// gives an entry with its name only.
bool readLibraryEntry(ItemKind kind, const QString& file, LibraryEntry* entry);

// Whether the search indexes items of `kind`.
bool isSearchedKind(ItemKind kind);

} // namespace korvex
