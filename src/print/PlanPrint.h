#pragma once

#include <QString>

namespace korvex {

class PageLayout;
class TLanguage;
class TTrainingPlan;
struct PlanSummary;

// The two printouts of a training plan or an archived plan. Each practise prints as a
// block: its picture padded to 4:3 in a 7 x 5.25 box at the left, the caption
// "# n / time' / name" beside it and up to ten lines of its text below the caption. An
// archived plan ends with its evaluation. Practise paths resolve against `appDir`.
// Every picture is read before anything is printed: a missing or unreadable one gives
// false with `error` naming the file, and nothing is printed.

// Basic: head line, name, date and time, description, then four practises on the first
// page and five on every further one, each page numbered "page/pages" at its foot.
bool printPlanBasic(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language,
                    const QString& appDir, QString& error);

// Advanced: the heading as a ruled table (club, place, tools, players, coaches, date, time,
// number, prepared by, aim, note, and one row per text note), then the practises; with a
// `summary`, the plan summary closes the printout.
bool printPlanAdvanced(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language,
                       const QString& appDir, QString& error, const PlanSummary* summary = nullptr);

} // namespace korvex
