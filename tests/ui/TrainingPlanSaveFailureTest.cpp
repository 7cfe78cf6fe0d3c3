// A plan that cannot be saved (here: its file was replaced by a folder, which stops the
// save even for the superuser) keeps its edits when the coach picks another plan or another
// mode, and the coach is told why.
#include "TrainingPlanSupport.h"

#include <QComboBox>
#include <QFile>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

TEST_F(TrainingPlanViewTest, AFailedSaveWhileSwitchingKeepsTheEditsAndStays) {
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {});
    makePlan(QStringLiteral("Week"), QStringLiteral("Tuesday"), {});
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->plan().name(), QStringLiteral("Monday"));
    window->SetEditMode(true);
    type("memTPDescription", QStringLiteral("Keep me"));

    const QString file =
        app.file(QStringLiteral("TrainingPlans/TrainingPlanCategory/Week/Monday.pmp"));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));

    choose("cmbTPName", 1);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].startsWith(text("SaveFailedItemKept")));
    EXPECT_TRUE(dialogs.informations[0].contains(QStringLiteral("Monday")));
    EXPECT_EQ(view->plan().name(), QStringLiteral("Monday"));
    EXPECT_EQ(child<QComboBox>("cmbTPName")->currentText(), QStringLiteral("Monday"));
    EXPECT_EQ(view->plan().description, QStringList{QStringLiteral("Keep me")});
    EXPECT_EQ(child<QPlainTextEdit>("memTPDescription")->toPlainText(), QStringLiteral("Keep me"));
    EXPECT_TRUE(view->plan().modified());

    // Leaving the mode is refused the same way.
    window->SwitchMode(1);
    EXPECT_EQ(window->currentMode(), 3);
    EXPECT_EQ(window->currentView(), view);
    EXPECT_EQ(dialogs.informations.size(), 2);

    // Once the file can be written again, the next choice saves the edits and moves on.
    ASSERT_TRUE(QDir().rmdir(file));
    choose("cmbTPName", 1);
    EXPECT_EQ(view->plan().name(), QStringLiteral("Tuesday"));
    TTrainingPlan saved(app.path(), settings().TPSaveDir(), false);
    ASSERT_TRUE(saved.Load(pathWithoutExtension(file)));
    EXPECT_EQ(saved.description, QStringList{QStringLiteral("Keep me")});
}

} // namespace
