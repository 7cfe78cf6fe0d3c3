#pragma once

#include <QString>

namespace korvex {

// Path helpers. They accept both "\" (paths stored in files written on Windows) and "/"
// as separators; the native form is made only by toNativePath / joinPath.

// From the last "." of the file name on, at most 4 characters including the dot.
QString extractExtension(const QString& path);
// Everything before the last "." of the file name; a name without "." gives "".
QString pathWithoutExtension(const QString& path);
// Everything before the last separator ("" when there is none).
QString extractFolder(const QString& path);
// Everything after the last separator.
QString extractFileName(const QString& path);
// The file name without its extension.
QString extractFileTitle(const QString& path);
bool sameExtension(const QString& a, const QString& b);

// Blank: empty or only spaces. Every name a user types is refused when blank.
bool isBlank(const QString& text);

// The one rule for a name that becomes a file or folder below a data folder, whether a
// coach types it or a backup brings it: not blank, no leading dot (that covers "." and "..";
// a folder whose name begins with a dot is hidden and never listed, so its practises would
// vanish from the program and from every backup), and no path separator, drive colon or
// control character. Files written on Windows carry these names too, so what Windows
// refuses in a name is refused here as well, and a name accepted once survives a backup and
// a restore.
bool isPlainName(const QString& name);

// Joins path pieces with "/" (Qt's separator on every platform).
QString joinPath(const QString& a, const QString& b);
QString joinPath(const QString& a, const QString& b, const QString& c);
QString joinPath(const QString& a, const QString& b, const QString& c, const QString& d);

// A path as stored in a file ("\" separators) to the form used for file access, and back.
QString storedToPath(const QString& stored);
QString pathToStored(const QString& path);

// True when the stored relative path stays inside its base folder: not absolute, no drive
// letter, no ".." component.
bool isSafeRelativePath(const QString& stored);

} // namespace korvex
