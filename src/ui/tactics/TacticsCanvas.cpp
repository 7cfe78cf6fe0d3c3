#include "ui/tactics/TacticsCanvas.h"

#include <QPainter>

namespace korvex {

TacticsCanvas::TacticsCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgGMGround"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TacticsCanvas::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

QSize TacticsCanvas::sizeHint() const {
    return m_picture.size();
}

void TacticsCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, m_picture);
}

} // namespace korvex
