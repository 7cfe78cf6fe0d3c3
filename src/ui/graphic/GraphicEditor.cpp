#include "ui/graphic/GraphicEditor.h"

#include "core/TLanguage.h"
#include "drawing/LineGeometry.h"
#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "editing/AddLineCommand.h"
#include "editing/AddObjectsCommand.h"
#include "editing/ChangeFigureTextCommand.h"
#include "editing/DeleteObjectCommand.h"
#include "editing/GraphicDocument.h"
#include "editing/MirrorCommand.h"
#include "editing/MoveFigureCommand.h"
#include "editing/PlaceFigureCommand.h"
#include "editing/RecolourLineCommand.h"
#include "editing/ReplaceLineCommand.h"
#include "editing/ToggleStartCommand.h"
#include "editing/TurnFigureCommand.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace korvex {

namespace {

constexpr int kDuplicateOffset = 10;

// The six line colours of the colour menu (0x00BBGGRR).
struct LineColour {
    const char* name;
    quint32 colour;
};
const LineColour kLineColours[] = {
    {"ppmColorBlack", 0x000000}, {"ppmColorRed", 0x0000FF},    {"ppmColorGreen", 0x00C000},
    {"ppmColorBlue", 0xFF0000},  {"ppmColorPurple", 0x800080}, {"ppmColorOrange", 0x0080FF},
};

QColor fromBgr(quint32 colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

bool isPlayer(int kind) {
    switch (kind) {
    case FigureForward:
    case FigureDefender:
    case FigureFree:
    case FigureStartForward:
    case FigureStartDefender:
    case FigureStartFree:
        return true;
    default:
        return false;
    }
}

// The box a figure is hit in and framed by: its text for free texts, else its picture.
QRect figureBox(const TFigure& figure) {
    const QSize size = figure.kind() == FigureText ? figure.textSize() : figure.picture().size();
    const QPoint p = figure.position();
    return QRect(p.x() - size.width() / 2, p.y() - size.height() / 2, size.width(), size.height());
}

} // namespace

GraphicEditor::GraphicEditor(TLanguage& language, QWidget* parent)
    : QWidget(parent), m_language(language) {
    setObjectName(QStringLiteral("imgGMGround"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    createMenus();
}

GraphicEditor::~GraphicEditor() = default;

void GraphicEditor::createMenus() {
    m_figureMenu = new QMenu(this);
    m_figureMenu->setObjectName(QStringLiteral("ppmFigure"));
    const struct {
        const char* name;
        int tag;
    } figureItems[] = {{"ppmChangeText", 1}, {"ppmChangeColor", 2}};
    for (const auto& item : figureItems) {
        QAction* action = m_figureMenu->addAction(QString::fromLatin1(item.name));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setProperty("Tag", item.tag);
        connect(action, &QAction::triggered, this, [this, tag = item.tag] { onFigureMenu(tag); });
    }
    m_lineColourMenu = new QMenu(this);
    m_lineColourMenu->setObjectName(QStringLiteral("ppmLineColor"));
    int tag = 1;
    for (const LineColour& c : kLineColours) {
        QPixmap swatch(14, 14);
        swatch.fill(fromBgr(c.colour));
        QAction* action = m_lineColourMenu->addAction(QIcon(swatch), QString::fromLatin1(c.name));
        action->setObjectName(QString::fromLatin1(c.name));
        action->setProperty("Tag", tag++);
        connect(action, &QAction::triggered, this,
                [this, colour = c.colour] { onLineColour(colour); });
    }
}

void GraphicEditor::applyCaptions() {
    for (QMenu* menu : {m_figureMenu, m_lineColourMenu}) {
        for (QAction* action : menu->actions())
            action->setText(m_language.Text(action->objectName()));
    }
}

void GraphicEditor::setDocument(GraphicDocument* document) {
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    m_newLine.reset();
    m_dragFigure = m_dragLine = m_dragPoint = -1;
    if (m_document)
        connect(m_document, &GraphicDocument::changed, this, &GraphicEditor::render);
    render();
}

void GraphicEditor::setPlaceholder(const QImage& picture) {
    m_placeholder = picture;
    if (!m_document)
        render();
}

void GraphicEditor::setEditing(bool on) {
    m_editing = on;
    if (!on) {
        // Leaving the edit state drops a line in progress and returns to selecting.
        m_newLine.reset();
        m_tool = Tool::Select;
        if (m_document)
            m_document->clearSelection();
        render();
    }
}

void GraphicEditor::setSelectTool() {
    m_tool = Tool::Select;
    Q_EMIT hintChanged(hint());
}

void GraphicEditor::setLineTool(int lineKind) {
    if (m_figuresOnly)
        return;
    if (m_tool != Tool::Line || lineKind != m_lineKind)
        m_newLine.reset(); // another tool drops the line being drawn
    m_tool = Tool::Line;
    m_lineKind = lineKind;
    if (m_document)
        m_document->clearSelection();
    compose();
    Q_EMIT hintChanged(hint());
}

void GraphicEditor::setFigureTool(int figureKind) {
    m_newLine.reset();
    m_tool = Tool::Figure;
    m_figureKind = figureKind;
    if (m_document)
        m_document->clearSelection();
    compose();
    Q_EMIT hintChanged(hint());
}

void GraphicEditor::cancelLine() {
    m_newLine.reset();
    compose();
}

QString GraphicEditor::hint() const {
    switch (m_tool) {
    case Tool::Line:
        return m_language.Text(LK("HintLineTool"));
    case Tool::Figure:
        return m_language.Text(LK("HintFigureTool"));
    case Tool::Select:
        break;
    }
    return m_language.Text(LK("HintSelectTool"));
}

QSize GraphicEditor::sizeHint() const {
    return m_screen.size();
}

// Rendering.

void GraphicEditor::render() {
    if (!m_document) {
        m_buffer = m_placeholder;
        compose();
        return;
    }
    TGraphicPractise& practise = m_document->practise();
    PractiseScene scene = practise.scene();
    scene.hiddenFigure = m_dragFigure;
    const QSize size = m_document->canvasSize();
    // The render paints every pixel, so a buffer whose pixels are shared (with the screen
    // or the placeholder) is replaced rather than copied first.
    m_screen = QImage();
    practise.keepRenderedPicture(QImage()); // lets go of the last one, so it is drawn over
    if (m_buffer.size() != size || m_buffer.format() != QImage::Format_RGB32 ||
        !m_buffer.isDetached())
        m_buffer = QImage(size, QImage::Format_RGB32);
    renderPractise(m_buffer, scene);
    // The whole drawing (no figure held back for a drag) is what a save draws: the practise
    // keeps it, so saving this state encodes it instead of drawing it again.
    if (m_dragFigure < 0)
        practise.keepRenderedPicture(m_buffer);
    compose();
}

void GraphicEditor::compose() {
    // The screen shares the buffer's pixels; painting a mark on it makes its own copy, so
    // the buffer is copied only when there is a mark to show.
    m_screen = m_buffer;
    if (m_document && !m_screen.isNull()) {
        if (const TFigure* dragged = m_document->figures().at(m_dragFigure)) {
            TFigure moved = *dragged;
            moved.setPosition(
                m_document->clampToCanvas(dragged->position() + m_dragTo - m_dragStart));
            moved.draw(m_screen);
        }
        paintRubberBand(m_screen);
        paintSelectionFrame(m_screen);
    }
    update();
}

void GraphicEditor::paintSelectionFrame(QImage& image) const {
    const TFigure* figure = m_document->selectedFigure();
    const TLine* line = figure ? nullptr : m_document->selectedLine();
    if (!figure && !line)
        return;
    QPainter painter(&image);
    if (figure) {
        QRect box = figureBox(*figure);
        if (m_dragFigure == m_document->selectedFigureIndex())
            box.moveCenter(m_document->clampToCanvas(figure->position() + m_dragTo - m_dragStart));
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(-2, -2, 1, 1));
        return;
    }
    std::vector<QPoint> points = line->controlPoints();
    if (m_dragLine >= 0 && m_dragPoint >= 0 && size_t(m_dragPoint) < points.size()) {
        // The point being dragged, and the control polygon it changes.
        points[size_t(m_dragPoint)] = m_dragTo;
        painter.setPen(QPen(Qt::black, 1));
        for (size_t i = 1; i < points.size(); ++i)
            painter.drawLine(points[i - 1], points[i]);
    }
    for (const QPoint& p : points)
        painter.fillRect(QRect(p.x() - 3, p.y() - 3, 6, 6), Qt::black);
}

void GraphicEditor::paintRubberBand(QImage& image) const {
    if (!m_newLine)
        return;
    std::vector<QPoint> points = m_newLine->controlPoints();
    points.push_back(m_mouse);
    // The band shows the line as it will be: curved through three or more points.
    const std::vector<QPointF> path = !m_straight && points.size() > 2
                                          ? linegeometry::curvedPath(points)
                                          : linegeometry::straightPath(points);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawPolyline(path.data(), int(path.size()));
}

void GraphicEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, m_screen);
}

// The mouse.

void GraphicEditor::mousePressEvent(QMouseEvent* event) {
    press(event->position().toPoint(), event->button(), event->modifiers());
}

void GraphicEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a quick double click is one more line point; with a figure tool it
    // would place a second figure on the first, so it is ignored.
    if (m_tool == Tool::Line)
        press(event->position().toPoint(), event->button(), event->modifiers());
}

void GraphicEditor::press(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    m_mouse = point;
    if (!m_document || !m_editing)
        return;
    if (m_tool == Tool::Select && !m_newLine) {
        pressToSelect(point, button, modifiers);
    } else if (button == Qt::LeftButton) {
        if (m_tool == Tool::Line)
            addLinePoint(m_document->clampToCanvas(point));
        else
            placeFigure(m_document->clampToCanvas(point));
    } else if (button == Qt::RightButton) {
        finishLine();
    }
}

void GraphicEditor::pressToSelect(QPoint point, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers) {
    GraphicDocument& document = *m_document;
    const int figure = document.figureAt(point);
    const int figureCount = document.figures().count();
    if (button == Qt::RightButton) {
        // The figure under the mouse wins over a point of the selected line.
        if (figure >= 0) {
            document.select(figure);
            rightClickFigure(figure, modifiers);
        } else if (const int line = document.lineAt(point); line >= 0) {
            document.select(figureCount + line);
            showPopup(m_lineColourMenu, point);
        } else {
            document.clearSelection();
        }
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const int selectedLine = document.selectedLineIndex();
    if (const int p = document.linePointAt(selectedLine, point); selectedLine >= 0 && p >= 0) {
        m_dragLine = selectedLine;
        m_dragPoint = p;
        m_dragStart = m_dragTo = document.lines().at(selectedLine)->controlPoints()[size_t(p)];
        compose();
        return;
    }
    if (figure >= 0) {
        document.select(figure);
        m_dragFigure = figure;
        m_dragStart = m_dragTo = point;
        render(); // the buffer without the figure, which the screen draws where it is dragged
        return;
    }
    const int line = document.lineAt(point);
    document.select(line >= 0 ? figureCount + line : -1);
}

void GraphicEditor::rightClickFigure(int figure, Qt::KeyboardModifiers modifiers) {
    const TFigure* f = m_document->figures().at(figure);
    const int kind = f->kind();
    if (isPlayer(kind)) {
        if (modifiers & Qt::ControlModifier)
            m_document->push(new ToggleStartCommand(*m_document, figure));
        else
            showPopup(m_figureMenu, f->position());
    } else if (kind == FigureNet || kind == FigureObstacle || kind == FigureBigNet) {
        m_document->push(new TurnFigureCommand(*m_document, figure));
    } else if (kind == FigureText) {
        bool ok = false;
        const QString text = askText(f->text(), &ok);
        if (ok && text != f->text())
            m_document->push(new ChangeFigureTextCommand(*m_document, figure, text));
    }
}

void GraphicEditor::placeFigure(QPoint point) {
    TFigure figure(&m_document->practise().drawingSettings());
    if (!figure.setKind(quint8(m_figureKind))) {
        dialogs().information(this, figure.errorString());
        return;
    }
    figure.setPosition(point);
    if (m_figureKind == FigureText) {
        // A text figure without text would be invisible and could never be selected.
        bool ok = false;
        const QString text = askText(QString(), &ok);
        if (!ok)
            return;
        figure.setText(text);
    }
    m_document->push(new PlaceFigureCommand(*m_document, figure, m_numberPlayers()));
}

void GraphicEditor::addLinePoint(QPoint point) {
    if (!m_newLine) {
        m_newLine.emplace(&m_document->practise().drawingSettings());
        m_newLine->setLineKind(quint8(m_lineKind));
        // Dashed and double lines (passes and shots) always end in an arrow.
        m_newLine->setEndKind(quint8(m_lineKind == 1 || m_lineKind == 2 ? 0 : m_endKind));
    }
    m_newLine->addPoint(point);
    compose();
}

void GraphicEditor::finishLine() {
    if (m_newLine && m_newLine->controlPointCount() > 1) {
        m_newLine->setCurved(!m_straight);
        m_document->push(new AddLineCommand(*m_document, *m_newLine));
    }
    m_newLine.reset();
    m_tool = Tool::Select;
    render();
    Q_EMIT toolFinished();
    Q_EMIT hintChanged(hint());
}

void GraphicEditor::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    m_mouse = point;
    if (!m_document || !m_editing)
        return;
    if (m_newLine) {
        compose();
    } else if (m_dragFigure >= 0 || m_dragLine >= 0) {
        m_dragTo = m_dragLine >= 0 ? m_document->clampToCanvas(point) : point;
        compose();
    } else if (m_tool == Tool::Select) {
        const bool near = m_document->linePointAt(m_document->selectedLineIndex(), point) >= 0;
        if (near)
            setCursor(Qt::SizeAllCursor);
        else
            unsetCursor();
    }
}

void GraphicEditor::mouseReleaseEvent(QMouseEvent*) {
    finishDrag();
}

void GraphicEditor::finishDrag() {
    if (!m_document)
        return;
    const int figure = m_dragFigure;
    const int line = m_dragLine;
    const int point = m_dragPoint;
    m_dragFigure = m_dragLine = m_dragPoint = -1;
    unsetCursor();
    if (const TFigure* f = m_document->figures().at(figure)) {
        const QPoint to = m_document->clampToCanvas(f->position() + m_dragTo - m_dragStart);
        if (to != f->position()) {
            m_document->push(new MoveFigureCommand(*m_document, figure, to));
            return; // the push repaints
        }
    } else if (const TLine* l = m_document->lines().at(line); l && m_dragTo != m_dragStart) {
        TLine moved = *l;
        moved.setPoint(point, m_dragTo);
        m_document->push(new ReplaceLineCommand(*m_document, line, moved, "CmdMoveLinePoint"));
        return;
    }
    render();
}

// Popups and prompts.

void GraphicEditor::showPopup(QMenu* menu, QPoint point) {
    dialogs().popup(menu, mapToGlobal(point));
}

QString GraphicEditor::askText(const QString& suggestion, bool* ok) {
    const QString text = dialogs().getText(this, m_language, m_language.Text(LK("FormGetText")),
                                           TextPromptLayout::Short, suggestion);
    *ok = !text.isEmpty();
    return text;
}

void GraphicEditor::onFigureMenu(int tag) {
    const int figure = m_document ? m_document->selectedFigureIndex() : -1;
    if (figure < 0)
        return;
    if (tag == 1) {
        bool ok = false;
        const QString current = m_document->figures().at(figure)->text();
        const QString text = askText(current, &ok);
        if (ok && text != current)
            m_document->push(new ChangeFigureTextCommand(*m_document, figure, text));
    } else if (tag == 2) {
        m_document->push(new ToggleStartCommand(*m_document, figure));
    }
}

void GraphicEditor::onLineColour(quint32 colour) {
    const int line = m_document ? m_document->selectedLineIndex() : -1;
    if (line >= 0 && m_document->lines().at(line)->colour() != colour)
        m_document->push(new RecolourLineCommand(*m_document, line, colour));
}

// Keyboard and menu edits.

void GraphicEditor::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_newLine)
            cancelLine();
        else if (m_document)
            m_document->clearSelection();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        deleteSelection();
        return;
    case Qt::Key_Left:
        nudgeSelection(-step, 0);
        return;
    case Qt::Key_Right:
        nudgeSelection(step, 0);
        return;
    case Qt::Key_Up:
        nudgeSelection(0, -step);
        return;
    case Qt::Key_Down:
        nudgeSelection(0, step);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void GraphicEditor::deleteSelection() {
    if (m_document && m_editing && m_document->selectedObject() >= 0)
        m_document->push(new DeleteObjectCommand(*m_document, m_document->selectedObject()));
}

void GraphicEditor::nudgeSelection(int dx, int dy) {
    if (!m_document || !m_editing)
        return;
    if (const TFigure* figure = m_document->selectedFigure()) {
        const QPoint to = m_document->clampToCanvas(figure->position() + QPoint(dx, dy));
        if (to != figure->position())
            m_document->push(
                new MoveFigureCommand(*m_document, m_document->selectedFigureIndex(), to, true));
    } else if (const TLine* line = m_document->selectedLine()) {
        TLine moved = *line;
        moved.ensureComputed();
        moved.moveBy(dx, dy);
        m_document->push(new ReplaceLineCommand(*m_document, m_document->selectedLineIndex(), moved,
                                                "CmdMoveLine"));
    }
}

namespace {

DrawingClip clipOfSelection(const GraphicDocument& document) {
    DrawingClip clip;
    if (const TFigure* figure = document.selectedFigure())
        clip.figures.push_back(*figure);
    else if (const TLine* line = document.selectedLine())
        clip.lines.push_back(*line);
    return clip;
}

} // namespace

void GraphicEditor::duplicateSelection() {
    if (!m_document || !m_editing)
        return;
    const DrawingClip clip = clipOfSelection(*m_document);
    if (!clip.isEmpty())
        m_document->push(new AddObjectsCommand(*m_document, clip,
                                               QPoint(kDuplicateOffset, kDuplicateOffset),
                                               m_numberPlayers(), "CmdDuplicate"));
}

void GraphicEditor::copySelection() {
    if (!m_document)
        return;
    DrawingClip clip = clipOfSelection(*m_document);
    if (clip.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(drawingClipMimeType(), encodeDrawingClip(clip));
    // A picture of the object for other programs: the rendered practise cut to its box.
    QRect box;
    if (!clip.figures.empty()) {
        box = figureBox(clip.figures.front());
    } else {
        TLine& line = clip.lines.front();
        line.ensureComputed();
        for (const QPoint& p : line.raster())
            box |= QRect(p, QSize(1, 1));
    }
    box = box.adjusted(-6, -6, 6, 6).intersected(m_buffer.rect());
    if (!box.isEmpty())
        data->setImageData(m_buffer.copy(box));
    QApplication::clipboard()->setMimeData(data);
}

void GraphicEditor::paste() {
    if (!m_document || !m_editing)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(drawingClipMimeType()))
        return;
    DrawingClip clip;
    QString error;
    if (!decodeDrawingClip(data->data(drawingClipMimeType()),
                           &m_document->practise().drawingSettings(), &clip, &error)) {
        dialogs().information(this, error);
        return;
    }
    if (m_figuresOnly)
        clip.lines.clear();
    if (!clip.isEmpty())
        m_document->push(
            new AddObjectsCommand(*m_document, clip, QPoint(), m_numberPlayers(), "CmdPaste"));
}

void GraphicEditor::mirror(bool leftRight) {
    if (m_document && m_editing)
        m_document->push(new MirrorCommand(*m_document, leftRight));
}

} // namespace korvex
