#include "print/PlanPrintSummary.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "storage/PlanSummary.h"

namespace korvex {

namespace {

constexpr double kRow = 0.45;
constexpr double kFoot = 28.3;
constexpr double kNameWidth = 6.2;
// Columns of the practise table: shots, passes, skating, forwards, defenders, free, goalie.
constexpr double kColumns[] = {7.5, 9.25, 11.0, 12.75, 14.5, 16.25, 18.0};
constexpr double kColumnWidth = 1.65;

QString text(const TLanguage& language, const char* key) {
    return language.Text(QString::fromLatin1(key));
}

// Moves to the next page when `rows` more rows do not fit below `y`.
double ensureRoom(PageCanvas& canvas, double y, int rows) {
    if (y + rows * kRow <= kFoot)
        return y;
    canvas.newPage();
    return 1.0;
}

void tableHead(PageLayout& layout, const TLanguage& language, double y) {
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(8, true);
    canvas.drawText(1, y, text(language, "SummaryPractise"));
    const char* keys[] = {"SummaryShots",    "SummaryPasses",    "SummarySkating",
                          "SummaryForwards", "SummaryDefenders", "SummaryFreePlayers",
                          "SummaryGoalie"};
    for (int i = 0; i < 7; ++i)
        layout.PrintTruncated(text(language, keys[i]), kColumnWidth, y, kColumns[i]);
    canvas.drawLine(1, y + kRow - 0.02, 19.8, y + kRow - 0.02);
    canvas.setFont(9, false);
}

} // namespace

double printPlanSummary(PageLayout& layout, const PlanSummary& summary, const TLanguage& language,
                        double top) {
    PageCanvas& canvas = layout.canvas();
    double y = ensureRoom(canvas, top, 6);
    canvas.setFont(11, true);
    canvas.drawText(1, y, text(language, "SummaryTitle"));
    y += 0.6;
    canvas.setFont(9, false);
    QString total = text(language, "SummaryTotal").arg(summary.totalMinutes);
    if (summary.withoutMinutes > 0)
        total += QLatin1Char(' ') + text(language, "SummaryWithout").arg(summary.withoutMinutes);
    canvas.drawText(1, y, total);
    y += kRow * 1.5;

    bool headPrinted = false;
    for (const PlanSummaryItem& item : summary.items) {
        if (!item.drawn)
            continue;
        if (!headPrinted || y + kRow > kFoot) {
            y = ensureRoom(canvas, y, 2);
            tableHead(layout, language, y);
            y += kRow;
            headPrinted = true;
        }
        const DrawingCounts& c = item.counts;
        layout.PrintTruncated(item.name, kNameWidth, y, 1);
        const int values[] = {c.shots, c.passes, c.skating, c.forwards, c.defenders, c.freePlayers};
        for (int i = 0; i < 6; ++i)
            canvas.drawText(kColumns[i], y, QString::number(values[i]));
        if (c.hasGoalie())
            canvas.drawText(kColumns[6], y, text(language, "SummaryYes"));
        y += kRow;
    }
    if (headPrinted)
        y += kRow * 0.5;

    y = ensureRoom(canvas, y, 1);
    if (summary.goalieMinutes > 0)
        canvas.drawText(1, y,
                        text(language, "SummaryGoalieLoad")
                            .arg(QString::number(summary.shotsPerGoalieMinute(), 'f', 2))
                            .arg(summary.goalieShots)
                            .arg(summary.goalieMinutes));
    else
        canvas.drawText(1, y, text(language, "SummaryNoGoalie"));
    y += kRow * 1.5;

    y = ensureRoom(canvas, y, 2);
    canvas.setFont(9, true);
    canvas.drawText(1, y, text(language, "SummaryKeywords"));
    canvas.setFont(9, false);
    y += kRow;
    if (summary.keywordMinutes.isEmpty()) {
        canvas.drawText(1, y, text(language, "SummaryNoKeywords"));
        return y + kRow;
    }
    for (const KeywordMinutes& entry : summary.keywordMinutes) {
        y = ensureRoom(canvas, y, 1);
        layout.PrintTruncated(entry.keyword, kNameWidth, y, 1);
        QString value = QStringLiteral("%1 min").arg(entry.minutes);
        if (summary.totalMinutes > 0)
            value +=
                QStringLiteral("  (%1 %)")
                    .arg(QString::number(100.0 * entry.minutes / summary.totalMinutes, 'f', 0));
        canvas.drawText(kColumns[0], y, value);
        y += kRow;
    }
    return y;
}

} // namespace korvex
