// File > Share as one page from the main window: the plan's unsaved edits go into the page,
// a cancelled file dialog writes nothing, and a page that cannot be written is said.
#include "TrainingPlanSupport.h"

#include "storage/TTextPractise.h"
#include "ui/text/TfrmTextMode.h"

#include <QFile>
#include <QFileInfo>

namespace korvex::test {
namespace {

using ShareCommand = TrainingPlanViewTest;

QString pageText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(ShareCommand, PlanIsSavedThenSharedAsOneFile) {
    const QString drill = makePractise(QStringLiteral("Week"), QStringLiteral("Breakout"), 0,
                                       {QStringLiteral("Pass & go")});
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {drill});
    ASSERT_NE(open(), nullptr);
    window->SetEditMode(true);
    type("edtTPTime1", QStringLiteral("25"));
    type("edtTPDate", QStringLiteral("14.1."));

    QTemporaryDir out;
    const QString page = out.filePath(QStringLiteral("Monday.html"));
    dialogs.answerSaveFile(page);
    item("mmTPShare")->trigger();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs[0].fileName, QStringLiteral("Monday.html"));
    EXPECT_EQ(dialogs.fileDialogs[0].defaultSuffix, QStringLiteral("html"));
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(QDir::toNativeSeparators(page)));
    EXPECT_FALSE(window->currentView()->isModified());

    const QString html = pageText(page);
    for (const char* text : {"<h1>Monday</h1>", "14.1.", "25 min", "Breakout", "Pass &amp; go",
                             "data:image/jpeg;base64,"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(),
              1);

    // Cancelled: nothing more is written or said.
    dialogs.informations.clear();
    item("mmTPShare")->trigger();
    EXPECT_TRUE(dialogs.informations.isEmpty());

    // A folder that does not exist: the failure is said, with the reason.
    dialogs.answerSaveFile(out.filePath(QStringLiteral("missing/Monday.html")));
    item("mmTPShare")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].startsWith(text("shareFailed")));
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("missing/Monday.html"))));
}

TEST_F(ShareCommand, ArchivedPlanIsSharedFromTheArchive) {
    const QString drill = makePractise(QStringLiteral("Week"), QStringLiteral("Breakout"));
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {drill});
    TfrmTrainingPlanMode* plans = open();
    ASSERT_NE(plans, nullptr);
    QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12")));
    ASSERT_TRUE(
        plans->plan().SaveArchiveCopy(app.file(QStringLiteral("TrainingPlans/Archive/U12/7"))));
    ASSERT_NE(open(6), nullptr);
    ASSERT_EQ(window->currentView()->itemName(), QStringLiteral("7"));

    QTemporaryDir out;
    const QString page = out.filePath(QStringLiteral("unit.html"));
    dialogs.answerSaveFile(page);
    item("mmTPShare")->trigger();
    const QString html = pageText(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>7</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("U12")));
    EXPECT_TRUE(html.contains(QStringLiteral("Breakout")));
}

TEST_F(ShareCommand, GraphicPractiseIsSharedWithItsLegend) {
    makePractise(QStringLiteral("Week"), QStringLiteral("Breakout"));
    window->SwitchMode(1);
    QTemporaryDir out;
    const QString page = out.filePath(QStringLiteral("drill.html"));
    dialogs.answerSaveFile(page);
    item("mmGMShare")->trigger();
    const QString html = pageText(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Breakout</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("class=\"legend\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("<span>Goalie</span>")));
    EXPECT_EQ(item("mmGMShare")->text(), text("mmShare"));
}

TEST_F(ShareCommand, TextPractiseIsSavedThenShared) {
    window->SwitchMode(2);
    auto* view = qobject_cast<TfrmTextMode*>(window->currentView());
    ASSERT_NE(view, nullptr);
    TTextPractise& practise = view->practise();
    ASSERT_TRUE(practise.CreateCategory(QStringLiteral("Drills")));
    practise.setCategory(QStringLiteral("Drills"));
    ASSERT_TRUE(practise.CreateSubcategory(QStringLiteral("Skating")));
    practise.setSubcategory(QStringLiteral("Skating"));
    ASSERT_TRUE(practise.CreateItem(QStringLiteral("Stops"), settings().Version()));
    view->reloadSelection();
    window->SetEditMode(true);
    QTest::keyClicks(view->findChild<QPlainTextEdit*>(QStringLiteral("memTXText")),
                     QStringLiteral("Inside <edges>"));

    QTemporaryDir out;
    const QString page = out.filePath(QStringLiteral("stops.html"));
    dialogs.answerSaveFile(page);
    item("mmTXShare")->trigger();
    const QString html = pageText(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Stops</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("Inside &lt;edges&gt;")));
    EXPECT_FALSE(view->isModified());
}

} // namespace
} // namespace korvex::test
