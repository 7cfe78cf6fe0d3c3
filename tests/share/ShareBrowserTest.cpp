// The shared pages in a real browser (headless Chromium, through browser_check.sh): no
// console error, and the tactics player advances once its Play button is pressed. Skipped,
// with the script's message, where Chromium is absent and cannot be installed.
#include "PrintInstallation.h"
#include "ShareSupport.h"

#include "core/SafeSave.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/share/ShareFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

struct BrowserRun {
    int exitCode = -1;
    QString output;
};

BrowserRun browserCheck(const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"),
                  QStringList{QStringLiteral(KORVEX_SOURCE_DIR "/tests/share/browser_check.sh")} +
                      args);
    BrowserRun run;
    // Installing the browser on a fresh machine takes a few minutes.
    if (!process.waitForFinished(15 * 60 * 1000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

#define EXPECT_BROWSER_PASSES(args)                                                                \
    do {                                                                                           \
        const BrowserRun run = browserCheck(args);                                                 \
        if (run.exitCode == 77)                                                                    \
            GTEST_SKIP() << run.output.toStdString();                                              \
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();                                    \
    } while (false)

TEST(ShareBrowser, TacticsPlayerAdvancesAfterPlayWithoutConsoleErrors) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const QString file = addTacticsPractise(inst, 4);
    ASSERT_FALSE(file.isEmpty());
    const QString page = inst.path(QStringLiteral("tactics.html"));
    QString error;
    ASSERT_TRUE(writeSharePage(file, inst.settings(), inst.language(), page, &error))
        << error.toStdString();
    EXPECT_BROWSER_PASSES((QStringList{page, QStringLiteral("--player")}));
}

TEST(ShareBrowser, PlanPageOpensCleanlyOnAPhoneSizedWindow) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    auto plan = inst.newPlan(QStringLiteral("Tuesday practice"));
    plan->paths = {
        inst.addGraphicPractise(QStringLiteral("Breakout 2-1"),
                                {QStringLiteral("D1 passes to F1, who carries the puck up the "
                                                "boards; F2 supports in the middle lane.")},
                                [](TGraphicPractise& p) { drawDrill(p, 0); }),
        inst.addGraphicPractise(QStringLiteral("Cycle low"),
                                {QStringLiteral("Work the puck low, then shoot from the slot.")},
                                [](TGraphicPractise& p) { drawDrill(p, 2); }),
    };
    plan->date = QStringLiteral("8. 12. 2026");
    plan->time = QStringLiteral("17:30");
    plan->heading.place = QStringLiteral("Home rink, sheet B");
    plan->heading.coaches = QStringLiteral("J. Novak, P. Weber");
    plan->heading.aim = {QStringLiteral("Quick breakouts under pressure")};
    ASSERT_TRUE(plan->Save(plan->currentPath()));
    ASSERT_TRUE(plan->Load(plan->currentPath()));
    plan->items[0].time = QStringLiteral("15");
    plan->items[1].time = QStringLiteral("20");
    ASSERT_TRUE(plan->Save(plan->currentPath()));
    const QString page = inst.path(QStringLiteral("plan.html"));
    QString error;
    ASSERT_TRUE(writeSharePage(plan->currentFile(), inst.settings(), inst.language(), page, &error))
        << error.toStdString();

    QStringList args{page};
    // KORVEX_SCREENSHOT_DIR=docs/screenshots gives share-phone.png of this page.
    const QString shots = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        args << QStringLiteral("--screenshot")
             << QDir(shots).filePath(QStringLiteral("share-phone.png"));
    EXPECT_BROWSER_PASSES(args);
}

TEST(ShareBrowser, CheckCatchesAFailingScript) {
    // The check itself must see a script error, or its silence above would prove nothing.
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("broken.html"));
    ASSERT_TRUE(saveBytes(page, "<!DOCTYPE html><html><body><script>notAFunction();</script>"
                                "</body></html>"));
    const BrowserRun run = browserCheck({page});
    if (run.exitCode == 77)
        GTEST_SKIP() << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QStringLiteral("notAFunction"))) << run.output.toStdString();
}

} // namespace
} // namespace korvex::test
