// A coach's week through the real widgets: draw two practises, place them into a new plan,
// fill it in, archive it, evaluate the archived unit, quit, start again and find it all.
#include "TrainingPlanSupport.h"

#include "ui/dialogs/TFormEditPractises.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/TfrmGraphicMode.h"

#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

class CoachRoad : public TrainingPlanViewTest {
protected:
    // Creates Drills / Skating / `name` in the graphic view, draws on it with the mouse and
    // places it into the training plan with the menu command.
    void drawAndPlace(const QString& name, int shift) {
        window->SwitchMode(1);
        auto* graphic = qobject_cast<TfrmGraphicMode*>(window->currentView());
        ASSERT_NE(graphic, nullptr);
        TGraphicPractise& p = graphic->practise();
        p.CreateCategory(QStringLiteral("Drills"));
        p.setCategory(QStringLiteral("Drills"));
        p.CreateSubcategory(QStringLiteral("Skating"));
        p.setSubcategory(QStringLiteral("Skating"));
        p.Clear();
        p.setGroundName(QStringLiteral("Rink"));
        ASSERT_TRUE(p.CreateItem(name, settings().Version()));
        graphic->reloadSelection();
        window->SetEditMode(true);
        GraphicEditor* canvas = graphic->canvas();
        auto tool = [graphic](const char* button) {
            QTest::mouseClick(graphic->findChild<QToolButton*>(QString::fromLatin1(button)),
                              Qt::LeftButton);
        };
        tool("spbFigureForward");
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150 + shift, 200));
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(150 + shift, 200));
        tool("spbLineSolid");
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(160 + shift, 210));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(400, 120 + shift));
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(400, 121 + shift));
        ASSERT_EQ(p.figures().count(), 1);
        ASSERT_EQ(p.lines().count(), 1);
        dialogs.answerConfirm(true); // "... will be added to the plan ... Continue?"
        item("mmGMPlaceToTP")->trigger();
        ASSERT_EQ(window->currentMode(), 3);
    }
    QString shownText(const char* name) const { return child<QLabel>(name)->text(); }
};

TEST_F(CoachRoad, FromDrawingToAnEvaluatedArchivedPlanAndBackAfterARestart) {
    // No plan exists yet: placing the first practise opens the category editor, where the
    // coach makes the plan.
    dialogs.answerForm([this](QDialog* form) {
        auto* editor = qobject_cast<TFormEditPractises*>(form);
        ASSERT_NE(editor, nullptr);
        // The plans' own folder is chosen and left out of sight; it cannot be renamed or
        // deleted from here (that would hide every plan).
        EXPECT_TRUE(form->findChild<QListWidget*>(QStringLiteral("lbxCategoryList"))->isHidden());
        EXPECT_FALSE(
            form->findChild<QPushButton*>(QStringLiteral("btnCategoryRename"))->isEnabled());
        editor->deleteLevel(TreeLevel::Category);
        EXPECT_TRUE(QFileInfo::exists(app.file(QStringLiteral("TrainingPlans/Archive"))));
        EXPECT_TRUE(
            QFileInfo::exists(app.file(QStringLiteral("TrainingPlans/TrainingPlanCategory"))));
        form->findChild<QLineEdit*>(QStringLiteral("edtNewSubCategory"))
            ->setText(QStringLiteral("Week 2"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnSubCategoryNew")),
                          Qt::LeftButton);
        form->findChild<QLineEdit*>(QStringLiteral("edtNewPractise"))
            ->setText(QStringLiteral("Monday"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnPractiseNew")),
                          Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnEPDone")),
                          Qt::LeftButton);
    });
    drawAndPlace(QStringLiteral("Loop"), 0);
    auto* view = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->plan().subcategory(), QStringLiteral("Week 2"));
    EXPECT_EQ(view->plan().name(), QStringLiteral("Monday"));
    drawAndPlace(QStringLiteral("Cone drill"), 60);
    view = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->plan().paths.size(), 2);
    EXPECT_TRUE(settings().EditFlag());
    EXPECT_FALSE(child<QLabel>("imgGround2")->pixmap().isNull());

    // Durations, date, description and a note.
    type("edtTPTime1", QStringLiteral("10"));
    type("edtTPTime2", QStringLiteral("15"));
    type("edtTPDate", QStringLiteral("14.1."));
    type("memTPDescription", QStringLiteral("Edges and first pass"));
    click("btnInsertTextNotes");
    type("memTPTXContains1", QStringLiteral("Warm-up games"));
    EXPECT_EQ(shownText("lblTPTotalValue"), QStringLiteral("25 min"));

    // The heading.
    dialogs.answerForm([](QDialog* form) {
        form->findChild<QLineEdit*>(QStringLiteral("edtHPlace"))
            ->setText(QStringLiteral("Main rink"));
        form->findChild<QLineEdit*>(QStringLiteral("edtHCoaches"))
            ->setText(QStringLiteral("Novak"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHSave")),
                          Qt::LeftButton);
    });
    click("btnOpenHeading");

    // The archive copy, under a new team and number; the window then shows it.
    dialogs.answerForm([this](QDialog* form) {
        dialogs.answerText(QStringLiteral("U12"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHNewTeam")),
                          Qt::LeftButton);
        dialogs.answerText(QStringLiteral("1"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHNewNumber")),
                          Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHSave")),
                          Qt::LeftButton);
    });
    item("mmTPCreateArchive")->trigger();
    ASSERT_EQ(window->currentMode(), 6);
    EXPECT_EQ(child<QComboBox>("cmbTPSubCategory")->currentText(), QStringLiteral("U12"));
    EXPECT_EQ(child<QComboBox>("cmbTPName")->currentText(), QStringLiteral("1"));
    type("memTPEvaluate", QStringLiteral("Good pace, passes too slow"));
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();

    // Quit and start again.
    window->close();
    window.reset();
    window = test::startWindow(app);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->currentMode(), 1);

    view = open(3);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->plan().name(), QStringLiteral("Monday"));
    ASSERT_EQ(view->plan().paths.size(), 2);
    EXPECT_EQ(view->plan().paths[1],
              QStringLiteral("GraphicPractises\\Drills\\Skating\\Cone drill.gmp"));
    // The note takes the first row: the practises show in rows 2 and 3.
    EXPECT_EQ(edit("edtTPName2"), QStringLiteral("Loop"));
    EXPECT_EQ(edit("edtTPTime2"), QStringLiteral("10"));
    EXPECT_EQ(edit("edtTPTime3"), QStringLiteral("15"));
    EXPECT_FALSE(child<QLabel>("imgGround3")->pixmap().isNull());
    EXPECT_EQ(edit("edtTPDate"), QStringLiteral("14.1."));
    EXPECT_EQ(child<QPlainTextEdit>("memTPDescription")->toPlainText(),
              QStringLiteral("Edges and first pass"));
    EXPECT_EQ(child<QPlainTextEdit>("memTPTXContains1")->toPlainText(),
              QStringLiteral("Warm-up games"));
    EXPECT_EQ(view->plan().heading.place, QStringLiteral("Main rink"));
    EXPECT_EQ(view->plan().heading.coaches, QStringLiteral("Novak"));
    EXPECT_EQ(shownText("lblTPTotalValue"), QStringLiteral("25 min"));
    EXPECT_TRUE(shownText("lblTPTotalNotSet").isEmpty());

    view = open(6);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->plan().subcategory(), QStringLiteral("U12"));
    EXPECT_EQ(view->plan().name(), QStringLiteral("1"));
    EXPECT_EQ(child<QPlainTextEdit>("memTPEvaluate")->toPlainText(),
              QStringLiteral("Good pace, passes too slow"));
    EXPECT_EQ(view->plan().heading.place, QStringLiteral("Main rink"));
    EXPECT_EQ(edit("edtTPName3"), QStringLiteral("Cone drill"));
    EXPECT_FALSE(child<QLabel>("imgGround3")->pixmap().isNull());
    EXPECT_EQ(shownText("lblTPTotalValue"), QStringLiteral("25 min"));
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

} // namespace
