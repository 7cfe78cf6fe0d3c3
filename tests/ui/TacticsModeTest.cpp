// Mode 7: reaching it, the frame spin edit, timer playback (frame by frame and smooth), the
// speed field's refusals and the animation export.
#include "TacticsTestSupport.h"

#include "storage/AnimationPictures.h"
#include "ui/dialogs/TFormEditPractises.h"
#include "ui/graphic/GraphicEditor.h"

#include <QCheckBox>
#include <QImageReader>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace korvex;
using korvex::test::TacticsTest;

namespace {

const std::initializer_list<korvex::test::Frame> kThreeFrames = {
    {{0, 100, 200, "7"}}, {{0, 300, 200, "7"}}, {{0, 300, 320, "7"}}};

} // namespace

TEST_F(TacticsTest, TheMenuTheShortcutAndTheToolButtonReachTheMode) {
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(window->currentMode(), 7);
    ASSERT_NE(qobject_cast<TfrmTacticsMode*>(window->currentView()), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Tactics"));
    EXPECT_TRUE(item("mmTacticsMode")->isVisible());
    EXPECT_TRUE(item("mmTacticsMode")->isChecked());
    // The mode's own File menu, with its commands enabled.
    EXPECT_TRUE(item("acticspractise1")->isVisible());
    EXPECT_EQ(item("acticspractise1")->text(), window->language().Text(QStringLiteral("mmFile")));
    EXPECT_FALSE(item("mmGPMode")->isVisible());
    const QList<QAction*> bar = window->menuBar()->actions();
    EXPECT_LT(bar.indexOf(item("acticspractise1")), bar.indexOf(item("mmEdit")));
    EXPECT_TRUE(item("mmTAExportAnimation")->isEnabled());
    EXPECT_EQ(item("mmTANew")->text(), window->language().Text(QStringLiteral("mmGMNew")));
    // Every mode is real now: no view shows the notice of one still to come.
    EXPECT_EQ(window->currentView()->findChild<QWidget*>(QStringLiteral("lblNotAvailable")),
              nullptr);

    window->SwitchMode(1);
    auto* button = window->findChild<QToolButton*>(QStringLiteral("spbTacticsMode"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(window->currentMode(), 7);
    EXPECT_TRUE(button->isChecked());
}

TEST_F(TacticsTest, WithoutAPractiseThePanelRestsAndNothingPlays) {
    TfrmTacticsMode* view = tactics();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(control<QWidget>("pnlGMAnimation")->isEnabled());
    EXPECT_EQ(frameCount(), QStringLiteral("0"));
    view->play();
    EXPECT_FALSE(view->isPlaying());
    EXPECT_FALSE(view->timer()->isActive());
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(TacticsTest, OneFramePlaysAndStopsAtOnce) {
    makeTactics(QStringLiteral("Faceoff"), {{{0, 200, 200, "9"}, {2, 600, 210, ""}}});
    TfrmTacticsMode* view = tactics();
    ASSERT_EQ(view->practise().name(), QStringLiteral("Faceoff"));
    EXPECT_EQ(frameCount(), QStringLiteral("1"));
    EXPECT_TRUE(control<QWidget>("pnlGMAnimation")->isEnabled());

    QTest::mouseClick(control<QToolButton>("spbTCPlay"), Qt::LeftButton);
    EXPECT_FALSE(view->isPlaying());
    EXPECT_FALSE(view->timer()->isActive());
    EXPECT_EQ(frameSpin()->value(), 0);
    EXPECT_EQ(view->canvas()->buffer(),
              AnimationPictures(view->practise(), 200, false).renderFrame(0));
    // Smooth playback of one frame is one picture as well.
    control<QCheckBox>("chbTCSmooth")->setChecked(true);
    view->play();
    EXPECT_FALSE(view->isPlaying());
    EXPECT_FALSE(view->timer()->isActive());
}

TEST_F(TacticsTest, MovingTheSpinEditToTheFrameCountAddsACopyOfTheLastFrame) {
    const QString stem = makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    ASSERT_EQ(frameSpin()->maximum(), 3);

    frameSpin()->setValue(2);
    EXPECT_EQ(view->practise().currentFrame(), 2);
    EXPECT_EQ(view->practise().figures().at(0)->position(), QPoint(300, 320));
    EXPECT_EQ(frameCount(), QStringLiteral("3"));

    frameSpin()->setValue(3);
    EXPECT_EQ(frameCount(), QStringLiteral("4"));
    EXPECT_EQ(view->practise().currentFrame(), 3);
    EXPECT_EQ(frameSpin()->maximum(), 4);
    ASSERT_EQ(view->practise().figures().count(), 1);
    EXPECT_EQ(view->practise().figures().at(0)->position(), QPoint(300, 320));
    EXPECT_EQ(view->practise().figures().at(0)->text(), QStringLiteral("7"));
    // The new frame is on disk at once.
    TTacticsPractise stored(window->settings(), window->language());
    ASSERT_TRUE(stored.Load(stem));
    EXPECT_EQ(stored.frameCount(), 4);
    EXPECT_EQ(stored.animation().at(3)->at(0)->position(), QPoint(300, 320));
    // The canvas shows the frame the spin edit names.
    EXPECT_EQ(view->canvas()->buffer(),
              AnimationPictures(view->practise(), 200, false).renderFrame(3));
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(TacticsTest, PlaybackRunsFromFrameZeroToTheLastAndStops) {
    makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    frameSpin()->setValue(2);
    control<QLineEdit>("edtTCSpeed")->setText(QStringLiteral("150"));
    const AnimationPictures frames(view->practise(), 150, false);

    view->play();
    EXPECT_TRUE(view->isPlaying());
    EXPECT_TRUE(view->timer()->isActive());
    EXPECT_EQ(view->timer()->interval(), 150);
    EXPECT_EQ(frameSpin()->value(), 0);
    EXPECT_EQ(view->canvas()->buffer(), frames.renderFrame(0));
    view->tick();
    EXPECT_EQ(frameSpin()->value(), 1);
    EXPECT_EQ(view->canvas()->buffer(), frames.renderFrame(1));
    view->tick();
    EXPECT_EQ(frameSpin()->value(), 2);
    EXPECT_TRUE(view->isPlaying());
    view->tick();
    EXPECT_FALSE(view->isPlaying());
    EXPECT_FALSE(view->timer()->isActive());
    // The frame the playback ended on is the one the practise now edits.
    EXPECT_EQ(view->practise().currentFrame(), 2);
    EXPECT_EQ(view->practise().figures().at(0)->position(), QPoint(300, 320));
    EXPECT_EQ(frameCount(), QStringLiteral("3"));

    // The real timer gets there by itself.
    control<QLineEdit>("edtTCSpeed")->setText(QStringLiteral("5"));
    view->play();
    QTRY_VERIFY_WITH_TIMEOUT(!view->isPlaying(), 2000);
    EXPECT_EQ(frameSpin()->value(), 2);
}

TEST_F(TacticsTest, SmoothPlaybackShowsTwentyFivePicturesASecond) {
    makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    control<QCheckBox>("chbTCSmooth")->setChecked(true);
    const AnimationPictures pictures(view->practise(), 200, true);
    ASSERT_EQ(pictures.count(), 11);

    view->play();
    EXPECT_EQ(view->timer()->interval(), 40);
    QList<int> shownFrames{frameSpin()->value()};
    for (int i = 1; i < 11; ++i) {
        view->tick();
        shownFrames.append(frameSpin()->value());
        if (i == 2) { // 80 ms: the forward 40 % of the way from x 100 to x 300
            EXPECT_EQ(view->canvas()->buffer(), pictures.render(2));
        }
    }
    EXPECT_EQ(shownFrames, (QList<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2}));
    EXPECT_TRUE(view->isPlaying());
    view->tick();
    EXPECT_FALSE(view->isPlaying());
    EXPECT_EQ(view->canvas()->buffer(), pictures.renderFrame(2));
}

TEST_F(TacticsTest, ASpeedThatIsNoWholeNumberIsRefusedAndNothingPlays) {
    makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    for (const char* speed : {"fast", "2.5", "0", "-40", ""}) {
        dialogs.informations.clear();
        control<QLineEdit>("edtTCSpeed")->setText(QString::fromLatin1(speed));
        view->play();
        EXPECT_FALSE(view->isPlaying()) << speed;
        EXPECT_FALSE(view->timer()->isActive()) << speed;
        ASSERT_EQ(dialogs.informations.size(), 1) << speed;
        EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("60000")));
    }
}

TEST_F(TacticsTest, ExportAnimationWritesTheGifTheMenuAsksFor) {
    makeTactics(QStringLiteral("Overload"), kThreeFrames);
    tactics();
    const QString file = app.file(QStringLiteral("overload.gif"));
    dialogs.answerSaveFile(file);
    item("mmTAExportAnimation")->trigger();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs.first().defaultSuffix, QStringLiteral("gif"));
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();
    QImageReader reader(file);
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(reader.size(), QSize(675, 420));

    // A file that cannot be written is said, with the reason.
    dialogs.answerSaveFile(app.file(QStringLiteral("missing/overload.gif")));
    item("mmTAExportAnimation")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("overload.gif")));
}

TEST_F(TacticsTest, ANewPractiseStartsOnTheFirstRinkWithOneFrame) {
    makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    dialogs.answerForm([](QDialog* dialog) {
        auto* form = qobject_cast<TFormEditPractises*>(dialog);
        ASSERT_NE(form, nullptr);
        form->findChild<QLineEdit*>(QStringLiteral("edtNewPractise"))
            ->setText(QStringLiteral("Cycle low"));
        form->newPractise();
        form->done();
    });
    item("mmTANew")->trigger();
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormEditPractises")});
    ASSERT_EQ(view->practise().name(), QStringLiteral("Cycle low"));
    EXPECT_EQ(frameCount(), QStringLiteral("1"));
    const QString rink = window->settings().selectedRinks().first();
    EXPECT_EQ(view->practise().groundName(), rink);
    TTacticsPractise stored(window->settings(), window->language());
    ASSERT_TRUE(stored.Load(view->practise().currentPath()));
    EXPECT_EQ(stored.groundName(), rink);
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(TacticsTest, DeletingAFrameAsksKeepsTheLastOneAndSaves) {
    const QString stem = makeTactics(QStringLiteral("Overload"), kThreeFrames);
    TfrmTacticsMode* view = tactics();
    frameSpin()->setValue(1);

    item("mmTADeleteFrame")->trigger(); // not confirmed: nothing changes
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(frameCount(), QStringLiteral("3"));

    dialogs.answerConfirm(true);
    item("mmTADeleteFrame")->trigger();
    EXPECT_EQ(frameCount(), QStringLiteral("2"));
    EXPECT_EQ(frameSpin()->value(), 0);
    EXPECT_EQ(view->practise().figures().at(0)->position(), QPoint(100, 200));
    TTacticsPractise stored(window->settings(), window->language());
    ASSERT_TRUE(stored.Load(stem));
    ASSERT_EQ(stored.frameCount(), 2);
    EXPECT_EQ(stored.animation().at(1)->at(0)->position(), QPoint(300, 320));

    // Frame 0 goes as well; the one after it takes its place.
    dialogs.answerConfirm(true);
    item("mmTADeleteFrame")->trigger();
    EXPECT_EQ(frameCount(), QStringLiteral("1"));
    EXPECT_EQ(view->practise().figures().at(0)->position(), QPoint(300, 320));
    // The only frame stays, and the coach is told why.
    item("mmTADeleteFrame")->trigger();
    EXPECT_EQ(frameCount(), QStringLiteral("1"));
    EXPECT_EQ(dialogs.confirmations.size(), 3);
    EXPECT_EQ(dialogs.informations.size(), 1);
}
