// The plan and season summaries over hand-built drawings, plans and archived units.
#include "CliRunner.h"
#include "SearchFixture.h"

#include "storage/PlanSummaryDate.h"
#include "storage/PlanSummarySeason.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Three drawings, a text practise and a practise without minutes:
//   A  forwards 0, 0, 13, defender 1, goalie; shots 2, pass 1, skating 2     15 min
//   B  free 3, 15, start defender 14; passes 2, skating 3 (kinds 4, 5, 6)      10 min
//   C  goalie, coach, cone, puck; shots 3                                        5 min
//   T  text practise "Skating"                                                  20 min
//   D  drawing A again under another name, minutes "abc"
class PlanSummaryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(inst.graphicStem("A") + QStringLiteral(".gmp"),
                 graphicFile({}, {QStringLiteral("Shooting, Passing")}, {0, 0, 13, 1, 2},
                             {2, 2, 1, 0, 3}));
        writeAll(inst.graphicStem("B") + QStringLiteral(".gmp"),
                 graphicFile({}, {QStringLiteral("skating")}, {3, 15, 14}, {1, 1, 4, 5, 6}));
        writeAll(inst.graphicStem("C") + QStringLiteral(".gmp"),
                 graphicFile({}, {QStringLiteral("shooting; Goalie"), QStringLiteral("SHOOTING")},
                             {2, 4, 6, 7}, {2, 2, 2}));
        writeAll(inst.graphicStem("D") + QStringLiteral(".gmp"),
                 graphicFile({}, {QStringLiteral("Shooting")}, {0}, {2}));
        ASSERT_TRUE(writeTextPractiseAt(inst.path(QStringLiteral("TextPractises/Off/Ice/T.tmp")),
                                        {QStringLiteral("Laps")}, {QStringLiteral("Skating")}));
    }

    QStringList paths() const {
        return {QStringLiteral("GraphicPractises\\Cat\\Sub\\A.gmp"),
                QStringLiteral("GraphicPractises\\Cat\\Sub\\B.gmp"),
                QStringLiteral("GraphicPractises\\Cat\\Sub\\C.gmp"),
                QStringLiteral("TextPractises\\Off\\Ice\\T.tmp"),
                QStringLiteral("GraphicPractises\\Cat\\Sub\\D.gmp")};
    }
    QStringList minutes() const {
        return {QStringLiteral("15"), QStringLiteral(" 10 "), QStringLiteral("5"),
                QStringLiteral("20"), QStringLiteral("abc")};
    }

    Installation inst;
};

QStringList keywordRows(const QList<KeywordMinutes>& list) {
    QStringList rows;
    for (const KeywordMinutes& entry : list)
        rows.append(QStringLiteral("%1 %2").arg(entry.keyword).arg(entry.minutes));
    return rows;
}

} // namespace

TEST_F(PlanSummaryFixture, CountsExactlyTheLinesAndPlayersDrawn) {
    const PlanSummary summary = summarisePlan(paths(), minutes(), *inst.settings, inst.language);
    ASSERT_TRUE(summary.problems.isEmpty())
        << summary.problems.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(summary.items.size(), 5);
    DrawingCounts a;
    a.shots = 2, a.passes = 1, a.skating = 2, a.forwards = 3, a.defenders = 1, a.goalies = 1;
    DrawingCounts b;
    b.passes = 2, b.skating = 3, b.defenders = 1, b.freePlayers = 2;
    DrawingCounts c;
    c.shots = 3, c.goalies = 1;
    EXPECT_EQ(summary.items[0].counts, a);
    EXPECT_EQ(summary.items[1].counts, b);
    EXPECT_EQ(summary.items[2].counts, c);
    EXPECT_EQ(summary.items[0].counts.players(), 4);
    EXPECT_TRUE(summary.items[0].drawn);
    EXPECT_FALSE(summary.items[3].drawn); // a text practise has no drawing
    EXPECT_EQ(summary.items[3].counts, DrawingCounts());

    EXPECT_EQ(summary.totalMinutes, 50);
    EXPECT_EQ(summary.withoutMinutes, 1);
    // The goalie's workload: shots of A and C over their 20 minutes.
    EXPECT_EQ(summary.goalieShots, 5);
    EXPECT_EQ(summary.goalieMinutes, 20);
    EXPECT_DOUBLE_EQ(summary.shotsPerGoalieMinute(), 0.25);
    // Each practise's minutes count once for each of its keywords, whatever their case;
    // D has no minutes and counts nowhere.
    EXPECT_EQ(keywordRows(summary.keywordMinutes),
              QStringList({QStringLiteral("skating 30"), QStringLiteral("Shooting 20"),
                           QStringLiteral("Passing 15"), QStringLiteral("Goalie 5")}));
}

TEST_F(PlanSummaryFixture, NamesPractisesItCannotReadAndCountsTheRest) {
    writeAll(inst.graphicStem("Cut") + QStringLiteral(".gmp"), le32(141) + le32(5));
    const PlanSummary summary = summarisePlan(
        {QStringLiteral("..\\outside.gmp"), QStringLiteral("GraphicPractises\\Cat\\Sub\\Gone.gmp"),
         QStringLiteral("GraphicPractises\\Cat\\Sub\\Cut.gmp"),
         QStringLiteral("GraphicPractises\\Cat\\Sub\\C.gmp")},
        {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5")},
        *inst.settings, inst.language);
    EXPECT_EQ(summary.problems.size(), 3);
    EXPECT_EQ(summary.totalMinutes, 20);
    EXPECT_EQ(summary.goalieShots, 3);
    EXPECT_DOUBLE_EQ(summary.shotsPerGoalieMinute(), 0.6);
    EXPECT_EQ(PlanSummary().shotsPerGoalieMinute(), 0.0);
}

TEST(PlanSummaryParts, DurationsKeywordsAndDates) {
    EXPECT_EQ(durationMinutes(QStringLiteral(" 45 ")), 45);
    for (const char* bad : {"", "-5", "4.5", "10 min", "1234567"})
        EXPECT_EQ(durationMinutes(QString::fromLatin1(bad)), -1) << bad;
    EXPECT_EQ(splitKeywords({QStringLiteral(" speed ,  power;;"), QStringLiteral(""),
                             QStringLiteral("edge   work")}),
              QStringList(
                  {QStringLiteral("speed"), QStringLiteral("power"), QStringLiteral("edge work")}));

    EXPECT_EQ(parsePlanDate(QStringLiteral("2026-10-14")), QDate(2026, 10, 14));
    EXPECT_EQ(parsePlanDate(QStringLiteral("14.10.2026")), QDate(2026, 10, 14));
    EXPECT_EQ(parsePlanDate(QStringLiteral("Út 3. 11. 26, led 2")), QDate(2026, 11, 3));
    EXPECT_EQ(parsePlanDate(QStringLiteral("5/1/2027")), QDate(2027, 1, 5));
    for (const char* unreadable : {"", "next Tuesday", "31.2.2026", "14.10.", "120.10.2026"})
        EXPECT_FALSE(parsePlanDate(QString::fromLatin1(unreadable)).isValid()) << unreadable;
}

TEST_F(PlanSummaryFixture, SeasonAddsUpTheDatedUnitsOfTheRange) {
    const QString team = inst.path(QStringLiteral("TrainingPlans/Archive/U15"));
    const QString a = QStringLiteral("GraphicPractises\\Cat\\Sub\\A.gmp");
    const QString b = QStringLiteral("GraphicPractises\\Cat\\Sub\\B.gmp");
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/1.pamp"), true, {a, b},
                            {QStringLiteral("30"), QStringLiteral("10")},
                            QStringLiteral("14.10.2026")));
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/2.pamp"), true, {b}, {QStringLiteral("20")},
                            QStringLiteral("Út 3. 11. 26")));
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/3.pamp"), true, {a}, {QStringLiteral("60")},
                            QStringLiteral("2026-12-20")));
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/4.pamp"), true, {a}, {QStringLiteral("45")},
                            QStringLiteral("after the cup")));
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/5.pamp"), true, {a}, {QStringLiteral("99")},
                            QStringLiteral("1.3.2027")));
    writeAll(team + QStringLiteral("/6.pamp"), le32(141) + le32(0x7fffffff));

    const SeasonSummary season = summariseSeason(team, QDate(2026, 10, 1), QDate(2027, 1, 31),
                                                 *inst.settings, inst.language);
    ASSERT_EQ(season.units.size(), 3);
    EXPECT_EQ(season.units[0].number, QStringLiteral("1"));
    EXPECT_EQ(season.units[1].date, QDate(2026, 11, 3));
    EXPECT_EQ(season.totalMinutes, 120);
    ASSERT_EQ(season.undated.size(), 1);
    EXPECT_EQ(season.undated[0].dateText, QStringLiteral("after the cup"));
    EXPECT_EQ(season.problems.size(), 1); // the damaged unit 6
    EXPECT_EQ(season.unitsPerMonth,
              (QList<QPair<QDate, int>>{
                  {QDate(2026, 10, 1), 1}, {QDate(2026, 11, 1), 1}, {QDate(2026, 12, 1), 1}}));
    // A (Shooting, Passing) had 30 + 60 minutes, B (skating) 10 + 20.
    EXPECT_EQ(keywordRows(season.keywordMinutes),
              QStringList({QStringLiteral("Passing 90"), QStringLiteral("Shooting 90"),
                           QStringLiteral("skating 30")}));
    EXPECT_DOUBLE_EQ(season.percentOf(2), 25.0);
    EXPECT_EQ(season.unitsWithKeyword(QStringLiteral("SKATING")), (QList<int>{0, 1}));
    EXPECT_EQ(season.unitsWithKeyword(QStringLiteral("shooting")), (QList<int>{0, 2}));
}

TEST_F(PlanSummaryFixture, CliSummarisesPlansAndTeams) {
    const QString plan =
        inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/U15/Mon.pmp"));
    ASSERT_TRUE(writePlanAt(plan, false, paths(), minutes()));
    CliRun run = cli({QStringLiteral("summary"), plan});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value(QStringLiteral("totalMinutes")).toInt(), 50);
    EXPECT_DOUBLE_EQ(json.value(QStringLiteral("shotsPerGoalieMinute")).toDouble(), 0.25);
    const QJsonObject first = json.value(QStringLiteral("practises")).toArray().at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("forwards")).toInt(), 3);
    EXPECT_TRUE(first.value(QStringLiteral("goalie")).toBool());

    const QString team = inst.path(QStringLiteral("TrainingPlans/Archive/U15"));
    ASSERT_TRUE(writePlanAt(team + QStringLiteral("/1.pamp"), true, paths(), minutes(),
                            QStringLiteral("14.10.2026")));
    run = cli(
        {QStringLiteral("summary"), team, QStringLiteral("--from"), QStringLiteral("2026-10-01")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value(QStringLiteral("totalMinutes")).toInt(), 50);
    EXPECT_EQ(json.value(QStringLiteral("unitsPerMonth")).toArray().size(), 1);
    EXPECT_EQ(
        cli({QStringLiteral("summary"), team, QStringLiteral("--from"), QStringLiteral("14.10.")})
            .exitCode,
        1);
}
