// korvex-cli share: the page from a script, and the usage and failure it reports.
#include "CliRunner.h"
#include "PrintInstallation.h"
#include "ShareSupport.h"

#include "storage/TGraphicPractise.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

TEST(ShareCli, WritesThePageOfAPractiseAndReportsFailures) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const QString stored = inst.addGraphicPractise(QStringLiteral("Drill"), {QStringLiteral("Go")},
                                                   [](TGraphicPractise& p) { drawDrill(p, 0); });
    const QString file = inst.path(QString(stored).replace(QLatin1Char('\\'), QLatin1Char('/')));
    const QString page = inst.path(QStringLiteral("drill.html"));

    const CliRun run = cli({QStringLiteral("share"), file, page});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString html = readPage(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Drill</h1>")));
    // The installation's language labels the legend; the drawing is in the large size.
    EXPECT_TRUE(html.contains(QStringLiteral("<span>Skating with puck</span>")));
    EXPECT_TRUE(html.contains(QStringLiteral("width=\"675\" height=\"420\"")));

    EXPECT_EQ(cli({QStringLiteral("share"), file}).exitCode, 2);
    const CliRun missing =
        cli({QStringLiteral("share"), inst.path(QStringLiteral("Nothing.pmp")), page});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Nothing.pmp")) << missing.err.toStdString();
}

} // namespace
} // namespace korvex::test
