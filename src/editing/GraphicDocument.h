#pragma once

#include "drawing/CanvasTexts.h"

#include <QObject>
#include <QPoint>
#include <QUndoStack>

class QUndoCommand;

namespace korvex {

class TFigure;
class TFigures;
class TGraphicPractise;
class TLine;
class TLines;

// The one way a drawing is edited. The document works on a practise's content (its
// figures, lines, numbers and ground), keeps the one selection, and records every edit
// as a command on its undo stack. "Modified" is read off the stack: undoing back to the
// saved state makes the practise unmodified again.
//
// Objects are numbered as the files number them: figures first (0 .. figures - 1), then
// lines. Positions are canvas pixels.
class GraphicDocument : public QObject {
    Q_OBJECT

public:
    // `practise` is not owned and must outlive the document. `text` names the commands in
    // the coach's language ("move figure" behind Undo).
    GraphicDocument(TGraphicPractise& practise, TextLookup text, QObject* parent = nullptr);
    ~GraphicDocument() override;

    TGraphicPractise& practise() const { return m_practise; }
    TFigures& figures() const;
    TLines& lines() const;
    QUndoStack& undoStack() { return m_stack; }
    QString commandText(const QString& key) const { return m_text(key); }
    QSize canvasSize() const;

    // Runs `command` and records it (the stack takes ownership).
    void push(QUndoCommand* command);
    // Another practise was loaded (or the current one reloaded): the history goes, and the
    // practise's own modified mark (an old file that needs rewriting) is kept.
    void resetHistory();
    // The practise was saved: the current state is the clean one.
    void markSaved();
    // Makes the player-number sets the numbers the figures' players carry (a tactics frame
    // stores figures only, so its sets are rebuilt whenever another frame is edited).
    void takeNumbersOfFigures();
    bool isModified() const;

    // Selection.
    int selectedObject() const { return m_selected; }
    int selectedPoint() const { return m_selectedPoint; }
    int selectedFigureIndex() const;
    int selectedLineIndex() const;
    TFigure* selectedFigure() const;
    TLine* selectedLine() const;
    void select(int object, int point = -1);
    void clearSelection() { select(-1); }
    // Index of the figure / line under `point`, or -1 (lines are computed first).
    int figureAt(QPoint point) const;
    int lineAt(QPoint point) const;
    // The control point of line `line` within 3 pixels of `point`, or -1.
    int linePointAt(int line, QPoint point) const;
    // Keeps a position on the canvas, so nothing can be dragged out of reach.
    QPoint clampToCanvas(QPoint point) const;

Q_SIGNALS:
    // The content or the selection changed: repaint.
    void changed();

private:
    void syncModified();

    TGraphicPractise& m_practise;
    TextLookup m_text;
    QUndoStack m_stack;
    int m_selected = -1;
    int m_selectedPoint = -1;
    // The practise needed saving when it was loaded (a file of an older layout).
    bool m_modifiedAtLoad = false;
};

} // namespace korvex
