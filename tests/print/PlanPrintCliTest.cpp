// korvex-cli print of plans into PDF files, read back with poppler's pdftotext; the
// advanced sheet is also turned into a picture (pdftoppm) to be looked at.
#include "PrintInstallation.h"

#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProcessRun run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    ProcessRun result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

ProcessRun cli(const QStringList& args) {
    return run(QStringLiteral(KORVEX_APP_DIR "/korvex-cli"), args);
}

// The text of each page of `pdf`.
QStringList pdfPages(const QString& pdf) {
    const ProcessRun text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    QStringList pages = text.out.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class PlanPrintCliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(inst.isValid()); }
    QString planFile(const QString& name) const {
        return inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/Team/") + name +
                         QStringLiteral(".pmp"));
    }
    PrintInstallation inst;
};

TEST_F(PlanPrintCliTest, FivePractisesGiveTwoNumberedA4Pages) {
    auto plan = inst.newPlan(QStringLiteral("Thursday"));
    const QStringList names = {QStringLiteral("Breakout"), QStringLiteral("Neutral zone"),
                               QStringLiteral("Two on one"), QStringLiteral("Point shots"),
                               QStringLiteral("Battle drill")};
    for (int i = 0; i < names.size(); ++i) {
        const QString path = inst.addGraphicPractise(names[i], {QStringLiteral("Full speed")},
                                                     [i](TGraphicPractise& p) { drawDrill(p, i); });
        ASSERT_FALSE(path.isEmpty());
        plan->paths.append(path);
        plan->items.append(TPractisesData{{}, {}, {}, QStringLiteral("8"), names[i]});
    }
    ASSERT_TRUE(plan->Save(plan->currentPath())) << plan->errorString().toStdString();

    const QString pdf = inst.path(QStringLiteral("thursday.pdf"));
    const ProcessRun print =
        cli({QStringLiteral("print"), planFile(QStringLiteral("Thursday")), pdf});
    ASSERT_EQ(print.exitCode, 0) << print.err.toStdString();
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(pages[0].contains(names[i])) << names[i].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("# 5 / 8' / Battle drill")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("1/2")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("2/2")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("TRAINING UNIT")));
    const ProcessRun info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.out.contains(QStringLiteral("A4"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("Korvex - Thursday"))) << info.out.toStdString();

    // A practise picture that has gone is drawn again from its practise; a damaged one fails
    // the job, which names it and leaves no PDF.
    const QString picture =
        inst.path(QStringLiteral("GraphicPractises/Drills/Team/Two on one.jpg"));
    QFile::remove(picture);
    const QString redrawn = inst.path(QStringLiteral("redrawn.pdf"));
    EXPECT_EQ(cli({QStringLiteral("print"), planFile(QStringLiteral("Thursday")), redrawn,
                   QStringLiteral("--advanced")})
                  .exitCode,
              0);
    EXPECT_TRUE(QFileInfo::exists(picture));
    EXPECT_TRUE(QFileInfo::exists(redrawn));
    QFile damaged(picture);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a picture");
    damaged.close();
    const QString broken = inst.path(QStringLiteral("broken.pdf"));
    const ProcessRun failed = cli({QStringLiteral("print"), planFile(QStringLiteral("Thursday")),
                                   broken, QStringLiteral("--advanced")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("Two on one.jpg"))) << failed.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(broken));
    EXPECT_EQ(cli({QStringLiteral("print"), planFile(QStringLiteral("Thursday")), broken,
                   QStringLiteral("--list")})
                  .exitCode,
              1);
}

// The advanced sheet of a plan with a filled heading, three practises and two text notes.
TEST_F(PlanPrintCliTest, AdvancedSheetWithHeadingNotesAndPractises) {
    auto plan = inst.newPlan(QStringLiteral("Tuesday practice"));
    plan->setTeam(QStringLiteral("HC Lions U15"));
    plan->setTrainingNumber(QStringLiteral("24"));
    plan->date = QStringLiteral("12.01.2027");
    plan->time = QStringLiteral("17:30 - 18:45");
    plan->heading.place = QStringLiteral("Winter stadium, rink B");
    plan->heading.tools = QStringLiteral("Pucks, cones, 4 nets");
    plan->heading.playersCount = QStringLiteral("18 + 2 goalies");
    plan->heading.coaches = QStringLiteral("J. Novak, P. Berger");
    plan->heading.processed = QStringLiteral("J. Novak");
    plan->heading.aim = {QStringLiteral("Fast breakouts and support of the puck carrier")};
    plan->description = {QStringLiteral("Short shifts, full speed in every drill."),
                         QStringLiteral("Goalies warm up with the goalie coach.")};
    TTextData warmUp;
    warmUp.number = QStringLiteral("1");
    warmUp.time = QStringLiteral("10");
    warmUp.contains = {QStringLiteral("Warm-up: skating in pairs, edges and crossovers")};
    warmUp.methods = {QStringLiteral("Stations")};
    warmUp.strain = {QStringLiteral("Low")};
    warmUp.notes = {QStringLiteral("No pucks")};
    TTextData game;
    game.number = QStringLiteral("2");
    game.time = QStringLiteral("15");
    game.contains = {QStringLiteral("Small-area game 3 on 3 across the neutral zone"),
                     QStringLiteral("Change on the whistle every 40 seconds")};
    game.methods = {QStringLiteral("Game")};
    game.strain = {QStringLiteral("High")};
    game.notes = {QStringLiteral("Keep score")};
    plan->textBlocks.append(warmUp);
    plan->textBlocks.append(game);
    const struct {
        const char* name;
        const char* time;
        QStringList text;
    } drills[] = {
        {"Breakout with a regroup",
         "12",
         {QStringLiteral("D passes to the wing on the boards."),
          QStringLiteral("Centre swings low and supports."),
          QStringLiteral("Regroup at the red line, attack 2 on 1.")}},
        {"Give and go",
         "10",
         {QStringLiteral("Pass and skate to the open ice."),
          QStringLiteral("Return pass on the tape, shot from the slot.")}},
        {"Net-front battle",
         "8",
         {QStringLiteral("Forward fights for position, defender boxes out."),
          QStringLiteral("Coach shoots from the point; play out the rebound.")}},
    };
    int variant = 0;
    for (const auto& drill : drills) {
        const QString name = QString::fromLatin1(drill.name);
        const int v = variant++;
        plan->paths.append(inst.addGraphicPractise(name, drill.text,
                                                   [v](TGraphicPractise& p) { drawDrill(p, v); }));
        plan->items.append(TPractisesData{{}, {}, {}, QString::fromLatin1(drill.time), name});
    }
    ASSERT_TRUE(plan->Save(plan->currentPath())) << plan->errorString().toStdString();

    const QString pdf = inst.path(QStringLiteral("sheet.pdf"));
    const ProcessRun print =
        cli({QStringLiteral("print"), planFile(QStringLiteral("Tuesday practice")), pdf,
             QStringLiteral("--advanced")});
    ASSERT_EQ(print.exitCode, 0) << print.err.toStdString();
    const QStringList pages = pdfPages(pdf);
    // The heading, notes and practises fill the first page; the plan summary closes the print.
    ASSERT_EQ(pages.size(), 2);
    for (const QString& text :
         {QStringLiteral("HC Lions U15"), QStringLiteral("Winter stadium, rink B"),
          QStringLiteral("Small-area game"), QStringLiteral("# 3 / 8' / Net-front battle"),
          QStringLiteral("Fast breakouts")})
        EXPECT_TRUE(pages[0].contains(text)) << text.toStdString();
    for (const QString& text : {inst.language().Text(QStringLiteral("SummaryTitle")),
                                QStringLiteral("Total: 30 min"), QStringLiteral("Give and go")})
        EXPECT_TRUE(pages[1].contains(text)) << text.toStdString();

    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        // Page 1 of the advanced and of the basic form, to be looked at.
        const QDir shots(qEnvironmentVariable("KORVEX_SCREENSHOT_DIR"));
        const QString basic = inst.path(QStringLiteral("basic.pdf"));
        EXPECT_EQ(
            cli({QStringLiteral("print"), planFile(QStringLiteral("Tuesday practice")), basic})
                .exitCode,
            0);
        for (const auto& [source, name] : {std::pair{pdf, QStringLiteral("plan-print")},
                                           std::pair{basic, QStringLiteral("plan-print-basic")}}) {
            const ProcessRun picture = run(
                QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                 QStringLiteral("1"), QStringLiteral("-singlefile"), source, shots.filePath(name)});
            EXPECT_EQ(picture.exitCode, 0) << picture.err.toStdString();
        }
        const ProcessRun summary =
            run(QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                 QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                 QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
                 shots.filePath(QStringLiteral("plan-print-summary"))});
        EXPECT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    }
}

} // namespace
