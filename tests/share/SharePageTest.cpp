// The shared page: one file that needs nothing else, escaped texts, the plan's content,
// the tactics player's data and the refusals.
#include "PrintInstallation.h"
#include "ShareSupport.h"

#include "core/SafeSave.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/share/ShareFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

const QString kHostile = QStringLiteral("<script>alert(\"x\")</script> & 'Co'");

// A plan with two drawn practises and a text practise with a picture, a heading, a text
// note and a description that tries to add markup.
std::unique_ptr<TTrainingPlan> threePractisePlan(PrintInstallation& inst) {
    auto plan = inst.newPlan(QStringLiteral("Tuesday"));
    plan->paths = {
        inst.addGraphicPractise(QStringLiteral("Breakout"), {QStringLiteral("Pass and go.")},
                                [](TGraphicPractise& p) { drawDrill(p, 0); }),
        inst.addGraphicPractise(QStringLiteral("Cycle"), {kHostile},
                                [](TGraphicPractise& p) { drawDrill(p, 1); }),
        inst.addTextPractise(QStringLiteral("Warm-up"), {QStringLiteral("Easy skating.")},
                             {QImage(320, 200, QImage::Format_RGB32)}),
    };
    for (const QString& path : plan->paths)
        EXPECT_FALSE(path.isEmpty());
    plan->date = QStringLiteral("2026-12-08");
    plan->heading.place = kHostile;
    plan->heading.aim = {QStringLiteral("Quick passes"), QStringLiteral("Support")};
    TTextData note;
    note.number = QStringLiteral("1");
    note.contains = {QStringLiteral("Talk about the breakout")};
    plan->textBlocks.append(note);
    EXPECT_TRUE(plan->Save(plan->currentPath())) << plan->errorString().toStdString();
    EXPECT_TRUE(plan->Load(plan->currentPath()));
    plan->items[0].time = QStringLiteral("15");
    plan->items[1].time = QStringLiteral("20");
    plan->items[2].time = QStringLiteral("10");
    EXPECT_TRUE(plan->Save(plan->currentPath())) << plan->errorString().toStdString();
    return plan;
}

TEST(SharePage, PlanPageHoldsEverythingAndRefersToNothingOutside) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const auto plan = threePractisePlan(inst);
    const QString target = inst.path(QStringLiteral("out/Tuesday.html"));
    QDir().mkpath(inst.path(QStringLiteral("out")));
    QString error;
    ASSERT_TRUE(
        writeSharePage(plan->currentFile(), inst.settings(), inst.language(), target, &error))
        << error.toStdString();
    // Only the page was written: no picture folder beside it.
    EXPECT_EQ(
        QDir(inst.path(QStringLiteral("out"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{QStringLiteral("Tuesday.html")});

    const QString html = readPage(target);
    const QStringList addresses = referencedAddresses(html);
    ASSERT_FALSE(addresses.isEmpty());
    QStringList anchors;
    for (const QString& address : addresses) {
        EXPECT_TRUE(address.startsWith(QLatin1String("data:image/")) ||
                    address.startsWith(QLatin1Char('#')))
            << address.left(80).toStdString();
        if (address.startsWith(QLatin1Char('#')))
            anchors.append(address.mid(1));
    }
    // Every in-page link lands on a practise of the page.
    EXPECT_EQ(anchors.size(), 3);
    for (const QString& anchor : anchors)
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(anchor))) << anchor.toStdString();
    // Two drawings and the text practise's picture.
    EXPECT_EQ(html.count(QStringLiteral("data:image/jpeg;base64,")), 3);

    // The hostile texts show as written and add no markup.
    EXPECT_FALSE(html.contains(QStringLiteral("<script>alert")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;Co&#39;")));
    EXPECT_EQ(html.count(QStringLiteral("&lt;script&gt;alert")), 2); // place and description

    for (const char* text : {"Breakout", "Cycle", "Warm-up", "Pass and go.", "Easy skating.",
                             "Quick passes", "Talk about the breakout", "2026-12-08",
                             "Total time: 45 min", "15 min", "20 min", "10 min"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("@media print")));
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"viewport\"")));
}

TEST(SharePage, ArchivedPlanShowsItsKeptPicturesAndEvaluation) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const auto plan = threePractisePlan(inst);
    ASSERT_TRUE(plan->SaveArchiveCopy(inst.path(QStringLiteral("TrainingPlans/Archive/Team/7"))))
        << plan->errorString().toStdString();
    const auto archived = inst.newPlan(QStringLiteral("7"), true);
    ASSERT_TRUE(archived->Load(archived->currentPath()));
    archived->evaluation = {QStringLiteral("Good tempo <b>"), QStringLiteral("Passes too slow")};
    ASSERT_TRUE(archived->Save(archived->currentPath()));
    // The practises themselves are gone: the archive keeps what it needs.
    QDir(inst.path(QStringLiteral("GraphicPractises"))).removeRecursively();

    const QString target = inst.path(QStringLiteral("seven.html"));
    QString error;
    ASSERT_TRUE(
        writeSharePage(archived->currentFile(), inst.settings(), inst.language(), target, &error))
        << error.toStdString();
    const QString html = readPage(target);
    EXPECT_TRUE(html.contains(QStringLiteral("Good tempo &lt;b&gt;<br>\nPasses too slow")));
    EXPECT_EQ(html.count(QStringLiteral("data:image/jpeg;base64,")), 3);
    EXPECT_TRUE(html.contains(QStringLiteral("Evaluation")));
}

TEST(SharePage, TacticsPageCarriesEveryFramesPositionsForThePlayer) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const QString file = addTacticsPractise(inst, 3);
    ASSERT_FALSE(file.isEmpty());
    const QString target = inst.path(QStringLiteral("breakout.html"));
    QString error;
    ASSERT_TRUE(writeSharePage(file, inst.settings(), inst.language(), target, &error))
        << error.toStdString();
    const QString html = readPage(target);

    static const QRegularExpression block(
        QStringLiteral(R"re(<script type="application/json" id="tp-data">(.*?)</script>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = block.match(html);
    ASSERT_TRUE(match.hasMatch());
    const QJsonObject data = QJsonDocument::fromJson(match.captured(1).toUtf8()).object();
    const QJsonArray frames = data.value(QStringLiteral("frames")).toArray();
    ASSERT_EQ(frames.size(), 3);
    // Three looks (the numbered forward, the numbered defender, the puck), shared by frames.
    EXPECT_EQ(data.value(QStringLiteral("sprites")).toArray().size(), 3);
    for (int f = 0; f < 3; ++f) {
        const QJsonArray figures = frames.at(f).toArray();
        ASSERT_EQ(figures.size(), 3);
        const QJsonArray forward = figures.at(0).toArray();
        EXPECT_EQ(forward.at(1).toInt(), 100 + 60 * f);
        EXPECT_EQ(forward.at(2).toInt(), 200);
        EXPECT_EQ(figures.at(1).toArray().at(1).toInt(), 400);
        EXPECT_EQ(forward.at(0).toInt(), frames.at(0).toArray().at(0).toArray().at(0).toInt());
    }
    EXPECT_EQ(data.value(QStringLiteral("w")).toInt(), 675);
    EXPECT_TRUE(data.value(QStringLiteral("ground"))
                    .toString()
                    .startsWith(QLatin1String("data:image/jpeg;base64,")));
    // The frames for paper, the controls and the legend of the figures of all frames.
    EXPECT_EQ(html.count(QStringLiteral("<figure>")), 3);
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"tp-play\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("Frame 1 of 3")));
    for (const char* meaning :
         {"<span>Forward</span>", "<span>Defender</span>", "<span>Puck</span>"})
        EXPECT_TRUE(html.contains(QString::fromLatin1(meaning))) << meaning;
    for (const QString& address : referencedAddresses(html))
        EXPECT_TRUE(address.startsWith(QLatin1String("data:image/")))
            << address.left(60).toStdString();
}

TEST(SharePage, RefusesWhatItCannotShareAndKeepsTheOldPage) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const QString target = inst.path(QStringLiteral("page.html"));
    ASSERT_TRUE(saveBytes(target, "old page"));
    QString error;

    // A damaged practise names its file; the earlier page stays as it was.
    const QString broken = inst.path(QStringLiteral("GraphicPractises/Drills/Team/Broken.gmp"));
    ASSERT_TRUE(saveBytes(broken, QByteArray("\x8d\x00\x00\x00\x05\x00", 6)));
    EXPECT_FALSE(writeSharePage(broken, inst.settings(), inst.language(), target, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Broken.gmp"))) << error.toStdString();

    // A version this program does not read is not shown as an empty practise.
    const QString future = inst.path(QStringLiteral("TextPractises/Drills/Team/Future.tmp"));
    ASSERT_TRUE(saveBytes(future, QByteArray("\xf4\x01\x00\x00", 4)));
    error.clear();
    EXPECT_FALSE(writeSharePage(future, inst.settings(), inst.language(), target, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("500"))) << error.toStdString();

    // Not an item, and the item itself as the target.
    EXPECT_FALSE(writeSharePage(target, inst.settings(), inst.language(),
                                inst.path(QStringLiteral("x.html")), &error));
    const QString drill = inst.path(inst.addGraphicPractise(QStringLiteral("Drill"), {})
                                        .replace(QLatin1Char('\\'), QLatin1Char('/')));
    EXPECT_FALSE(writeSharePage(drill, inst.settings(), inst.language(), drill, &error));
    EXPECT_TRUE(QFileInfo(drill).size() > 0);

    EXPECT_EQ(readPage(target), QStringLiteral("old page"));
}

} // namespace
} // namespace korvex::test
