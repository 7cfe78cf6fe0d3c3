#pragma once

#include "storage/ItemKinds.h"

#include <QString>

namespace korvex {

// File operations on the whole file set of one item (for a graphic practise the data
// file, its picture and its thumbnail). Stems are full paths without extension. Each
// operation tries every file of the set and reports true only when every single step
// succeeded; a missing file makes the result false without stopping the others.

// Deletes every file of the item.
bool deleteItemFiles(ItemKind kind, const QString& stem);

// Moves the item's files from `stem` to `newStem`. When a file of the target set already
// exists nothing is moved and the result is false: a rename never mixes two items' files.
bool renameItemFiles(ItemKind kind, const QString& stem, const QString& newStem);

// Copies the item's files byte for byte to `targetStem`, replacing existing targets.
bool copyItemFiles(ItemKind kind, const QString& stem, const QString& targetStem);

// The extensions (without the dot) of every file the program saves in its installation:
// the files of every item kind, backups and the settings files. Save temporaries left
// beside such files are the program's own leftovers (see removeSaveLeftovers).
QStringList savedExtensions();

// True when the item's data file exists.
bool itemExists(ItemKind kind, const QString& stem);

} // namespace korvex
