#include "EditingFixture.h"

#include "editing/AddObjectsCommand.h"
#include "editing/DeleteObjectCommand.h"
#include "editing/DrawingClipboard.h"
#include "editing/MirrorCommand.h"
#include "editing/MoveFigureCommand.h"
#include "editing/PlaceFigureCommand.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"

using namespace korvex;
using namespace korvex::test;

TEST(GraphicDocument, HitTestingAndDeletingGiveNumbersBackAndUndoTakesThemAgain) {
    DocumentFixture fx;
    fx.load(twoForwardsTextAndLine());
    GraphicDocument& doc = fx.document;

    // Figures first in list order; a free text is hit anywhere in its text box; lines come
    // after the figures and their points are picked within 3 pixels.
    EXPECT_EQ(doc.figureAt(QPoint(103, 100)), 0);
    EXPECT_EQ(doc.figureAt(QPoint(380, 50)), 2);
    EXPECT_EQ(doc.figureAt(QPoint(600, 400)), -1);
    EXPECT_EQ(doc.lineAt(QPoint(250, 304)), 0);
    EXPECT_EQ(doc.linePointAt(0, QPoint(402, 299)), 1);
    EXPECT_EQ(doc.linePointAt(0, QPoint(250, 302)), -1);
    doc.select(3, 1);
    EXPECT_EQ(doc.selectedLineIndex(), 0);
    EXPECT_EQ(doc.selectedFigure(), nullptr);
    doc.select(99);
    EXPECT_EQ(doc.selectedObject(), -1);

    // Deleting the defender "8" gives 8 back to its set; undo puts the defender back in
    // its place in the drawing order and takes 8 again.
    PlayerNumbers& defenders = fx.practise.numbers(TGraphicPractise::NumbersA);
    doc.push(new DeleteObjectCommand(doc, 1));
    EXPECT_EQ(doc.figures().count(), 2);
    EXPECT_FALSE(defenders.contains(8));
    EXPECT_TRUE(fx.practise.numbers(TGraphicPractise::NumbersB).contains(7));
    doc.undoStack().undo();
    EXPECT_EQ(doc.figures().at(1)->text(), QStringLiteral("8"));
    EXPECT_TRUE(defenders.contains(8));
    EXPECT_EQ(doc.selectedObject(), 1);
    doc.push(new DeleteObjectCommand(doc, 3)); // the line
    EXPECT_EQ(doc.lines().count(), 0);
    EXPECT_EQ(doc.figures().count(), 3);

    // A placed forward takes the lowest free number; undo releases it.
    TFigure forward(&fx.practise.drawingSettings());
    forward.setPosition(QPoint(300, 300));
    doc.push(new PlaceFigureCommand(doc, forward, true));
    EXPECT_EQ(doc.figures().at(3)->text(), QStringLiteral("1"));
    doc.undoStack().undo();
    EXPECT_FALSE(fx.practise.numbers(TGraphicPractise::NumbersB).contains(1));
    doc.push(new PlaceFigureCommand(doc, forward, false));
    EXPECT_TRUE(doc.figures().at(3)->text().isEmpty());
}

TEST(GraphicDocument, ModifiedIsReadOffTheHistory) {
    DocumentFixture fx;
    fx.load(twoForwardsTextAndLine());
    GraphicDocument& doc = fx.document;
    EXPECT_FALSE(doc.isModified());
    doc.select(0); // selecting changes nothing
    EXPECT_FALSE(doc.isModified());

    doc.push(new MoveFigureCommand(doc, 0, QPoint(200, 200)));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(fx.practise.modified()); // what the lists look at before switching
    doc.undoStack().undo();
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(fx.practise.modified());

    // Saved after the move: undoing it is a change against the saved file.
    doc.undoStack().redo();
    doc.markSaved();
    EXPECT_FALSE(doc.isModified());
    doc.undoStack().undo();
    EXPECT_TRUE(doc.isModified());

    // Nudges of one figure in a row are one step; another practise starts a new history.
    doc.push(new MoveFigureCommand(doc, 1, QPoint(106, 100), true));
    doc.push(new MoveFigureCommand(doc, 1, QPoint(107, 100), true));
    EXPECT_EQ(doc.undoStack().undoText(), QStringLiteral("CmdMoveFigure"));
    doc.undoStack().undo();
    EXPECT_EQ(doc.figures().at(1)->position(), QPoint(105, 100));
    fx.load(twoForwardsTextAndLine());
    EXPECT_EQ(doc.undoStack().count(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST(GraphicDocument, MirrorTurnsNetsAndKeepsFiguresOnTheCanvas) {
    EXPECT_EQ(mirroredVariant(0, true), 4);
    EXPECT_EQ(mirroredVariant(2, true), 2); // pointing down stays down
    EXPECT_EQ(mirroredVariant(1, true), 3);
    EXPECT_EQ(mirroredVariant(0, false), 0);
    EXPECT_EQ(mirroredVariant(2, false), 6);

    DocumentFixture fx;
    fx.load(twoForwardsTextAndLine());
    GraphicDocument& doc = fx.document;
    const QByteArray before = fx.fileBytes();
    const double pathStart = doc.lines().at(0)->path().front().x();
    doc.push(new MirrorCommand(doc, true));
    EXPECT_EQ(doc.figures().at(0)->position(), QPoint(674 - 100, 100));
    EXPECT_EQ(doc.lines().at(0)->controlPoints().front(), QPoint(674 - 100, 302));
    // The stored path is mirrored as stored, not recomputed.
    EXPECT_DOUBLE_EQ(doc.lines().at(0)->path().front().x(), 674 - pathStart);
    doc.push(new MirrorCommand(doc, false));
    EXPECT_EQ(doc.figures().at(0)->position(), QPoint(574, 419 - 100));
    doc.undoStack().undo();
    doc.undoStack().undo();
    EXPECT_EQ(fx.fileBytes(), before);

    // Positions are kept on the canvas, so nothing can be dragged out of reach.
    EXPECT_EQ(doc.clampToCanvas(QPoint(-40, 900)), QPoint(0, 419));
    EXPECT_EQ(doc.clampToCanvas(QPoint(700, 10)), QPoint(674, 10));
}

TEST(GraphicDocument, ClipboardCarriesFiguresAndLinesAndRefusesAnythingElse) {
    DocumentFixture fx;
    fx.load(twoForwardsTextAndLine());
    DrawingClip clip;
    clip.figures.push_back(*fx.document.figures().at(0));
    clip.lines.push_back(*fx.document.lines().at(0));
    const QByteArray bytes = encodeDrawingClip(clip);
    ASSERT_FALSE(bytes.isEmpty());

    DrawingClip back;
    QString error;
    ASSERT_TRUE(decodeDrawingClip(bytes, &fx.practise.drawingSettings(), &back, &error))
        << error.toStdString();
    ASSERT_EQ(back.figures.size(), 1u);
    ASSERT_EQ(back.lines.size(), 1u);
    EXPECT_EQ(back.figures[0].text(), QStringLiteral("7"));
    EXPECT_EQ(back.lines[0].path(), fx.document.lines().at(0)->path());

    // Pasting numbers the forward anew, so no number is drawn twice.
    fx.document.push(new AddObjectsCommand(fx.document, back, QPoint(), true, "CmdPaste"));
    EXPECT_EQ(fx.document.figures().at(3)->text(), QStringLiteral("1"));
    EXPECT_EQ(fx.document.lines().count(), 2);
    EXPECT_EQ(fx.document.selectedObject(), 3);

    const QByteArray hostile[] = {
        QByteArray(),
        QByteArray("KVXD"),
        bytes.left(bytes.size() - 1),
        bytes + QByteArray(1, '\0'),
        QByteArray("XXXX") + bytes.mid(4),
        bytes.left(8) + le32(0x7FFFFFFF),
    };
    for (const QByteArray& input : hostile) {
        EXPECT_FALSE(decodeDrawingClip(input, &fx.practise.drawingSettings(), &back, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(back.isEmpty());
    }
}
