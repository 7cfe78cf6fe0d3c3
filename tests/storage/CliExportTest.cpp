// korvex-cli html and zip against an installation of the test's own.
#include "CliRunner.h"
#include "PractiseFixture.h"

#include "storage/TTrainingPlan.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray practise141(const char* description) {
    return le32(141) + streamStrings({description}) + streamStrings({}) + le32(1) +
           figureRecord(0, 150, 210, 0, "7") + le32(0) + bytes({0}) + streamString("Rink") +
           numberSet({7}) + numberSet({});
}

} // namespace

TEST(CliExport, HtmlAndZipOfPractisesAndPlansResolveAgainstTheFilesInstallation) {
    Installation inst;
    const QString gmp = inst.graphicStem("Drill") + QStringLiteral(".gmp");
    writeAll(gmp, practise141("Fast & <hard>"));
    // The practise's picture, as a save writes it, is what the plan page copies.
    writeAll(inst.graphicStem("Drill") + QStringLiteral(".jpg"),
             encodeJpeg(QImage(60, 40, QImage::Format_RGB32)));
    QDir().mkpath(inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/Team")));
    TTrainingPlan plan(inst.dir.path(), QStringLiteral("TrainingPlans"), false);
    plan.setFormatVersion(141);
    plan.paths = {QStringLiteral("GraphicPractises\\Cat\\Sub\\Drill.gmp")};
    plan.items = {TPractisesData{{}, {}, {}, QStringLiteral("12"), QStringLiteral("Drill")}};
    plan.heading.place = QStringLiteral("North hall");
    const QString pmp =
        inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/Team/Tuesday"));
    ASSERT_TRUE(plan.Save(pmp)) << plan.errorString().toStdString();

    const QString out = inst.path(QStringLiteral("out"));
    QDir().mkpath(out);
    CliRun run = cli({QStringLiteral("html"), gmp, out + QStringLiteral("/drill.html")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString page = QString::fromUtf8(readAll(out + QStringLiteral("/drill.html")));
    EXPECT_TRUE(page.contains(QStringLiteral("Fast &amp; &lt;hard&gt;<br>")));
    EXPECT_TRUE(page.contains(QStringLiteral(">Drill</font>")));
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/drill/Picture.jpg")));

    run = cli({QStringLiteral("html"), pmp + QStringLiteral(".pmp"),
               out + QStringLiteral("/plan.html"), QStringLiteral("--full")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString planPage = QString::fromUtf8(readAll(out + QStringLiteral("/plan.html")));
    EXPECT_TRUE(planPage.contains(QStringLiteral("North hall")));
    EXPECT_TRUE(planPage.contains(QStringLiteral("src=\"plan/0.jpg\"")));
    EXPECT_EQ(readAll(out + QStringLiteral("/plan/0.jpg")),
              readAll(inst.graphicStem("Drill") + QStringLiteral(".jpg")));

    run = cli({QStringLiteral("zip"), gmp, out + QStringLiteral("/pack.zip")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/pack.zip")));
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/pack.html")));

    // Refusals: a flag that belongs to plans, a kind without a page, a damaged file.
    EXPECT_EQ(cli({QStringLiteral("html"), gmp, out + QStringLiteral("/x.html"),
                   QStringLiteral("--full")})
                  .exitCode,
              1);
    EXPECT_EQ(
        cli({QStringLiteral("zip"), pmp + QStringLiteral(".pmp"), out + QStringLiteral("/x.zip")})
            .exitCode,
        1);
    writeAll(gmp, le32(141) + QByteArray("\x05\x00", 2));
    run = cli({QStringLiteral("html"), gmp, out + QStringLiteral("/x.html")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Drill.gmp")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/x.html")));
}
