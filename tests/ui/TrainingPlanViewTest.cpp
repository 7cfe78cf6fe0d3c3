// The training plan view driven through its widgets: placing practises, the rows and their
// scrollers, removing and reordering, the typing rules of plans and archive, the total time.
#include "TrainingPlanSupport.h"

#include "ui/plans/PlanTotalTime.h"

#include <QFile>
#include <QTemporaryDir>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

class TrainingPlanView : public TrainingPlanViewTest {
protected:
    QStringList practises(int count) const {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths.append(
                makePractise(QStringLiteral("Skating"), QStringLiteral("Drill %1").arg(i + 1), i));
        return paths;
    }
    QString planFile(const QString& name) const {
        return app.file(QStringLiteral("TrainingPlans/TrainingPlanCategory/Week/") + name +
                        QStringLiteral(".pmp"));
    }
    QStringList storedPaths(const QString& name) const {
        TTrainingPlan plan(app.path(), settings().TPSaveDir(), false);
        plan.Load(pathWithoutExtension(planFile(name)));
        return plan.paths;
    }
    QStringList numbersShown() const {
        QStringList numbers;
        for (const char* row : {"1", "2", "3"}) {
            const QByteArray panel = QByteArray("pnlTP") + row;
            if (shown(panel.constData()))
                numbers.append(edit((QByteArray("edtTPNumber") + row).constData()));
        }
        return numbers;
    }
};

TEST_F(TrainingPlanView, PlacingAPractiseTwiceOrFromOutsideTheLibraryChangesNothing) {
    const QStringList paths = practises(2);
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {paths[0]});
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->plan().paths, QStringList{stored(paths[0])});

    view->PlacePractise(paths[0]);
    EXPECT_EQ(dialogs.informations.value(0), text("PracIsAdded"));
    EXPECT_TRUE(dialogs.confirmations.isEmpty());

    // A copy outside the installation, and one lying loose in the practise folder, would
    // be stored as paths that the next load drops: both are refused, saying where
    // practises live.
    QTemporaryDir outside;
    const QString loose = app.file(QStringLiteral("GraphicPractises/Loose.gmp"));
    ASSERT_TRUE(QFile::copy(paths[1], outside.path() + QStringLiteral("/Copy.gmp")));
    ASSERT_TRUE(QFile::copy(paths[1], loose));
    for (const QString& file : {outside.path() + QStringLiteral("/Copy.gmp"), loose,
                                app.file(QStringLiteral("GraphicPractises/Drills/../Drills/"
                                                        "Skating/Missing.gmp"))}) {
        dialogs.informations.clear();
        view->PlacePractise(file);
        ASSERT_EQ(dialogs.informations.size(), 1) << file.toStdString();
        EXPECT_TRUE(dialogs.informations[0].contains(
            QDir::toNativeSeparators(app.file(QStringLiteral("GraphicPractises")))));
    }
    EXPECT_TRUE(dialogs.confirmations.isEmpty());

    // No to the question places nothing; Yes places and saves at once.
    view->PlacePractise(paths[1]);
    EXPECT_EQ(dialogs.confirmations.value(0), text("shtPractise") + QStringLiteral(" Drill 2 ") +
                                                  text("IsAboutAdd") + QStringLiteral(" Monday. ") +
                                                  text("Continue") + QLatin1Char('?'));
    EXPECT_EQ(storedPaths(QStringLiteral("Monday")).size(), 1);
    // The plan menu's command asks for the file first.
    dialogs.answerConfirm(true);
    dialogs.answerOpenFile(paths[1]);
    item("mmTPPlace")->trigger();
    EXPECT_EQ(dialogs.fileDialogs.last().filter, QStringLiteral("*.gmp (*.gmp);;*.tmp (*.tmp)"));
    const QStringList expected{stored(paths[0]), stored(paths[1])};
    EXPECT_EQ(view->plan().paths, expected);
    EXPECT_EQ(storedPaths(QStringLiteral("Monday")), expected);
    EXPECT_EQ(view->plan().paths.last(),
              QStringLiteral("GraphicPractises\\Drills\\Skating\\Drill 2.gmp"));
    EXPECT_TRUE(settings().EditFlag());
    EXPECT_EQ(numbersShown(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(TrainingPlanView, RowsAndScrollersFollowTheCountOfPractisesAndNotes) {
    const QStringList paths = practises(4);
    makePlan(QStringLiteral("Week"), QStringLiteral("A three"), paths.mid(0, 3));
    makePlan(QStringLiteral("Week"), QStringLiteral("B four"), paths);
    makePlan(QStringLiteral("Week"), QStringLiteral("C three and a note"), paths.mid(0, 3), 1);
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);

    // Three practises fit: no scroller.
    EXPECT_EQ(numbersShown(),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_FALSE(shown("uadTPScroll"));
    EXPECT_FALSE(shown("pnlTPTX1"));

    // Four: the scroller shows and stops at the last full page.
    choose("cmbTPName", 1);
    EXPECT_TRUE(shown("uadTPScroll"));
    child<QScrollBar>("uadTPScroll")->setValue(5);
    EXPECT_EQ(view->top(), 1);
    EXPECT_EQ(numbersShown(),
              (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));

    // Three and a note: the note takes the first row, top is -1 and the first practise
    // shows in the second row; the practise scroller is needed again.
    choose("cmbTPName", 2);
    EXPECT_EQ(view->top(), -1);
    EXPECT_FALSE(shown("pnlTP1"));
    EXPECT_TRUE(shown("pnlTPTX1"));
    EXPECT_FALSE(shown("pnlTPTX2"));
    EXPECT_EQ(numbersShown(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(shown("uadTPScroll"));
    EXPECT_FALSE(shown("uadTPTXScroll"));

    // The first practise cannot move up; down swaps it with the second.
    const QStringList before = view->plan().paths;
    click("spbUp2");
    EXPECT_EQ(view->plan().paths, before);
    click("spbDown2");
    EXPECT_EQ(view->plan().paths, (QStringList{before[1], before[0], before[2]}));
    EXPECT_EQ(edit("edtTPName2"), QStringLiteral("Drill 2"));
}

TEST_F(TrainingPlanView, NotesAreAddedScrolledAndKeepWhatWasTypedIntoThem) {
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), practises(1));
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(child<QPushButton>("btnInsertTextNotes")->isEnabled()); // view state
    window->SetEditMode(true);
    for (const char* contents : {"Warm up", "Passing", "Shots"}) {
        click("btnInsertTextNotes");
        // The new note is shown as the last row and has the focus.
        const int row = view->plan().textBlocks.count() == 1 ? 1 : 2;
        const QByteArray memo = "memTPTXContains" + QByteArray::number(row);
        EXPECT_TRUE(child<QWidget>(memo.constData())->hasFocus());
        type(memo.constData(), QString::fromLatin1(contents));
    }
    EXPECT_TRUE(shown("uadTPTXScroll"));
    EXPECT_EQ(view->noteTop(), 1);
    // Scrolling back stores the rows into the notes they showed.
    child<QScrollBar>("uadTPTXScroll")->setValue(0);
    const TTextDataList& notes = view->plan().textBlocks;
    ASSERT_EQ(notes.count(), 3);
    EXPECT_EQ(notes.at(0).contains, QStringList{QStringLiteral("Warm up")});
    EXPECT_EQ(notes.at(1).contains, QStringList{QStringLiteral("Passing")});
    EXPECT_EQ(notes.at(2).contains, QStringList{QStringLiteral("Shots")});
    EXPECT_TRUE(view->plan().blockEdited(21));

    // Removing asks; without notes the first practise row comes back.
    for (int i = 0; i < 3; ++i) {
        dialogs.answerConfirm(true);
        click("btnTPTXRemove1");
    }
    EXPECT_EQ(dialogs.confirmations.value(0), text("DelText"));
    EXPECT_TRUE(view->plan().textBlocks.isEmpty());
    EXPECT_TRUE(shown("pnlTP1"));
    EXPECT_FALSE(shown("pnlTPTX1"));
    EXPECT_EQ(view->top(), 0);
}

TEST_F(TrainingPlanView, RemovingTheLastShownPractiseAsksAndLeavesTheScrollerAtTheTop) {
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), practises(5));
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(child<QPushButton>("btnTPRemove3")->isEnabled()); // view state
    window->SetEditMode(true);
    child<QScrollBar>("uadTPScroll")->setValue(2);
    ASSERT_EQ(edit("edtTPName3"), QStringLiteral("Drill 5"));

    click("btnTPRemove3"); // No
    EXPECT_EQ(dialogs.confirmations.value(0), text("DelPrac") + QStringLiteral(" Drill 5?"));
    EXPECT_EQ(view->plan().paths.size(), 5);
    dialogs.answerConfirm(true);
    click("btnTPRemove3");
    EXPECT_EQ(view->plan().paths.size(), 4);
    EXPECT_EQ(storedPaths(QStringLiteral("Monday")).size(), 4);
    EXPECT_EQ(child<QScrollBar>("uadTPScroll")->value(), 0);
    EXPECT_EQ(numbersShown(),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_TRUE(shown("uadTPScroll"));
}

TEST_F(TrainingPlanView, PlansTakeKeysInTheEditStateAndTheArchiveOnlyInItsEvaluation) {
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), practises(1));
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    type("memTPDescription", QStringLiteral("ignored"));
    type("edtTPTime1", QStringLiteral("9"));
    EXPECT_TRUE(child<QPlainTextEdit>("memTPDescription")->toPlainText().isEmpty());
    EXPECT_FALSE(view->plan().modified());
    window->SetEditMode(true);
    type("memTPDescription", QStringLiteral("Edges"));
    EXPECT_TRUE(view->plan().modified());
    EXPECT_TRUE(view->plan().blockEdited(3));
    ASSERT_TRUE(view->saveIfModified());
    ASSERT_TRUE(QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12"))));
    ASSERT_TRUE(
        view->plan().SaveArchiveCopy(app.file(QStringLiteral("TrainingPlans/Archive/U12/7"))));

    view = open(6);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->plan().name(), QStringLiteral("7"));
    window->SetEditMode(true);
    EXPECT_FALSE(shown("btnInsertTextNotes"));
    EXPECT_FALSE(shown("btnTPRemove1"));
    EXPECT_FALSE(shown("spbUp1"));
    type("memTPDescription", QStringLiteral("x"));
    type("edtTPTime1", QStringLiteral("5"));
    type("edtTPDate", QStringLiteral("1.1."));
    EXPECT_EQ(child<QPlainTextEdit>("memTPDescription")->toPlainText(), QStringLiteral("Edges"));
    EXPECT_FALSE(view->plan().modified());
    type("memTPEvaluate", QStringLiteral("Good tempo"));
    EXPECT_TRUE(view->plan().modified());
    EXPECT_TRUE(view->plan().blockEdited(4));
    EXPECT_TRUE(view->saveIfModified());
    EXPECT_EQ(view->plan().evaluation, QStringList{QStringLiteral("Good tempo")});
    EXPECT_EQ(view->plan().description, QStringList{QStringLiteral("Edges")});
}

TEST_F(TrainingPlanView, TotalTimeAddsTheWholeMinutesAndCountsTheRest) {
    EXPECT_EQ(durationMinutes(QStringLiteral(" 12 ")), 12);
    for (const char* notMinutes : {"", "-3", "1.5", "10 min", "ten"})
        EXPECT_EQ(durationMinutes(QString::fromLatin1(notMinutes)), -1) << notMinutes;

    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), practises(4));
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(child<QLabel>("lblTPTotalValue")->text(), QStringLiteral("0 min"));
    window->SetEditMode(true);
    type("edtTPTime1", QStringLiteral("10"));
    type("edtTPTime2", QStringLiteral("15"));
    type("edtTPTime3", QStringLiteral("a few"));
    EXPECT_EQ(child<QLabel>("lblTPTotalValue")->text(), QStringLiteral("25 min"));
    EXPECT_EQ(child<QLabel>("lblTPTotalNotSet")->text(), QStringLiteral("2 without a duration"));
    // The fourth practise, scrolled into view, counts as soon as its minutes are typed.
    child<QScrollBar>("uadTPScroll")->setValue(1);
    type("edtTPTime3", QStringLiteral("20"));
    EXPECT_EQ(child<QLabel>("lblTPTotalValue")->text(), QStringLiteral("45 min"));
    EXPECT_EQ(child<QLabel>("lblTPTotalNotSet")->text(), QStringLiteral("1 without a duration"));
    EXPECT_EQ(view->plan().items.at(2).time, QStringLiteral("a few"));
    EXPECT_EQ(view->plan().items.at(3).time, QStringLiteral("20"));
}

} // namespace
