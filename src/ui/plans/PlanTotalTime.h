#pragma once

#include "core/PlanRecords.h"

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
// The duration typed for one practise in minutes, or -1 when it is not a whole number.
int durationMinutes(const QString& duration);
// "45 min" and, when some durations are not set, the line that says how many.
QString totalTimeText(const TLanguage& language, const PlanTotalTime& total);
QString notSetText(const TLanguage& language, const PlanTotalTime& total);

} // namespace korvex
