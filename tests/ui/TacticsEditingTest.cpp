// Mode 7 as an editor: the figures of the current frame are edited on the shared canvas, every
// edit undoes exactly, a frame change starts a new history, nothing is edited while playing, the
// Edit menu works on the frame (mirror on the whole play), a failed save keeps the edits, and
// the practise can be shared as one page.
#include "TacticsTestSupport.h"

#include "core/BinaryWriter.h"
#include "drawing/TFigures.h"
#include "drawing/TFiguresAnimation.h"
#include "drawing/TLine.h"
#include "editing/DrawingClipboard.h"
#include "editing/GraphicDocument.h"
#include "storage/AnimationPictures.h"
#include "ui/graphic/GraphicEditor.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

using namespace korvex;

namespace {

constexpr quint8 kForward = 0;
constexpr quint8 kNet = 5;

const std::initializer_list<korvex::test::Frame> kThreeFrames = {
    {{0, 100, 200, "7"}, {5, 600, 210, ""}},
    {{0, 300, 200, "7"}, {5, 600, 210, ""}},
    {{0, 300, 320, "7"}, {5, 600, 210, ""}}};

class TacticsEditing : public korvex::test::TacticsTest {
protected:
    // Stores the three-frame practise and opens it in mode 7.
    void open() {
        stem = makeTactics(QStringLiteral("Overload"), kThreeFrames);
        view = tactics();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->practise().name(), QStringLiteral("Overload"));
        canvas = view->canvas();
        ASSERT_TRUE(canvas->isEditing());
    }
    // The practise as its file would hold it.
    QByteArray bytes() const {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(view->practise().writeTacticsTo(&buffer, QStringLiteral("test")));
        return buffer.data();
    }
    QByteArray frameBytes(int frame) const {
        QByteArray bytes;
        BinaryWriter out(&bytes);
        view->practise().animation().at(frame)->writeTo(out);
        return bytes;
    }
    QByteArray fileBytes() const {
        QFile file(stem + QStringLiteral(".tac"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QToolButton* tool(const char* name) const { return control<QToolButton>(name); }
    void place(const char* name, QPoint at) const {
        QTest::mouseClick(tool(name), Qt::LeftButton);
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, at); // back to selecting
    }
    void drag(QPoint from, QPoint to) const {
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
    }
    TFigures& frame(int index) const { return *view->practise().animation().at(index); }

    QString stem;
    TfrmTacticsMode* view = nullptr;
    GraphicEditor* canvas = nullptr;
};

TEST_F(TacticsEditing, EditsChangeTheirFrameOnlyAndUndoRestoresTheBytes) {
    open();
    frameSpin()->setValue(2);
    const QByteArray before = bytes();
    const QByteArray frames01[] = {frameBytes(0), frameBytes(1)};
    // Only the figure tools: a frame keeps no lines.
    EXPECT_EQ(tool("spbLineSolid"), nullptr);
    EXPECT_TRUE(tool("spbFigureForward")->isEnabled());

    place("spbFigureDefender", QPoint(200, 100));
    drag(QPoint(300, 320), QPoint(340, 300));
    ASSERT_EQ(frame(2).count(), 3);
    EXPECT_EQ(frame(2).at(2)->kind(), 1);
    EXPECT_EQ(frame(2).at(0)->position(), QPoint(340, 300));
    EXPECT_EQ(frameBytes(0), frames01[0]);
    EXPECT_EQ(frameBytes(1), frames01[1]);
    EXPECT_TRUE(view->isModified());
    EXPECT_EQ(canvas->buffer(), AnimationPictures(view->practise(), 200, false).renderFrame(2));
    const QByteArray edited = bytes();

    // The Edit menu takes back one gesture a step, naming it.
    EXPECT_FALSE(view->undoText().isEmpty());
    item("mmEditUndo")->trigger();
    item("mmEditUndo")->trigger();
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(view->isModified());
    item("mmEditRedo")->trigger();
    item("mmEditRedo")->trigger();
    EXPECT_EQ(bytes(), edited);

    // About two seconds after the last edit the practise is on disk.
    QTRY_COMPARE_WITH_TIMEOUT(fileBytes(), edited, 4000);
    EXPECT_FALSE(view->isModified());
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(TacticsEditing, AnotherFrameStartsANewHistoryAndKeepsTheEditsModified) {
    open();
    place("spbFigureForward", QPoint(200, 100));
    ASSERT_EQ(frame(0).count(), 3);
    EXPECT_EQ(view->document().undoStack().count(), 1);

    frameSpin()->setValue(1);
    EXPECT_EQ(view->document().undoStack().count(), 0);
    EXPECT_TRUE(view->undoText().isEmpty());
    // Undo does not reach back into frame 0.
    item("mmEditUndo")->trigger();
    EXPECT_EQ(frame(0).count(), 3);
    EXPECT_EQ(frame(1).count(), 2);
    // The edit of frame 0 is still to be saved, and leaving the mode saves it.
    EXPECT_TRUE(view->isModified());
    window->SwitchMode(1);
    TTacticsPractise stored(window->settings(), window->language());
    ASSERT_TRUE(stored.Load(stem));
    EXPECT_EQ(stored.animation().at(0)->count(), 3);
    EXPECT_EQ(stored.animation().at(1)->count(), 2);
}

TEST_F(TacticsEditing, PlayersAreNumberedFromTheNumbersOfTheFrame) {
    window->settings().setCountPlayers(true);
    open();
    // Frame 0 holds forward 7: the next forward takes 1, then 2; in frame 1 (forward 7 too)
    // numbering starts again from what that frame holds.
    place("spbFigureForward", QPoint(200, 100));
    place("spbFigureForward", QPoint(250, 100));
    EXPECT_EQ(frame(0).at(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(frame(0).at(3)->text(), QStringLiteral("2"));
    frameSpin()->setValue(3); // a copy of frame 2, which has forward 7 only
    place("spbFigureForward", QPoint(200, 100));
    EXPECT_EQ(frame(3).at(2)->text(), QStringLiteral("1"));
    frameSpin()->setValue(0);
    place("spbFigureForward", QPoint(300, 100));
    EXPECT_EQ(frame(0).at(4)->text(), QStringLiteral("3"));
}

TEST_F(TacticsEditing, NothingIsEditedWhilePlaying) {
    open();
    control<QLineEdit>("edtTCSpeed")->setText(QStringLiteral("5000"));
    const QByteArray before = bytes();
    view->play();
    ASSERT_TRUE(view->isPlaying());
    EXPECT_FALSE(canvas->isEditing());
    EXPECT_FALSE(tool("spbFigureForward")->isEnabled());
    EXPECT_TRUE(control<QPlainTextEdit>("memGMText")->isReadOnly());
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTest::keyClick(canvas, Qt::Key_Delete);
    for (const char* command :
         {"mmEditMirrorLeftRight", "mmEditPaste", "mmEditDuplicate", "mmEditDelete", "mmEditUndo"})
        item(command)->trigger();
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(view->isPlaying());

    view->tick();
    view->tick();
    view->tick();
    ASSERT_FALSE(view->isPlaying());
    EXPECT_TRUE(canvas->isEditing());
    EXPECT_TRUE(tool("spbFigureForward")->isEnabled());
    EXPECT_EQ(canvas->buffer(), AnimationPictures(view->practise(), 200, false).renderFrame(2));
}

TEST_F(TacticsEditing, MirrorTurnsThePlayInEveryFrameAndCopyPasteBringsFiguresOnly) {
    open();
    frameSpin()->setValue(1);
    const QByteArray before = bytes();
    item("mmEditMirrorLeftRight")->trigger();
    const int right = view->document().canvasSize().width() - 1;
    const int xs[] = {100, 300, 300};
    for (int f = 0; f < 3; ++f) {
        EXPECT_EQ(frame(f).at(0)->position().x(), right - xs[f]) << f;
        EXPECT_EQ(frame(f).at(1)->kind(), kNet);
        EXPECT_EQ(frame(f).at(1)->variant(), 4) << f; // the net faces the other way
    }
    item("mmEditUndo")->trigger();
    EXPECT_EQ(bytes(), before);

    // Copy and paste within the frame; a clip with a line brings its figures only.
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    ASSERT_EQ(view->document().selectedObject(), 0);
    item("mmEditCopy")->trigger();
    item("mmEditPaste")->trigger();
    ASSERT_EQ(frame(1).count(), 3);
    EXPECT_EQ(frame(1).at(2)->kind(), kForward);
    DrawingClip clip;
    TFigure figure(&view->practise().drawingSettings());
    figure.setKind(kNet);
    figure.setPosition(QPoint(50, 60));
    clip.figures.push_back(figure);
    TLine line(&view->practise().drawingSettings());
    line.addPoint(QPoint(10, 10));
    line.addPoint(QPoint(90, 40));
    clip.lines.push_back(line);
    auto* data = new QMimeData;
    data->setData(drawingClipMimeType(), encodeDrawingClip(clip));
    QApplication::clipboard()->setMimeData(data);
    item("mmEditPaste")->trigger();
    EXPECT_EQ(frame(1).count(), 4);
    EXPECT_EQ(view->practise().lines().count(), 0);
    item("mmEditDuplicate")->trigger();
    EXPECT_EQ(frame(1).count(), 5);
}

TEST_F(TacticsEditing, AFailedSaveKeepsTheEditsSaysWhyAndStays) {
    open();
    place("spbFigureForward", QPoint(200, 100));
    const QByteArray edited = bytes();
    const QString file = stem + QStringLiteral(".tac");
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));

    window->SwitchMode(1);
    EXPECT_EQ(window->currentMode(), 7);
    EXPECT_EQ(window->currentView(), view);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].startsWith(
        window->language().Text(QStringLiteral("SaveFailedItemKept"))));
    EXPECT_EQ(bytes(), edited);
    EXPECT_TRUE(view->isModified());
    // The autosave says it once and keeps trying after the next edit.
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.informations.size(), 2, 4000);
    EXPECT_TRUE(view->isModified());

    ASSERT_TRUE(QDir().rmdir(file));
    window->SwitchMode(1);
    EXPECT_EQ(window->currentMode(), 1);
    TTacticsPractise stored(window->settings(), window->language());
    ASSERT_TRUE(stored.Load(stem));
    EXPECT_EQ(stored.animation().at(0)->count(), 3);
}

TEST_F(TacticsEditing, ShareWritesOnePageOfTheSavedPlay) {
    open();
    place("spbFigureForward", QPoint(200, 100));
    ASSERT_TRUE(item("mmTAShare")->isEnabled());
    QTemporaryDir out;
    const QString page = out.filePath(QStringLiteral("Overload.html"));
    dialogs.answerSaveFile(page);
    item("mmTAShare")->trigger();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs[0].fileName, QStringLiteral("Overload.html"));
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(QDir::toNativeSeparators(page)));
    EXPECT_FALSE(view->isModified());
    QFile html(page);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray text = html.readAll();
    EXPECT_TRUE(text.contains("Overload"));
    EXPECT_TRUE(text.contains(",200,100]")); // the placed forward, in frame 0
}

} // namespace
