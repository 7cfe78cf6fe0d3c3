#pragma once

#include <QString>

namespace korvex {

class PageLayout;
class TLanguage;
struct SeasonSummary;

// The season summary of a team on paper: title with the team and the date range, the
// totals, the minutes per keyword as bars with their shares, the units per month, the
// units with their dates and minutes, and the units whose date could not be read. Long
// lists continue on further pages.
void printSeason(PageLayout& layout, const SeasonSummary& season, const TLanguage& language,
                 const QString& team, const QString& range);

} // namespace korvex
