#pragma once

#include "core/PlanRecords.h"
#include "storage/PlanSummary.h"

#include <QList>
#include <QString>

namespace korvex {

class TLanguage;

// The length of a training plan: the sum of the practise durations that are whole numbers
// of minutes. A duration that is empty or not such a number counts as not set.
struct PlanTotalTime {
    int minutes = 0;
    int notSet = 0;
};

PlanTotalTime planTotalTime(const QList<TPractisesData>& items);
// "45 min" and, when some durations are not set, the line that says how many.
QString totalTimeText(const TLanguage& language, const PlanTotalTime& total);
QString notSetText(const TLanguage& language, const PlanTotalTime& total);

} // namespace korvex
