#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// Helpers for line lists in which a setting is a line "key=value" (settings files,
// language tables). Keys are compared without regard to letter case and the first matching
// line wins; a line without "=" has no key.

// The key of `line` (the text before its first "="); false when the line has no "=".
bool splitKeyLine(const QString& line, QString* key, QString* value);

// Index of the first line whose key is `key`, or -1.
qsizetype indexOfKey(const QStringList& lines, const QString& key, qsizetype end = -1);

// The value of `key`; "" when no line has that key. `end` limits the search to the lines
// before that index (-1: all lines).
QString valueOfKey(const QStringList& lines, const QString& key, qsizetype end = -1);

// Replaces the value of `key` in place. An empty value keeps the line ("key="), so the
// lines after it do not move. A key that is missing is inserted at `insertAt` (-1: appended)
// and the function returns true; otherwise false.
bool setValueOfKey(QStringList& lines, const QString& key, const QString& value,
                   qsizetype insertAt = -1, qsizetype end = -1);

} // namespace korvex
