#include "print/PlanPrintSeason.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "storage/PlanSummarySeason.h"

#include <QImage>
#include <QLocale>

namespace korvex {

namespace {

constexpr double kRow = 0.45;
constexpr double kFoot = 28.3;
constexpr double kLabelWidth = 5.0;
constexpr double kBarX = 6.3;
constexpr double kBarWidth = 9.0;

QString text(const TLanguage& language, const char* key) {
    return language.Text(QString::fromLatin1(key));
}

double ensureRoom(PageCanvas& canvas, double y, int rows) {
    if (y + rows * kRow <= kFoot)
        return y;
    canvas.newPage();
    return 1.0;
}

double heading(PageCanvas& canvas, const QString& title, double y) {
    y = ensureRoom(canvas, y, 3);
    canvas.setFont(11, true);
    canvas.drawText(1, y, title);
    canvas.setFont(9, false);
    return y + 0.6;
}

QImage solid(QRgb colour) {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

void printSeason(PageLayout& layout, const SeasonSummary& season, const TLanguage& language,
                 const QString& team, const QString& range) {
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(14, true);
    canvas.drawText(1, 1, text(language, "FormSeason") + QStringLiteral(": ") + team);
    canvas.setFont(10, false);
    canvas.drawText(1, 1.8, range);
    canvas.drawText(
        1, 2.3, text(language, "SeasonTotal").arg(season.units.size()).arg(season.totalMinutes));
    double y = 3.2;

    y = heading(canvas, text(language, "SummaryKeywords"), y);
    if (season.keywordMinutes.isEmpty()) {
        canvas.drawText(1, y, text(language, "SeasonNoKeywords"));
        y += kRow;
    }
    int largest = 1;
    for (const KeywordMinutes& entry : season.keywordMinutes)
        largest = std::max(largest, entry.minutes);
    const QImage bar = solid(qRgb(0x3b, 0x78, 0xb5));
    for (int i = 0; i < season.keywordMinutes.size(); ++i) {
        const KeywordMinutes& entry = season.keywordMinutes.at(i);
        y = ensureRoom(canvas, y, 1);
        layout.PrintTruncated(entry.keyword, kLabelWidth, y, 1);
        const double length = std::max(0.05, kBarWidth * entry.minutes / largest);
        canvas.drawImage(QRectF(kBarX, y + 0.07, length, kRow - 0.14), bar);
        canvas.drawText(
            kBarX + length + 0.2, y,
            QStringLiteral("%1 min  %2 %").arg(entry.minutes).arg(season.percentOf(i), 0, 'f', 1));
        y += kRow;
    }

    y = heading(canvas, text(language, "lblSeasonMonths"), y + kRow);
    const QLocale locale;
    for (const auto& [month, count] : season.unitsPerMonth) {
        y = ensureRoom(canvas, y, 1);
        canvas.drawText(1, y, locale.toString(month, QStringLiteral("MMMM yyyy")));
        canvas.drawText(kBarX, y, QString::number(count));
        y += kRow;
    }

    y = heading(canvas, text(language, "lblSeasonUnits"), y + kRow);
    for (const SeasonUnit& unit : season.units) {
        y = ensureRoom(canvas, y, 1);
        layout.PrintTruncated(unit.number, kLabelWidth, y, 1);
        canvas.drawText(kBarX, y, locale.toString(unit.date, QLocale::ShortFormat));
        canvas.drawText(kBarX + 3.5, y, QStringLiteral("%1 min").arg(unit.minutes));
        y += kRow;
    }

    if (!season.undated.isEmpty()) {
        y = heading(canvas, text(language, "lblSeasonUndated"), y + kRow);
        for (const SeasonUnit& unit : season.undated) {
            y = ensureRoom(canvas, y, 1);
            layout.PrintTruncated(unit.number, kLabelWidth, y, 1);
            layout.PrintTruncated(unit.dateText, 19.8 - kBarX, y, kBarX);
            y += kRow;
        }
    }
}

} // namespace korvex
