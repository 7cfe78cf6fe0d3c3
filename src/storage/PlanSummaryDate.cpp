#include "storage/PlanSummaryDate.h"

#include <QRegularExpression>

namespace korvex {

QDate parsePlanDate(const QString& text) {
    static const QRegularExpression isoDate(
        QStringLiteral("(?<!\\d)(\\d{4})-(\\d{1,2})-(\\d{1,2})(?!\\d)"));
    static const QRegularExpression dayFirst(QStringLiteral(
        "(?<!\\d)(\\d{1,2})\\s*[./]\\s*(\\d{1,2})\\s*[./]\\s*(\\d{4}|\\d{2})(?!\\d)"));
    if (const QRegularExpressionMatch m = isoDate.match(text); m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (date.isValid())
            return date;
    }
    if (const QRegularExpressionMatch m = dayFirst.match(text); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += 2000;
        return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
    }
    return QDate();
}

} // namespace korvex
