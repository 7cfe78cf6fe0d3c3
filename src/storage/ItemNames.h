#pragma once

#include "storage/ItemKinds.h"

#include <QString>

namespace korvex {

// The most bytes a file system holds in one file or folder name.
constexpr int kMaxFileNameBytes = 255;
// The most bytes of a whole path the restore writes (Linux PATH_MAX less a margin).
constexpr int kMaxPathBytes = 4000;

// True when `name` can be used as one file or folder name below a data folder (the rule of
// isPlainName, the same one the editors use). Names typed by the user and names taken from
// backup files pass this test before any file is touched.
bool isSafeItemName(const QString& name);

// What is wrong with `name` as the name of an item of `kind`, or "" when nothing is:
// blank ("the name is empty"), not a plain name, or too long for the longest file of the
// item's file set (a graphic practise's "<name>Small.jpg") and the temporary a save
// writes first to fit in kMaxFileNameBytes.
QString itemNameProblem(ItemKind kind, const QString& name);

// The most bytes of UTF-8 a name of an item of `kind` may take.
int maxItemNameBytes(ItemKind kind);

// A name as it may be shown in a message: control characters (a NUL in a hostile backup
// record, say) are written as \xNN instead of raw.
QString printableName(const QString& name);

// Format versions every reader accepts: 100 to 141 and 999.
bool isAcceptedVersion(qint32 version);

} // namespace korvex
