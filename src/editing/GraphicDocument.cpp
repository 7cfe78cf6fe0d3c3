#include "editing/GraphicDocument.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "storage/TGraphicPractise.h"

#include <QUndoCommand>

#include <algorithm>

namespace korvex {

namespace {
constexpr int kPointReach = 3;
} // namespace

GraphicDocument::GraphicDocument(TGraphicPractise& practise, TextLookup text, QObject* parent)
    : QObject(parent), m_practise(practise), m_text(std::move(text)) {
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
        syncModified();
        Q_EMIT changed();
    });
    connect(&m_stack, &QUndoStack::cleanChanged, this, [this] { syncModified(); });
    m_modifiedAtLoad = practise.modified();
}

GraphicDocument::~GraphicDocument() = default;

TFigures& GraphicDocument::figures() const {
    return m_practise.figures();
}

TLines& GraphicDocument::lines() const {
    return m_practise.lines();
}

QSize GraphicDocument::canvasSize() const {
    return QSize(m_practise.pictureWidth(), m_practise.pictureHeight());
}

void GraphicDocument::push(QUndoCommand* command) {
    m_stack.push(command);
}

void GraphicDocument::resetHistory() {
    m_modifiedAtLoad = m_practise.modified();
    m_selected = -1;
    m_selectedPoint = -1;
    m_stack.clear();
    m_stack.setClean();
    syncModified();
    Q_EMIT changed();
}

void GraphicDocument::markSaved() {
    m_modifiedAtLoad = false;
    m_stack.setClean();
    syncModified();
}

void GraphicDocument::takeNumbersOfFigures() {
    PlayerNumbers& forwards = m_practise.numbers(TGraphicPractise::NumbersB);
    PlayerNumbers& defenders = m_practise.numbers(TGraphicPractise::NumbersA);
    forwards.clear();
    defenders.clear();
    for (int i = 0; i < figures().count(); ++i) {
        const TFigure& figure = *figures().at(i);
        bool ok = false;
        const int number = figure.text().toInt(&ok);
        if (!ok || number < 0 || number >= PlayerNumbers::kCount)
            continue;
        if (figure.kind() == FigureForward || figure.kind() == FigureStartForward)
            forwards.take(number);
        else if (figure.kind() == FigureDefender || figure.kind() == FigureStartDefender)
            defenders.take(number);
    }
}

bool GraphicDocument::isModified() const {
    return m_modifiedAtLoad || !m_stack.isClean();
}

void GraphicDocument::syncModified() {
    // The stored item's flag is what the lists look at before they switch practises.
    m_practise.setModified(isModified());
}

int GraphicDocument::selectedFigureIndex() const {
    return m_selected >= 0 && m_selected < figures().count() ? m_selected : -1;
}

int GraphicDocument::selectedLineIndex() const {
    const int index = m_selected - figures().count();
    return m_selected >= 0 && index >= 0 && index < lines().count() ? index : -1;
}

TFigure* GraphicDocument::selectedFigure() const {
    return figures().at(selectedFigureIndex());
}

TLine* GraphicDocument::selectedLine() const {
    return lines().at(selectedLineIndex());
}

void GraphicDocument::select(int object, int point) {
    const int count = figures().count() + lines().count();
    const int selected = object >= 0 && object < count ? object : -1;
    const int selectedPoint = selected >= figures().count() ? point : -1;
    if (selected == m_selected && selectedPoint == m_selectedPoint)
        return;
    m_selected = selected;
    m_selectedPoint = selectedPoint;
    Q_EMIT changed();
}

int GraphicDocument::figureAt(QPoint point) const {
    return figures().indexAt(point);
}

int GraphicDocument::lineAt(QPoint point) const {
    for (int i = 0; i < lines().count(); ++i)
        lines().at(i)->ensureComputed();
    return lines().indexAt(point);
}

int GraphicDocument::linePointAt(int line, QPoint point) const {
    const TLine* l = lines().at(line);
    if (!l)
        return -1;
    const std::vector<QPoint>& points = l->controlPoints();
    for (size_t i = 0; i < points.size(); ++i) {
        if (qAbs(points[i].x() - point.x()) <= kPointReach &&
            qAbs(points[i].y() - point.y()) <= kPointReach)
            return int(i);
    }
    return -1;
}

QPoint GraphicDocument::clampToCanvas(QPoint point) const {
    const QSize size = canvasSize();
    return QPoint(std::clamp(point.x(), 0, size.width() - 1),
                  std::clamp(point.y(), 0, size.height() - 1));
}

} // namespace korvex
