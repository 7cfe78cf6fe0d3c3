#include "ui/graphic/GraphicCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvex {

GraphicCanvas::GraphicCanvas(const QImage* screen, QWidget* parent)
    : QWidget(parent), m_screen(screen) {
    setObjectName(QStringLiteral("imgGMGround"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphicCanvas::setHandlers(MouseHandler down, MouseHandler move, MouseHandler up) {
    m_down = std::move(down);
    m_move = std::move(move);
    m_up = std::move(up);
}

QSize GraphicCanvas::sizeHint() const {
    return m_screen->size();
}

void GraphicCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, *m_screen);
}

void GraphicCanvas::mousePressEvent(QMouseEvent* event) {
    if (m_down)
        m_down(event);
}

void GraphicCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (m_move)
        m_move(event);
}

void GraphicCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (m_up)
        m_up(event);
}

void GraphicCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is one more click of the state machine (another line point).
    if (m_down)
        m_down(event);
}

} // namespace korvex
