#pragma once

#include <QStringList>

namespace korvex {

class TLanguage;
struct SeasonSummary;

// The season as a table for a spreadsheet, one row per dated unit: number, date, minutes and
// the minutes of each keyword (one column per keyword, most minutes first), then a row of
// totals and a row of shares in per cent. Fields are separated by semicolons and quoted
// when they hold a semicolon, a quote or a line break. The first line starts with a byte
// order mark so that spreadsheets read the accents right.
QStringList seasonCsvLines(const SeasonSummary& season, const TLanguage& language);

// Writes the lines (UTF-8, CRLF) to `path` through an atomic save.
bool writeSeasonCsv(const QString& path, const SeasonSummary& season, const TLanguage& language,
                    QString* error);

} // namespace korvex
