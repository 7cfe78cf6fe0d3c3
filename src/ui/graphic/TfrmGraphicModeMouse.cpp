// The canvas state machine of the graphic editor: placing figures, drawing lines point by
// point, selecting, dragging figures and line points, and the right-button actions.
#include "ui/graphic/TfrmGraphicMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/TFigure.h"
#include "drawing/TFigures.h"
#include "drawing/TLine.h"
#include "drawing/TLines.h"
#include "storage/PlayerNumbers.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/graphic/GraphicCanvas.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace korvex {

namespace {

constexpr int kFirstFigureTag = 7;
constexpr int kPointReach = 3;

enum FigureKindCode : quint8 {
    kForward = 0,
    kDefender = 1,
    kFree = 3,
    kNet = 5,
    kObstacle = 10,
    kText = 11,
    kBigNet = 12,
    kStartForward = 13,
    kStartDefender = 14,
    kStartFree = 15,
};

const quint32 kColours[] = {0x000000, 0x0000FF, 0x00C000, 0xFF0000, 0x800080, 0x0080FF};

bool nearPoint(QPoint a, QPoint b) {
    return std::abs(a.x() - b.x()) <= kPointReach && std::abs(a.y() - b.y()) <= kPointReach;
}

} // namespace

bool TfrmGraphicMode::isSelectState() const {
    return m_spbHelp1->isChecked();
}

TFigure* TfrmGraphicMode::selectedFigure() const {
    const int object = m_practise->selectedObject();
    if (object < 0 || object >= m_practise->figures().count())
        return nullptr;
    return m_practise->figures().at(object);
}

TLine* TfrmGraphicMode::selectedLine() const {
    const int index = m_practise->selectedObject() - m_practise->figures().count();
    if (m_practise->selectedObject() < 0 || index < 0 || index >= m_practise->lines().count())
        return nullptr;
    return m_practise->lines().at(index);
}

void TfrmGraphicMode::renderBuffer() {
    m_practise->Render(m_buffer);
}

void TfrmGraphicMode::blit() {
    m_screen = m_buffer.copy();
    m_canvas->update();
}

void TfrmGraphicMode::paintSelectionFrame() {
    m_practise->PaintSelectionFrame(m_screen);
    m_canvas->update();
}

void TfrmGraphicMode::drawFigureOn(QImage& image, const TFigure& figure) {
    QPainter painter(&image);
    figure.draw(painter);
}

QString TfrmGraphicMode::askText(const QString& suggestion, bool* ok) {
    const QString text = dialogs().getText(this, language(), language().Text(LK("FormGetText")),
                                           TextPromptLayout::Short, suggestion);
    *ok = !text.isEmpty();
    return text;
}

void TfrmGraphicMode::mouseDown(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    m_canvasPopup = nullptr;
    m_last = point;
    if (!settings().EditFlag())
        return;
    m_buttonHeld = button == Qt::LeftButton;
    m_practise->setModified(true);

    if (isSelectState() && !m_lineInProgress) {
        selectAt(point, button, event->modifiers());
    } else if (button == Qt::LeftButton) {
        placeAt(point);
    } else if (button == Qt::RightButton) {
        finishLine();
    }
    if (m_canvasPopup != nullptr)
        showCanvasPopup(point);
}

void TfrmGraphicMode::selectAt(QPoint point, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    if (selectedLine() != nullptr && m_practise->SelectLinePointAt(point)) {
        m_draggingPoint = true;
        return;
    }
    m_draggingPoint = false;
    m_practise->SelectObjectAt(point);
    if (button == Qt::RightButton && selectedLine() != nullptr)
        m_canvasPopup = m_ppmLineColor;

    TFigure* figure = selectedFigure();
    if (figure == nullptr && selectedLine() == nullptr) {
        renderBuffer();
        blit();
        return;
    }
    if (figure == nullptr) {
        blit();
        paintSelectionFrame();
        return;
    }
    // The buffer holds everything but the selected figure, which the screen picture shows
    // on top, so a drag only moves that one figure.
    const int kind = figure->kind();
    const bool right = button == Qt::RightButton;
    TFigures& figures = m_practise->figures();
    figures.setSelected(m_practise->selectedObject());
    figures.drawSelected = right && (kind == kNet || kind == kObstacle || kind == kBigNet);
    renderBuffer();
    figures.drawSelected = true;
    blit();
    drawFigureOn(m_screen, *figure);
    paintSelectionFrame();
    if (!right)
        return;
    switch (kind) {
    case kForward:
    case kDefender:
    case kFree:
    case kStartForward:
    case kStartDefender:
    case kStartFree:
        if (modifiers & Qt::ControlModifier)
            figure->toggleStartKind();
        else
            m_canvasPopup = m_ppmFigure;
        break;
    case kNet:
    case kObstacle:
    case kBigNet:
        figure->setVariant(figure->variant() + 1);
        break;
    case kText: {
        bool ok = false;
        const QString text = askText(figure->text(), &ok);
        if (ok)
            figure->setText(text);
        break;
    }
    default:
        break;
    }
    // After a right-button change the figure belongs in the buffer again.
    renderBuffer();
    blit();
    paintSelectionFrame();
}

void TfrmGraphicMode::placeAt(QPoint point) {
    if (m_toolIsLine) {
        if (!m_lineInProgress) {
            m_newLine = std::make_unique<TLine>(&m_practise->drawingSettings());
            m_newLine->setLineKind(quint8(m_lineKind));
            m_newLine->setEndKind(quint8(m_lineKind == 1 || m_lineKind == 2 ? 0 : m_endKind));
            m_newLine->addPoint(point);
            m_lineInProgress = true;
            renderBuffer();
            blit();
        } else {
            m_newLine->addPoint(point);
        }
        drawRubberBand(point);
        return;
    }
    auto figure = std::make_unique<TFigure>(&m_practise->drawingSettings());
    if (!figure->setKind(quint8(m_figureKind))) {
        dialogs().information(this, figure->errorString());
        return;
    }
    figure->setPosition(point);
    if (settings().CountPlayers() && (m_figureKind == kForward || m_figureKind == kDefender)) {
        const int number = m_practise->NextFreeNumber(
            m_figureKind == kDefender ? TGraphicPractise::NumbersA : TGraphicPractise::NumbersB);
        if (number != PlayerNumbers::kNone)
            figure->setText(QString::number(number));
    }
    if (m_figureKind == kText) {
        bool ok = false;
        figure->setText(askText(QString(), &ok));
    }
    TFigure* added = m_practise->figures().add(std::move(figure));
    drawFigureOn(m_buffer, *added);
    blit();
}

void TfrmGraphicMode::finishLine() {
    if (m_lineInProgress && m_newLine && m_newLine->controlPointCount() > 1) {
        m_newLine->setCurved(!m_chbLineType->isChecked());
        m_practise->lines().add(std::move(m_newLine));
    }
    m_newLine.reset();
    m_lineInProgress = false;
    m_toolIsLine = false;
    renderBuffer();
    blit();
    m_spbHelp1->setChecked(true);
    m_spbArrowArrow->setChecked(true);
    m_endKind = 0;
}

void TfrmGraphicMode::mouseMove(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!settings().EditFlag()) {
        m_last = point;
        return;
    }
    if (m_lineInProgress) {
        blit();
        drawRubberBand(point);
    } else if (m_buttonHeld && selectedFigure() != nullptr) {
        TFigure* figure = selectedFigure();
        figure->moveBy(point.x() - m_last.x(), point.y() - m_last.y());
        blit();
        drawFigureOn(m_screen, *figure);
        paintSelectionFrame();
    } else if (m_buttonHeld && selectedLine() != nullptr) {
        const bool inside = point.x() >= 0 && point.x() <= m_buffer.width() && point.y() >= 0 &&
                            point.y() <= m_buffer.height();
        if (m_draggingPoint && inside) {
            selectedLine()->setPoint(m_practise->selectedPoint(), point);
            blit();
            drawPointDrag();
        } else {
            m_canvas->unsetCursor();
            finishMouseUp();
        }
    } else if (isSelectState()) {
        bool near = false;
        if (const TLine* line = selectedLine()) {
            for (const QPoint& p : line->controlPoints())
                near = near || nearPoint(p, point);
        }
        if (near)
            m_canvas->setCursor(Qt::SizeAllCursor);
        else
            m_canvas->unsetCursor();
    }
    m_last = point;
}

void TfrmGraphicMode::mouseUp(QMouseEvent*) {
    finishMouseUp();
}

void TfrmGraphicMode::finishMouseUp() {
    if (settings().EditFlag() && m_buttonHeld && isSelectState() && !m_lineInProgress) {
        if (TFigure* figure = selectedFigure()) {
            drawFigureOn(m_buffer, *figure);
            blit();
            paintSelectionFrame();
        } else if (selectedLine() != nullptr) {
            // Only the moved line is dirty; the others keep their computed paths.
            renderBuffer();
            blit();
            paintSelectionFrame();
        }
    }
    m_buttonHeld = false;
    m_draggingPoint = false;
}

void TfrmGraphicMode::drawRubberBand(QPoint to) {
    if (!m_newLine)
        return;
    QPainter painter(&m_screen);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const auto& points = m_newLine->controlPoints();
    for (size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1], points[i]);
    if (!points.empty())
        painter.drawLine(points.back(), to);
    painter.end();
    m_canvas->update();
}

void TfrmGraphicMode::drawPointDrag() {
    const TLine* line = selectedLine();
    if (line == nullptr)
        return;
    QPainter painter(&m_screen);
    const QPoint point = line->controlPoints().at(size_t(m_practise->selectedPoint()));
    painter.fillRect(QRect(point - QPoint(3, 3), point + QPoint(3, 3)), Qt::black);
    painter.setPen(QPen(Qt::black, 1));
    const auto& points = line->controlPoints();
    for (size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1], points[i]);
    painter.end();
    m_canvas->update();
}

void TfrmGraphicMode::showCanvasPopup(QPoint pos) {
    QMenu* menu = m_canvasPopup;
    m_canvasPopup = nullptr;
    m_buttonHeld = false;
    dialogs().popup(menu, m_canvas->mapToGlobal(pos));
}

void TfrmGraphicMode::onToolClicked(QAbstractButton* button) {
    const int tag = button->property("Tag").toInt();
    m_practise->clearSelection();
    m_draggingPoint = false;
    if (tag < 0)
        return; // the hidden select tool
    if (m_lineInProgress) {
        // Another tool drops the line being drawn.
        m_lineInProgress = false;
        m_newLine.reset();
    }
    m_toolIsLine = tag < kFirstFigureTag;
    if (tag == 1 || tag == 2) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
    }
    if (tag >= kFirstFigureTag) {
        m_figureKind = tag - kFirstFigureTag;
        renderBuffer();
        blit();
    } else {
        m_lineKind = tag;
        blit();
    }
}

void TfrmGraphicMode::onEndClicked(QAbstractButton* button) {
    const bool forcedArrow =
        !m_spbHelp1->isChecked() && m_toolIsLine && (m_lineKind == 1 || m_lineKind == 2);
    if (forcedArrow) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
        return;
    }
    m_endKind = button->property("Tag").toInt();
}

void TfrmGraphicMode::onLineTypeClicked() {
    TLine* line = selectedLine();
    if (line == nullptr)
        return;
    line->setCurved(!m_chbLineType->isChecked());
    m_practise->setModified(true);
    renderBuffer();
    blit();
    paintSelectionFrame();
}

void TfrmGraphicMode::onFigureMenu(int tag) {
    TFigure* figure = selectedFigure();
    if (figure == nullptr)
        return;
    if (tag == 1) {
        bool ok = false;
        const QString text = askText(figure->text(), &ok);
        if (ok)
            figure->setText(text);
    } else if (tag == 2) {
        figure->toggleStartKind();
    }
    m_practise->setModified(true);
    renderBuffer();
    blit();
    paintSelectionFrame();
}

void TfrmGraphicMode::onLineColour(int tag) {
    const int index = m_practise->selectedObject() - m_practise->figures().count();
    if (selectedLine() == nullptr || tag < 1 || tag > 6)
        return;
    m_practise->lines().recolourLine(index, kColours[tag - 1]);
    m_practise->setModified(true);
    renderBuffer();
    blit();
}

} // namespace korvex
