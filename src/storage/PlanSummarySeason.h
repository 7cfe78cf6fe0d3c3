#pragma once

#include "storage/PlanSummary.h"

#include <QDate>
#include <QList>
#include <QString>

namespace korvex {

// One archived training unit of a team, as the season summary counts it.
struct SeasonUnit {
    QString file;     // the .pamp file
    QString number;   // the unit's name (its training number)
    QString dateText; // as typed
    QDate date;       // invalid when the text names no day
    int minutes = 0;
    QList<KeywordMinutes> keywordMinutes;
};

// The archived units of one team in a date range: the units with a readable date in the
// range (by date), the units whose date cannot be read (listed apart, counted nowhere else),
// and what the dated ones add up to.
struct SeasonSummary {
    QList<SeasonUnit> units;
    QList<SeasonUnit> undated;
    int totalMinutes = 0;
    QList<KeywordMinutes> keywordMinutes; // most minutes first
    // Every month from the first unit's to the last unit's: its first day and its units.
    QList<QPair<QDate, int>> unitsPerMonth;
    // Units that could not be read, and practises of units that could not.
    QStringList problems;

    // The indices in `units` of the units that spent minutes on `keyword` (compared without
    // regard to case and accents).
    QList<int> unitsWithKeyword(const QString& keyword) const;
    // The share of the total minutes spent on `keyword` entry `index`, 0..100.
    double percentOf(int index) const;
};

// Summarises the archived units (.pamp) in `teamFolder`. An invalid `from` or `to` leaves
// that end of the range open.
SeasonSummary summariseSeason(const QString& teamFolder, const QDate& from, const QDate& to,
                              TSettings& settings, TLanguage& language);

} // namespace korvex
