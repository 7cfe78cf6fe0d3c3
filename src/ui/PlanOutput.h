#pragma once

class QWidget;

namespace korvex {

class TLanguage;
class TSettings;
class TTrainingPlan;

// The plan view's print, print preview and HTML export commands around the plan printouts
// and pages. The caller first copies the screen into the plan and saves it when modified;
// a plan without a name does nothing.

// Prints the plan in its basic or advanced form through the print dialog (`preview`: shows
// the pages first). A missing practise picture is reported and ends the job. The advanced
// form ends with the plan summary, read from the practise files when printing begins.
void printPlan(QWidget* parent, TLanguage& language, TSettings& settings, const TTrainingPlan& plan,
               bool advanced, bool preview);

// Asks for the page file and writes the plan's short or full page there, then opens it in
// the browser. A page that cannot be written is reported.
void exportPlanHtml(QWidget* parent, const TLanguage& language, const TSettings& settings,
                    const TTrainingPlan& plan, bool full);

} // namespace korvex
