#pragma once

#include "drawing/TLine.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QMenu;

namespace korvex {

class GraphicDocument;
class TLanguage;

// The rink canvas of the graphic editor (imgGMGround). It shows the rendered practise and
// turns the mouse into edits of its document: placing figures, drawing lines point by
// point, selecting, dragging figures and line points, and the right-button actions. A
// gesture is previewed on the screen picture while the mouse moves and becomes one command
// when it ends, so one undo takes back one gesture and a press that changes nothing
// changes nothing.
//
// It works on two pictures of canvas size: the buffer, the rendered practise (without an
// object being dragged), and the screen, which is the buffer plus the transient marks
// (selection frame, rubber band, the dragged object).
class GraphicEditor : public QWidget {
    Q_OBJECT

public:
    enum class Tool { Select, Line, Figure };

    GraphicEditor(TLanguage& language, QWidget* parent);
    ~GraphicEditor() override;

    // The document edited, not owned; null shows the placeholder picture.
    void setDocument(GraphicDocument* document);
    GraphicDocument* document() const { return m_document; }
    void setPlaceholder(const QImage& picture);
    // While editing is off the canvas only shows.
    void setEditing(bool on);
    bool isEditing() const { return m_editing; }
    // Whether a placed forward or defender takes the next free number (asked at each
    // placement, as the setting may change while the editor is open).
    void setNumberPlayers(std::function<bool()> numberPlayers) {
        m_numberPlayers = std::move(numberPlayers);
    }

    // A drawing of figures only (a tactics frame, whose file keeps no lines): no line is
    // drawn, and a paste brings its figures only.
    void setFiguresOnly(bool on) { m_figuresOnly = on; }
    bool isFiguresOnly() const { return m_figuresOnly; }

    void setSelectTool();
    void setLineTool(int lineKind);
    void setFigureTool(int figureKind);
    void setEndKind(int endKind) { m_endKind = endKind; }
    void setStraight(bool straight) { m_straight = straight; }
    Tool tool() const { return m_tool; }
    bool lineInProgress() const { return m_newLine.has_value(); }
    // Drops a line being drawn.
    void cancelLine();
    // What the current tool does and how to finish, for the status bar.
    QString hint() const;

    const QImage& buffer() const { return m_buffer; }
    const QImage& screen() const { return m_screen; }
    // Captions the popup menus in the current language.
    void applyCaptions();
    // The popup menus of a player and of a line.
    QMenu* figureMenu() const { return m_figureMenu; }
    QMenu* lineColourMenu() const { return m_lineColourMenu; }

    // Edits of the selection, also reached from the menus.
    void deleteSelection();
    void nudgeSelection(int dx, int dy);
    void duplicateSelection();
    void copySelection();
    void paste();
    void mirror(bool leftRight);

    QSize sizeHint() const override;

Q_SIGNALS:
    // A line was finished or dropped with the right button: the tools return to selecting.
    void toolFinished();
    void hintChanged(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pressToSelect(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void rightClickFigure(int figure, Qt::KeyboardModifiers modifiers);
    void placeFigure(QPoint point);
    void addLinePoint(QPoint point);
    void finishLine();
    void finishDrag();
    void onFigureMenu(int tag);
    void onLineColour(quint32 colour);
    QString askText(const QString& suggestion, bool* ok);
    void createMenus();
    // Renders the document into the buffer, then composes the screen.
    void render();
    void compose();
    void paintSelectionFrame(QImage& image) const;
    void paintRubberBand(QImage& image) const;
    void showPopup(QMenu* menu, QPoint point);

    TLanguage& m_language;
    GraphicDocument* m_document = nullptr;
    QImage m_placeholder;
    QImage m_buffer;
    QImage m_screen;
    bool m_editing = false;
    bool m_figuresOnly = false;
    std::function<bool()> m_numberPlayers = [] { return false; };
    Tool m_tool = Tool::Select;
    int m_lineKind = 0;
    int m_figureKind = 0;
    int m_endKind = 0;
    bool m_straight = false;

    std::optional<TLine> m_newLine;
    QPoint m_mouse;
    // A drag in progress: a figure, or one control point of the selected line.
    int m_dragFigure = -1;
    int m_dragLine = -1;
    int m_dragPoint = -1;
    QPoint m_dragStart;
    QPoint m_dragTo;

    QMenu* m_figureMenu = nullptr;
    QMenu* m_lineColourMenu = nullptr;
};

} // namespace korvex
