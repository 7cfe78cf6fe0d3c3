#pragma once

namespace korvex {

class PageLayout;
class TLanguage;
class TTrainingPlan;

// The heading of the advanced plan print as a ruled table from y 1: the head line, club,
// place, tools, players and coaches at the left, date, time, number and prepared by at the
// right, the aim and the note, then the text notes in columns (time, content, methods,
// strain, note, number), each note on the page it fits. Returns the y below the table.
double printPlanHeading(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language);

} // namespace korvex
