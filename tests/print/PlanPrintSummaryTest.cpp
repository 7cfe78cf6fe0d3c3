// The plan summary block and the season printout on the recording canvas.
#include "PrintInstallation.h"

#include "print/PageLayout.h"
#include "print/PlanPrintSeason.h"
#include "print/PlanPrintSummary.h"
#include "print/RecordingCanvas.h"
#include "storage/PlanSummarySeason.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

PlanSummary twoDrills() {
    PlanSummaryItem a;
    a.name = QStringLiteral("Slot shots");
    a.minutes = 10;
    a.drawn = true;
    a.counts.shots = 4, a.counts.passes = 1, a.counts.skating = 2, a.counts.forwards = 3,
    a.counts.goalies = 1;
    a.keywords = {QStringLiteral("shooting")};
    PlanSummaryItem text;
    text.name = QStringLiteral("Warm-up");
    text.minutes = 30;
    text.keywords = {QStringLiteral("skating")};
    return summariseItems({a, text});
}

class SummaryPrint : public ::testing::Test {
protected:
    QString text(const char* key) { return inst.language().Text(QString::fromLatin1(key)); }
    PrintInstallation inst;
    RecordingCanvas canvas;
};

} // namespace

TEST_F(SummaryPrint, PrintsTotalsDrawnPractisesGoalieAndKeywords) {
    PageLayout layout(canvas);
    const double end = printPlanSummary(layout, twoDrills(), inst.language(), 3.0);
    EXPECT_GT(end, 3.0);
    const QStringList page = canvas.textsOfPage(0);
    EXPECT_EQ(page.first(), text("SummaryTitle"));
    EXPECT_TRUE(page.contains(text("SummaryTotal").arg(40)));
    // The drawn practise's row: name and its six counts, and the goalie; the text practise
    // has no row.
    const qsizetype row = page.indexOf(QStringLiteral("Slot shots"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(page.mid(row + 1, 7),
              QStringList({QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("2"),
                           QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("0"),
                           text("SummaryYes")}));
    EXPECT_FALSE(page.contains(QStringLiteral("Warm-up")));
    EXPECT_TRUE(
        page.contains(text("SummaryGoalieLoad").arg(QStringLiteral("0.40")).arg(4).arg(10)));
    EXPECT_TRUE(page.contains(QStringLiteral("30 min  (75 %)")));
    EXPECT_TRUE(page.contains(QStringLiteral("10 min  (25 %)")));
}

TEST_F(SummaryPrint, LongSummariesContinueOnNewPages) {
    QList<PlanSummaryItem> items;
    for (int i = 0; i < 70; ++i) {
        PlanSummaryItem item;
        item.name = QStringLiteral("Drill %1").arg(i);
        item.minutes = 1;
        item.drawn = true;
        item.keywords = {QStringLiteral("keyword %1").arg(i)};
        items.append(item);
    }
    PageLayout layout(canvas);
    printPlanSummary(layout, summariseItems(items), inst.language(), 20.0);
    EXPECT_GE(canvas.pageCount(), 4);
    for (const RecordingCanvas::Text& t : canvas.texts)
        EXPECT_LE(t.y, 28.3) << t.text.toStdString();
    // The table head is repeated on the page a table continues on.
    int heads = 0;
    for (const RecordingCanvas::Text& t : canvas.texts)
        heads += t.text == text("SummaryPractise") ? 1 : 0;
    EXPECT_GE(heads, 2);
}

TEST_F(SummaryPrint, SeasonPrintsBarsMonthsUnitsAndUndated) {
    SeasonSummary season;
    SeasonUnit unit;
    unit.number = QStringLiteral("7");
    unit.date = QDate(2026, 10, 14);
    unit.minutes = 60;
    season.units = {unit};
    SeasonUnit undated;
    undated.number = QStringLiteral("8");
    undated.dateText = QStringLiteral("cup weekend");
    season.undated = {undated};
    season.totalMinutes = 60;
    season.keywordMinutes = {{QStringLiteral("skating"), 45}, {QStringLiteral("shooting"), 15}};
    season.unitsPerMonth = {{QDate(2026, 10, 1), 1}};
    PageLayout layout(canvas);
    printSeason(layout, season, inst.language(), QStringLiteral("U15"), QStringLiteral("Oct"));
    const QStringList page = canvas.textsOfPage(0);
    EXPECT_EQ(page.first(), text("FormSeason") + QStringLiteral(": U15"));
    EXPECT_TRUE(page.contains(QStringLiteral("45 min  75.0 %")));
    EXPECT_TRUE(page.contains(QStringLiteral("cup weekend")));
    ASSERT_EQ(canvas.images.size(), 2);
    // Bars scale to the largest: 45 minutes fill the bar width, 15 a third of it.
    EXPECT_NEAR(canvas.images[1].box.width() * 3, canvas.images[0].box.width(), 1e-9);
}
