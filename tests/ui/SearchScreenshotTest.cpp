// Grabs the Find panel over a small library and the season summary of a team's autumn. The
// pictures go to the folder named by KORVEX_SCREENSHOT_DIR when it is set (search.png and
// season.png), else nowhere.
#include "SeasonSupport.h"

#include "storage/TextPractiseFile.h"
#include "ui/search/LibrarySearch.h"
#include "ui/search/SearchController.h"
#include "ui/search/TFormSearch.h"
#include "ui/season/SeasonChart.h"
#include "ui/season/TFormSeason.h"

using namespace korvex;
using namespace korvex::test;

namespace {

class SearchScreenshots : public SeasonTest {
protected:
    void save(QWidget* widget, const QString& name) const {
        QCoreApplication::processEvents();
        const QImage shot = widget->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
            const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
            QDir().mkpath(folder);
            shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
    }
};

TEST_F(SearchScreenshots, FindPanelAndSeasonSummary) {
    const QString circles =
        drill(QStringLiteral("Circle loops"), {QStringLiteral("skating, edges")}, 0, false,
              {QStringLiteral("Skate the loop around both circles, puck on the forehand.")});
    const QString pass =
        drill(QStringLiteral("Two-line pass"), {QStringLiteral("passing")}, 1, true,
              {QStringLiteral("Pairs pass across the neutral zone and finish "
                              "with a shot; quick passes, heads up.")});
    const QString slot =
        drill(QStringLiteral("Slot shots"), {QStringLiteral("shooting, goalie")}, 3, true,
              {QStringLiteral("Quick release from the slot after a pass from "
                              "the corner.")});
    const QString give =
        drill(QStringLiteral("Give and go"), {QStringLiteral("passing, shooting")}, 2, true,
              {QStringLiteral("Pass, skate past the defender, take the return "
                              "pass and shoot.")});
    const QString games =
        drill(QStringLiteral("Small area 3 on 3"), {QStringLiteral("small games")}, 1, true,
              {QStringLiteral("Three against three in one zone, 40 second shifts.")});
    const QString power =
        drill(QStringLiteral("Power play umbrella"), {QStringLiteral("power play, passing")}, 2,
              true, {QStringLiteral("Umbrella set-up: D-to-D pass and one-timer.")});
    TextPractiseData text;
    text.version = settings().Version();
    text.text = {QStringLiteral("Partner passes with a tennis ball, 3 x 2 minutes.")};
    text.keywords = {QStringLiteral("passing, off ice")};
    const QString textFile =
        app.file(QStringLiteral("TextPractises/Off ice/Warm-up/Ball passes.tmp"));
    QDir().mkpath(QFileInfo(textFile).absolutePath());
    ASSERT_TRUE(writeTextPractiseFile(textFile, text, nullptr));

    // The Find panel with "pass".
    item("mmFind")->trigger();
    auto* controller = window->findChild<SearchController*>();
    controller->search().waitForBuild();
    TFormSearch* panel = controller->panel();
    panel->resize(600, 560);
    QTest::keyClicks(panel->findChild<QLineEdit*>(QStringLiteral("edtSearch")),
                     QStringLiteral("pass"));
    EXPECT_GE(panel->hits().size(), 5);
    save(panel, QStringLiteral("search"));
    panel->hide();

    // An autumn of a U15 team: two or three units a week, one whose date is no date.
    const QList<QList<QPair<QString, int>>> plans = {
        {{circles, 15}, {pass, 20}, {slot, 15}, {games, 20}},
        {{circles, 10}, {give, 20}, {power, 20}, {games, 15}},
        {{pass, 15}, {slot, 20}, {games, 25}},
        {{circles, 20}, {give, 15}, {slot, 15}, {power, 10}},
    };
    int number = 1;
    for (QDate day(2026, 9, 1); day <= QDate(2026, 12, 18);
         day = day.addDays(day.dayOfWeek() == 2 ? 2 : 5)) {
        unit(QStringLiteral("U15"), QString::number(number),
             day.toString(QStringLiteral("d.M.yyyy")), plans.at(number % plans.size()));
        ++number;
    }
    unit(QStringLiteral("U15"), QString::number(number), QStringLiteral("tournament weekend"),
         plans.at(0));
    TFormSeason season(window->language(), settings(), QStringLiteral("U15"), window.get());
    season.resize(980, 640);
    season.show();
    QCoreApplication::processEvents();
    QTest::mouseClick(season.chart(), Qt::LeftButton, {}, season.chart()->barRect(3).center());
    save(&season, QStringLiteral("season"));
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        // The printed season, to be looked at (pdftoppm makes a picture of it).
        dialogs.answerPrintToPdf(qEnvironmentVariable("KORVEX_SCREENSHOT_DIR") +
                                 QStringLiteral("/season-print.pdf"));
        season.print(false);
    }
}

} // namespace
