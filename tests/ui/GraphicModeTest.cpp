// The graphic editor driven by mouse events on its canvas, as a coach would use it.
#include "GraphicEditorSupport.h"

#include "core/SafeSave.h"
#include "drawing/TFigure.h"
#include "drawing/TFigures.h"
#include "drawing/TLine.h"
#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QUndoStack>

using namespace korvex;
using korvex::test::GraphicEditorTest;

namespace {

constexpr quint8 kForward = 0;
constexpr quint8 kStartForward = 13;

} // namespace

TEST_F(GraphicEditorTest, LineToolRightClickFinishesOrDropsTheLineAndReturnsToSelecting) {
    // A single point is no line: it is dropped.
    pick("spbLineSolid");
    click(QPoint(100, 100));
    EXPECT_TRUE(view->lineInProgress());
    click(QPoint(140, 100), Qt::RightButton);
    EXPECT_FALSE(view->lineInProgress());
    EXPECT_EQ(practise().lines().count(), 0);
    EXPECT_TRUE(view->isSelectState());
    EXPECT_TRUE(tool("spbArrowArrow")->isChecked());

    // Three points make a curved line unless "straight" is checked.
    drawLine("spbLineSolid", {QPoint(100, 100), QPoint(200, 150), QPoint(300, 100)});
    ASSERT_EQ(practise().lines().count(), 1);
    EXPECT_EQ(practise().lines().at(0)->controlPointCount(), 3);
    EXPECT_TRUE(practise().lines().at(0)->isCurved());
    view->findChild<QCheckBox*>(QStringLiteral("chbGMLineType"))->setChecked(true);
    drawLine("spbLineTwiddle", {QPoint(100, 300), QPoint(200, 350), QPoint(300, 300)});
    ASSERT_EQ(practise().lines().count(), 2);
    EXPECT_FALSE(practise().lines().at(1)->isCurved());
    EXPECT_EQ(practise().lines().at(1)->setting().lineKind, 3);
}

TEST_F(GraphicEditorTest, CurveButtonAndStraightBoxAreOneSwitch) {
    auto* box = view->findChild<QCheckBox*>(QStringLiteral("chbGMLineType"));
    QToolButton* curve = tool("spbLineCurve");
    ASSERT_NE(curve, nullptr);
    EXPECT_TRUE(curve->isEnabled());
    EXPECT_TRUE(curve->isChecked());
    EXPECT_FALSE(curve->toolTip().isEmpty());
    curve->click();
    EXPECT_TRUE(box->isChecked());
    drawLine("spbLineSolid", {QPoint(100, 300), QPoint(200, 350), QPoint(300, 300)});
    ASSERT_EQ(practise().lines().count(), 1);
    EXPECT_FALSE(practise().lines().at(0)->isCurved());
    box->click();
    EXPECT_TRUE(curve->isChecked());
    window->SetEditMode(false);
    EXPECT_FALSE(curve->isEnabled());
}

TEST_F(GraphicEditorTest, WebAddressLabelOpensTheHomePage) {
    auto* www = view->findChild<QLabel*>(QStringLiteral("lblGMwww"));
    ASSERT_NE(www, nullptr);
    EXPECT_FALSE(view->findChild<QLabel*>(QStringLiteral("lblGMDevel"))->text().isEmpty());
    const QString address = window->language().Text(QStringLiteral("lblGMwww"));
    Q_EMIT www->linkActivated(address);
    ASSERT_EQ(dialogs.openedUrls.size(), 1);
    EXPECT_EQ(dialogs.openedUrls.at(0), QUrl(address));
}

TEST_F(GraphicEditorTest, DashAndDoubleSolidForceTheArrowEnd) {
    pick("spbLineSolid");
    pick("spbArrowCross");
    EXPECT_EQ(view->endKind(), 1);
    pick("spbLineDash");
    EXPECT_TRUE(tool("spbArrowArrow")->isChecked());
    EXPECT_EQ(view->endKind(), 0);
    pick("spbArrowCross"); // refused while dash is down
    EXPECT_TRUE(tool("spbArrowArrow")->isChecked());
    EXPECT_EQ(view->endKind(), 0);
    drawLine("spbLineDash", {QPoint(50, 50), QPoint(150, 80)});

    pick("spbLineSolid");
    pick("spbArrowDbCross");
    pick("spbLineDbSolid");
    EXPECT_TRUE(tool("spbArrowArrow")->isChecked());
    drawLine("spbLineDbSolid", {QPoint(50, 200), QPoint(150, 230)});

    pick("spbLineSolid");
    pick("spbArrowArc");
    click(QPoint(400, 50));
    click(QPoint(500, 60));
    click(QPoint(500, 60), Qt::RightButton);
    ASSERT_EQ(practise().lines().count(), 3);
    EXPECT_EQ(practise().lines().at(0)->setting().endKind, 0);
    EXPECT_EQ(practise().lines().at(1)->setting().endKind, 0);
    EXPECT_EQ(practise().lines().at(2)->setting().endKind, 3);
    // Finishing a line puts the arrow end down again.
    EXPECT_EQ(view->endKind(), 0);
}

TEST_F(GraphicEditorTest, ForwardsAreNumberedAndAFreedNumberIsReused) {
    window->settings().setCountPlayers(true);
    pick("spbFigureForward");
    for (int x : {100, 200, 300})
        click(QPoint(x, 200));
    click(QPoint(300, 300), Qt::RightButton);
    TFigures& figures = practise().figures();
    ASSERT_EQ(figures.count(), 3);
    EXPECT_EQ(figures.at(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(figures.at(1)->text(), QStringLiteral("2"));
    EXPECT_EQ(figures.at(2)->text(), QStringLiteral("3"));

    click(QPoint(200, 200)); // select number 2
    EXPECT_EQ(view->document().selectedObject(), 1);
    window->findChild<QAction*>(QStringLiteral("mmGMDeleteObject"))->trigger();
    ASSERT_EQ(figures.count(), 2);
    EXPECT_EQ(view->document().selectedObject(), -1);
    // Undo brings number 2 back; redo deletes it again.
    window->findChild<QAction*>(QStringLiteral("mmEditUndo"))->trigger();
    ASSERT_EQ(figures.count(), 3);
    EXPECT_EQ(figures.at(1)->text(), QStringLiteral("2"));
    window->findChild<QAction*>(QStringLiteral("mmEditRedo"))->trigger();
    ASSERT_EQ(figures.count(), 2);

    place("spbFigureForward", QPoint(400, 200));
    EXPECT_EQ(figures.at(2)->text(), QStringLiteral("2"));
    // Defenders count on their own.
    place("spbFigureDefender", QPoint(400, 300));
    EXPECT_EQ(figures.at(3)->text(), QStringLiteral("1"));

    window->settings().setCountPlayers(false);
    place("spbFigureForward", QPoint(500, 200));
    EXPECT_TRUE(figures.at(4)->text().isEmpty());
}

TEST_F(GraphicEditorTest, ADragIsPreviewedAndBecomesOneStepOnRelease) {
    drawLine("spbLineSolid", {QPoint(100, 100), QPoint(200, 100)});
    drawLine("spbLineSolid", {QPoint(100, 300), QPoint(300, 300)});
    place("spbFigureCone", QPoint(400, 200));
    const int steps = view->document().undoStack().count();

    // The figure follows the mouse on the screen picture only; the move is made on release.
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    QTest::mouseMove(canvas, QPoint(420, 230));
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(400, 200));
    EXPECT_NE(view->screen(), view->buffer());
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(420, 230));
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(420, 230));
    EXPECT_EQ(view->document().undoStack().count(), steps + 1);
    EXPECT_EQ(view->buffer(), practise().RenderPicture());

    // A line point: the line changes once, on release, and one undo takes it back.
    click(QPoint(100, 300));
    ASSERT_EQ(view->document().selectedObject(), 2);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    QTest::mouseMove(canvas, QPoint(320, 350));
    QTest::mouseMove(canvas, QPoint(330, 360));
    EXPECT_EQ(practise().lines().at(1)->controlPoints().at(1), QPoint(300, 300));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(330, 360));
    EXPECT_EQ(practise().lines().at(1)->controlPoints().at(1), QPoint(330, 360));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    view->document().undoStack().undo();
    EXPECT_EQ(practise().lines().at(1)->controlPoints().at(1), QPoint(300, 300));

    // A press that moves nothing changes nothing.
    view->document().markSaved();
    click(QPoint(420, 230));
    EXPECT_FALSE(view->isModified());
}

TEST_F(GraphicEditorTest, DraggedObjectsStayOnTheCanvas) {
    drawLine("spbLineSolid", {QPoint(100, 100), QPoint(200, 120)});
    click(QPoint(100, 100));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
    QTest::mouseMove(canvas, QPoint(-20, 130));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(-20, 130));
    EXPECT_EQ(practise().lines().at(0)->controlPoints().at(1), QPoint(0, 130));

    place("spbFigureCone", QPoint(600, 400));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(600, 400));
    QTest::mouseMove(canvas, QPoint(900, 700));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(900, 700));
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(674, 419));
    // Still there to be selected and deleted.
    click(QPoint(674, 419));
    QTest::keyClick(canvas, Qt::Key_Delete);
    EXPECT_EQ(practise().figures().count(), 0);
}

TEST_F(GraphicEditorTest, KeysAndClicksAsACoachExpectsThem) {
    // Escape drops a line in progress.
    pick("spbLineSolid");
    click(QPoint(100, 100));
    click(QPoint(150, 100));
    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_FALSE(view->lineInProgress());
    click(QPoint(300, 300), Qt::RightButton);
    EXPECT_EQ(practise().lines().count(), 0);

    // A quick double click with a figure tool places one figure.
    pick("spbFigureCone");
    // A real double click: press and release, then the double-click press and release.
    click(QPoint(200, 200));
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(practise().figures().count(), 1);
    click(QPoint(200, 200), Qt::RightButton);

    // Arrow keys nudge the selection (one undo step per run of nudges).
    click(QPoint(200, 200));
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(202, 210));
    window->findChild<QAction*>(QStringLiteral("mmEditUndo"))->trigger();
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(200, 200));

    // Duplicate, then mirror the drill left-right; each is one undoable step.
    window->findChild<QAction*>(QStringLiteral("mmEditDuplicate"))->trigger();
    ASSERT_EQ(practise().figures().count(), 2);
    EXPECT_EQ(practise().figures().at(1)->position(), QPoint(210, 210));
    window->findChild<QAction*>(QStringLiteral("mmEditMirrorLeftRight"))->trigger();
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(474, 200));
    window->findChild<QAction*>(QStringLiteral("mmEditUndo"))->trigger();
    EXPECT_EQ(practise().figures().at(0)->position(), QPoint(200, 200));

    // Copy and paste through the system clipboard.
    click(QPoint(200, 200));
    window->findChild<QAction*>(QStringLiteral("mmEditCopy"))->trigger();
    window->findChild<QAction*>(QStringLiteral("mmEditPaste"))->trigger();
    EXPECT_EQ(practise().figures().count(), 3);

    // The Edit menu names the step Undo would take.
    QMenu* edit = window->findChild<QMenu*>(QStringLiteral("mmEdit"));
    Q_EMIT edit->aboutToShow();
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mmEditUndo"))
                    ->text()
                    .endsWith(window->language().Text(QStringLiteral("CmdPaste"))));
    // With a practise chosen, every item that acts on it is offered; Redo has no step yet.
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mmEditDuplicate"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mmEditUndo"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mmEditRedo"))->isEnabled());
    Q_EMIT edit->aboutToHide();
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mmEditRedo"))->isEnabled());
    Q_EMIT window->findChild<QMenu*>(QStringLiteral("mmGPMode"))->aboutToShow();
    for (const char* name : {"mmGMChangeViewMode", "mmGMPlaceToTP", "mmGMExportToHTML",
                             "mmGmExportPicture", "mmGMShare", "mmGMPrint"})
        EXPECT_TRUE(window->findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
}

TEST_F(GraphicEditorTest, RightClickOnAPlayerUnderALinePointActsOnThePlayer) {
    drawLine("spbLineSolid", {QPoint(100, 100), QPoint(300, 100)});
    place("spbFigureForward", QPoint(300, 100));
    click(QPoint(200, 100)); // select the line
    ASSERT_EQ(view->document().selectedLineIndex(), 0);
    click(QPoint(300, 100), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(practise().figures().at(0)->kind(), kStartForward);
}

TEST_F(GraphicEditorTest, RightClicksOnPlayersAndNets) {
    place("spbFigureForward", QPoint(150, 150));
    place("spbFigureNet", QPoint(400, 200));
    TFigure* forward = practise().figures().at(0);
    TFigure* net = practise().figures().at(1);

    // Ctrl + right click toggles the start picture, without a menu.
    click(QPoint(150, 150), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(forward->kind(), kStartForward);
    EXPECT_EQ(dialogs.popups, 0);
    click(QPoint(150, 150), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(forward->kind(), kForward);
    // A plain right click offers the figure menu; its second item toggles too.
    dialogs.answerPopup(QStringLiteral("ppmChangeColor"));
    click(QPoint(150, 150), Qt::RightButton);
    EXPECT_EQ(dialogs.popups, 1);
    EXPECT_EQ(forward->kind(), kStartForward);
    dialogs.answerText(QStringLiteral("C"));
    dialogs.answerPopup(QStringLiteral("ppmChangeText"));
    click(QPoint(150, 150), Qt::RightButton);
    EXPECT_EQ(forward->text(), QStringLiteral("C"));

    // Each right click on a net turns it: variants 1..7, then 0 again.
    for (int expected : {1, 2, 3, 4, 5, 6, 7, 0}) {
        click(QPoint(400, 200), Qt::RightButton);
        EXPECT_EQ(net->variant(), expected);
    }
    EXPECT_EQ(dialogs.popups, 2);
    // The buffer shows the net as it is now.
    EXPECT_EQ(view->buffer(), practise().RenderPicture());
}

TEST_F(GraphicEditorTest, LineColourAndTextFigures) {
    drawLine("spbLineSolid", {QPoint(100, 100), QPoint(250, 100)});
    dialogs.answerPopup(QStringLiteral("ppmColorRed"));
    click(QPoint(100, 100), Qt::RightButton);
    EXPECT_EQ(practise().lines().at(0)->colour(), 0x0000FFu);

    // A text figure asks for its text; Cancel places nothing (an empty text could never
    // be seen, selected or deleted).
    dialogs.answerText(QStringLiteral("Start"));
    place("spbFigureText", QPoint(300, 300));
    place("spbFigureText", QPoint(400, 300));
    ASSERT_EQ(practise().figures().count(), 1);
    EXPECT_EQ(practise().figures().at(0)->text(), QStringLiteral("Start"));
}

TEST_F(GraphicEditorTest, ViewStateIgnoresTheMouseAndTheMemos) {
    window->SetEditMode(false);
    EXPECT_FALSE(tool("spbFigureForward")->isEnabled());
    click(QPoint(100, 100));
    click(QPoint(100, 100), Qt::RightButton);
    EXPECT_EQ(practise().figures().count(), 0);
    EXPECT_FALSE(practise().modified());
    auto* memo = view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("abc"));
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    window->SetEditMode(true);
    QTest::keyClicks(memo, QStringLiteral("Loop drill"));
    EXPECT_TRUE(practise().modified());
}

TEST_F(GraphicEditorTest, DrawingSurvivesARestartAndRendersLikeTheCommandLine) {
    window->settings().setCountPlayers(true);
    place("spbFigureForward", QPoint(120, 200));
    place("spbFigureGoalie", QPoint(620, 210));
    drawLine("spbLineTwiddle", {QPoint(140, 200), QPoint(300, 120), QPoint(450, 200)});
    drawLine("spbLineDbSolid", {QPoint(460, 200), QPoint(600, 210)});
    auto* memo = view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"));
    QTest::keyClicks(memo, QStringLiteral("Skate the loop, shoot"));
    const QImage drawn = view->buffer();
    const QString stem = practise().currentPath();

    window->close();
    window.reset();
    for (const char* suffix : {".gmp", ".jpg", "Small.jpg"})
        EXPECT_TRUE(QFileInfo::exists(stem + QLatin1String(suffix))) << suffix;
    start();
    ASSERT_EQ(practise().name(), QStringLiteral("Loop"));
    EXPECT_EQ(practise().figures().count(), 2);
    EXPECT_EQ(practise().lines().count(), 2);
    EXPECT_EQ(view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"))->toPlainText(),
              QStringLiteral("Skate the loop, shoot"));
    EXPECT_EQ(view->buffer(), drawn);

    const QString png = app.file(QStringLiteral("render.png"));
    QProcess cli;
    cli.start(QStringLiteral(KORVEX_APP_DIR "/korvex-cli"),
              {QStringLiteral("render"), stem + QStringLiteral(".gmp"), png});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32),
              view->buffer().convertToFormat(QImage::Format_RGB32));
}

TEST_F(GraphicEditorTest, ACoachDrawsASmallDrill) {
    // Drawn as a coach would, in the large layout; with KORVEX_SCREENSHOT_DIR set the view is
    // also saved there as graphic-mode.png (the picture shown in the README).
    window->settings().setCountPlayers(true);
    pick("spbFigureForward");
    for (QPoint p : {QPoint(250, 110), QPoint(250, 310), QPoint(190, 210)})
        click(p);
    click(QPoint(190, 210), Qt::RightButton);
    place("spbFigureDefender", QPoint(430, 345));
    place("spbFigureGoalie", QPoint(640, 210));
    place("spbFigurePuks", QPoint(150, 120));
    pick("spbFigureCone");
    for (QPoint p : {QPoint(360, 150), QPoint(360, 270), QPoint(470, 210)})
        click(p);
    click(QPoint(470, 210), Qt::RightButton);
    drawLine("spbLineTwiddle",
             {QPoint(262, 110), QPoint(400, 95), QPoint(500, 160), QPoint(520, 235)});
    drawLine("spbLineSolid",
             {QPoint(262, 310), QPoint(380, 330), QPoint(455, 290), QPoint(470, 250)});
    drawLine("spbLineDash", {QPoint(203, 210), QPoint(505, 240)});
    drawLine("spbLineDbSolid", {QPoint(530, 238), QPoint(622, 214)});
    auto* memo = view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"));
    memo->insertPlainText(QStringLiteral("Loop and shoot.\n1 and 2 skate around the cones, "
                                         "3 passes to 1, who shoots.\nThe defender closes "
                                         "the lane from the point."));
    EXPECT_EQ(practise().figures().count(), 9);
    EXPECT_EQ(practise().lines().count(), 4);
    EXPECT_TRUE(practise().SaveCurrent());

    window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1024, 735));
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
        QDir().mkpath(folder);
        shot.save(folder + QStringLiteral("/graphic-mode.png"));
    }
}

TEST_F(GraphicEditorTest, ChoosingAnotherPractiseSavesTheEditedOneAndARestartReopensTheLast) {
    practise().Clear();
    ASSERT_TRUE(practise().CreateItem(QStringLiteral("Other"), window->settings().Version()));
    view->reloadSelection();
    auto* names = view->findChild<QComboBox*>(QStringLiteral("cmbGMName"));
    auto choose = [names](const QString& name) {
        const int index = names->findText(name);
        ASSERT_GE(index, 0);
        names->setCurrentIndex(index);
        Q_EMIT names->activated(index);
    };
    choose(QStringLiteral("Loop"));
    window->SetEditMode(true);
    place("spbFigureCone", QPoint(200, 200));
    auto* memo = view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"));
    QTest::keyClicks(memo, QStringLiteral("Cones first"));

    choose(QStringLiteral("Other"));
    EXPECT_EQ(practise().name(), QStringLiteral("Other"));
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(practise().figures().count(), 0);
    EXPECT_EQ(window->settings().rememberedIndex(1, 2), names->currentIndex());
    choose(QStringLiteral("Loop"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Cones first"));
    EXPECT_EQ(practise().figures().count(), 1);
    EXPECT_FALSE(practise().modified());

    choose(QStringLiteral("Other"));
    window->close();
    window.reset();
    start();
    EXPECT_EQ(practise().name(), QStringLiteral("Other"));
}

TEST_F(GraphicEditorTest, AMissingPictureThatCannotBeSavedIsReportedAndThePractiseStaysOpen) {
    place("spbFigureCone", QPoint(200, 200));
    ASSERT_TRUE(practise().SaveCurrent());
    const QString stem = practise().currentPath();
    practise().Clear();
    ASSERT_TRUE(practise().CreateItem(QStringLiteral("Other"), window->settings().Version()));
    view->reloadSelection();
    auto* names = view->findChild<QComboBox*>(QStringLiteral("cmbGMName"));
    const int loop = names->findText(QStringLiteral("Loop"));
    ASSERT_GE(loop, 0);
    QFile::remove(stem + QStringLiteral(".jpg"));
    QFile::remove(stem + QStringLiteral("Small.jpg"));
    // Every save of this practise's files fails, as on a full disk.
    setSaveFaultHook([stem](SaveStep, const QString& path) { return !path.startsWith(stem); });
    dialogs.informations.clear();
    names->setCurrentIndex(loop);
    Q_EMIT names->activated(loop);
    setSaveFaultHook({});
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.at(0).startsWith(
        window->language().Text(QStringLiteral("PictureNotRedrawn"))));
    EXPECT_TRUE(dialogs.informations.at(0).contains(QStringLiteral("Loop.gmp")));
    // The practise is there to be seen and edited all the same.
    EXPECT_EQ(practise().name(), QStringLiteral("Loop"));
    EXPECT_EQ(practise().figures().count(), 1);
}
