#pragma once

#include <QString>

namespace korvex {

class TLanguage;
class TTrainingPlan;

// The HTML pages of a training plan or an archived plan.
enum class PlanPage {
    Short, // date, time and description, then the practises
    Full,  // the whole heading, aim, note and text notes, then the practises
};

// Writes the page `target` of `plan` from the template of `appDir`, with the labels of
// `language`. Practise i's picture becomes "<i>.jpg" in the page's picture folder: a
// plan's graphic practise picture is copied from the plan's installation, an archived
// plan writes the picture it keeps; a practise without a picture gets no img line. The
// page does not save the plan; the caller does.
bool writeTrainingPlanHtml(const TTrainingPlan& plan, const TLanguage& language,
                           const QString& appDir, const QString& target, PlanPage page,
                           QString* error);

} // namespace korvex
