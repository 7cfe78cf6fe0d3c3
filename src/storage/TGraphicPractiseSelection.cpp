#include "storage/TGraphicPractise.h"

#include <QPainter>
#include <QPen>

namespace korvex {

namespace {

// The box a figure is hit in and framed by: its text for free texts, else its picture.
QRect figureBox(const TFigure& figure) {
    const QSize size = figure.kind() == FigureText ? figure.textSize() : figure.picture().size();
    const QPoint p = figure.position();
    return QRect(p.x() - size.width() / 2, p.y() - size.height() / 2, size.width(), size.height());
}

} // namespace

void TGraphicPractise::clearSelection() {
    m_selectedObject = -1;
    m_selectedPoint = -1;
    m_figures->clearSelection();
    m_lines->setSelected(-1);
}

bool TGraphicPractise::SelectAt(QPoint point) {
    const int index = m_figures->indexAt(point);
    m_selectedPoint = -1;
    if (index < 0) {
        m_selectedObject = -1;
        return false;
    }
    m_selectedObject = index;
    m_figures->setSelected(index);
    return true;
}

bool TGraphicPractise::SelectLineAt(QPoint point) {
    for (int i = 0; i < m_lines->count(); ++i)
        m_lines->at(i)->ensureComputed();
    const int index = m_lines->indexAt(point);
    if (index < 0)
        return false;
    m_selectedObject = m_figures->count() + index;
    m_selectedPoint = -1;
    m_lines->setSelected(index);
    return true;
}

bool TGraphicPractise::SelectObjectAt(QPoint point) {
    if (SelectAt(point))
        return true;
    return SelectLineAt(point);
}

bool TGraphicPractise::SelectLinePointAt(QPoint point) {
    const TLine* line = m_lines->at(m_selectedObject - m_figures->count());
    if (m_selectedObject < m_figures->count() || !line)
        return false;
    const std::vector<QPoint>& points = line->controlPoints();
    for (size_t i = 0; i < points.size(); ++i) {
        if (qAbs(points[i].x() - point.x()) <= 3 && qAbs(points[i].y() - point.y()) <= 3) {
            m_selectedPoint = static_cast<int>(i);
            return true;
        }
    }
    m_selectedPoint = -1;
    return false;
}

void TGraphicPractise::PaintSelectionFrame(QImage& bitmap) const {
    if (m_selectedObject < 0)
        return;
    QPainter painter(&bitmap);
    if (const TFigure* figure = m_figures->at(m_selectedObject)) {
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect box = figureBox(*figure);
        painter.drawRect(box.adjusted(-2, -2, 1, 1));
        return;
    }
    if (const TLine* line = m_lines->at(m_selectedObject - m_figures->count())) {
        for (const QPoint& p : line->controlPoints())
            painter.fillRect(QRect(p.x() - 3, p.y() - 3, 6, 6), Qt::black);
    }
}

bool TGraphicPractise::DeleteSelected() {
    const int figureCount = m_figures->count();
    bool deleted = false;
    if (m_selectedObject >= 0 && m_selectedObject < figureCount) {
        std::unique_ptr<TFigure> figure = m_figures->take(m_selectedObject);
        switch (figure->kind()) {
        case FigureForward:
        case FigureStartForward:
            m_numbersB.releaseText(figure->text());
            break;
        case FigureDefender:
        case FigureStartDefender:
            m_numbersA.releaseText(figure->text());
            break;
        default:
            break;
        }
        deleted = true;
    } else if (m_selectedObject >= figureCount) {
        deleted = m_lines->take(m_selectedObject - figureCount) != nullptr;
    }
    clearSelection();
    if (deleted)
        setModified(true);
    return deleted;
}

int TGraphicPractise::NextFreeNumber(NumberSet set) {
    return numbers(set).nextFree();
}

} // namespace korvex
