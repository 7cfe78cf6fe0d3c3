#pragma once

namespace korvex {

class PageLayout;
class TLanguage;
struct PlanSummary;

// The plan summary as the last block of a printout, from `top` (a new page when the title and
// a few rows do not fit): total minutes, a row per graphic practise with its lines and
// players, the goalie's shots per minute and the minutes per keyword with their shares.
// Rows that reach the foot of the page continue on the next. Returns the y below the block.
double printPlanSummary(PageLayout& layout, const PlanSummary& summary, const TLanguage& language,
                        double top);

} // namespace korvex
