#include "ui/plans/PlanTotalTime.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

namespace korvex {

PlanTotalTime planTotalTime(const QList<TPractisesData>& items) {
    PlanTotalTime total;
    for (const TPractisesData& item : items) {
        const int minutes = durationMinutes(item.time);
        if (minutes < 0)
            ++total.notSet;
        else
            total.minutes += minutes;
    }
    return total;
}

QString totalTimeText(const TLanguage& language, const PlanTotalTime& total) {
    return language.Text(LK("TPTotalMinutes")).arg(total.minutes);
}

QString notSetText(const TLanguage& language, const PlanTotalTime& total) {
    if (total.notSet == 0)
        return QString();
    return language.Text(LK("TPTotalNotSet")).arg(total.notSet);
}

} // namespace korvex
