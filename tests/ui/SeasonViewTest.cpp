// Training archive > Season summary, driven as a coach does: the chart, the drill-down to
// the units of a bar, the date range, CSV export and printing; and the plan view's summary.
#include "SeasonSupport.h"

#include "core/SafeSave.h"
#include "ui/plans/TFormPlanSummary.h"
#include "ui/season/SeasonChart.h"
#include "ui/season/TFormSeason.h"

#include <QDateEdit>
#include <QListWidget>
#include <QTableWidget>

using namespace korvex;
using namespace korvex::test;

namespace {

class SeasonView : public SeasonTest {
protected:
    void SetUp() override {
        SeasonTest::SetUp();
        const QString skating = drill(QStringLiteral("Circles"), {QStringLiteral("skating")});
        const QString shots =
            drill(QStringLiteral("Slot shots"), {QStringLiteral("shooting, goalie")}, 3, true);
        unit(QStringLiteral("U15"), QStringLiteral("1"), QStringLiteral("14.10.2026"),
             {{skating, 30}, {shots, 10}});
        unit(QStringLiteral("U15"), QStringLiteral("2"), QStringLiteral("2026-11-02"),
             {{shots, 20}});
        unit(QStringLiteral("U15"), QStringLiteral("3"), QStringLiteral("after the cup"),
             {{skating, 45}});
    }
    QStringList column(QTableWidget* grid, int column) const {
        QStringList cells;
        for (int row = 0; row < grid->rowCount(); ++row)
            cells.append(grid->item(row, column)->text());
        return cells;
    }
};

} // namespace

TEST_F(SeasonView, ChartDrillDownRangeCsvAndPrint) {
    TFormSeason form(window->language(), settings(), QStringLiteral("U15"), window.get());
    // Opens on the span of the dated units.
    EXPECT_EQ(form.findChild<QDateEdit*>(QStringLiteral("dtpSeasonFrom"))->date(),
              QDate(2026, 10, 14));
    EXPECT_EQ(form.season().totalMinutes, 60);
    const QList<SeasonChart::Bar> bars = form.chart()->bars();
    ASSERT_EQ(bars.size(), 3);
    EXPECT_EQ(bars[0].label, QStringLiteral("goalie"));
    EXPECT_EQ(bars[0].minutes, 30);
    EXPECT_DOUBLE_EQ(bars[0].percent, 50.0);
    EXPECT_EQ(bars[2].label, QStringLiteral("skating"));
    auto* undated = form.findChild<QListWidget*>(QStringLiteral("lbxSeasonUndated"));
    ASSERT_EQ(undated->count(), 1);
    EXPECT_TRUE(undated->item(0)->text().contains(QStringLiteral("after the cup")));

    // A click on the skating bar lists the one unit that made it.
    auto* units = form.findChild<QTableWidget*>(QStringLiteral("srgSeasonUnits"));
    EXPECT_EQ(column(units, 0), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    form.resize(900, 620);
    form.show();
    QTest::mouseClick(form.chart(), Qt::LeftButton, {}, form.chart()->barRect(2).center());
    EXPECT_EQ(form.chart()->selected(), 2);
    EXPECT_EQ(column(units, 0), QStringList{QStringLiteral("1")});
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnSeasonAllUnits")),
                      Qt::LeftButton);
    EXPECT_EQ(units->rowCount(), 2);

    // The range narrowed to November leaves unit 2.
    form.findChild<QDateEdit*>(QStringLiteral("dtpSeasonFrom"))->setDate(QDate(2026, 11, 1));
    EXPECT_EQ(form.season().units.size(), 1);
    EXPECT_EQ(form.season().totalMinutes, 20);

    QTemporaryDir out;
    const QString csv = out.filePath(QStringLiteral("u15.csv"));
    dialogs.answerSaveFile(csv);
    form.exportCsv();
    QStringList lines;
    ASSERT_TRUE(loadTextLines(csv, &lines));
    EXPECT_EQ(lines.size(), 4); // head, one unit, totals, shares
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2;2026-11-02;20;"))) << lines[1].toStdString();
    // A file that cannot be written is said, not passed over.
    dialogs.answerSaveFile(out.filePath(QStringLiteral("missing/folder/u15.csv")));
    form.exportCsv();
    EXPECT_EQ(dialogs.informations.size(), 1);

    const QString pdf = out.filePath(QStringLiteral("season.pdf"));
    dialogs.answerPrintToPdf(pdf);
    form.print(false);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST_F(SeasonView, MenuItemBelongsToTheArchiveAndNeedsATeam) {
    open(3);
    EXPECT_FALSE(item("mmTPSeasonSummary")->isVisible());
    open(6);
    EXPECT_TRUE(item("mmTPSeasonSummary")->isVisible());
    item("mmTPSeasonSummary")->trigger();
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormSeason")});

    QDir(joinPath(app.path(), settings().TPSaveDir(), QStringLiteral("Archive/U15")))
        .removeRecursively();
    item("mmTPSeasonSummary")->trigger();
    EXPECT_EQ(dialogs.informations, QStringList{text("SeasonNoTeam")});
}

TEST_F(SeasonView, PlanViewShowsTheSummaryAndItsDetails) {
    const QString shots = drill(QStringLiteral("Rebounds"), {QStringLiteral("shooting")}, 2, true);
    makePlan(QStringLiteral("U15"), QStringLiteral("Friday"),
             {joinPath(app.path(), storedToPath(shots))});
    open(3);
    window->SetEditMode(true);
    type("edtTPTime1", QStringLiteral("8"));
    const QString line = child<QLabel>("lblTPSummary")->text();
    EXPECT_TRUE(line.startsWith(text("TPSummaryLine").arg(2).arg(0).arg(1).arg(3)))
        << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral("0.25"))) << line.toStdString();

    QString goalie;
    dialogs.answerForm([&goalie](QDialog* form) {
        goalie = form->findChild<QLabel*>(QStringLiteral("lblPlanSummaryGoalie"))->text();
    });
    click("btnTPSummary");
    EXPECT_EQ(goalie, text("SummaryGoalieLoad").arg(QStringLiteral("0.25")).arg(2).arg(8));
}
