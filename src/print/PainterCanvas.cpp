#include "print/PainterCanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace korvex {

namespace {

// At least one device pixel per unit, so that a degenerate device never divides by zero.
int unitOf(int deviceSize, double units) {
    return std::max(1, static_cast<int>(std::lround(deviceSize / units)));
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device), m_unitX(unitOf(device.width(), kPageWidth)),
      m_unitY(unitOf(device.height(), kPageHeight)), m_font(QStringLiteral("Arial")) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(Qt::black, std::max(1, m_unitX / 60)));
    setFont(m_points, m_bold);
}

int PainterCanvas::deviceX(double x) const {
    return static_cast<int>(std::lround(x * m_unitX));
}

int PainterCanvas::deviceY(double y) const {
    return static_cast<int>(std::lround(y * m_unitY));
}

void PainterCanvas::setFont(double points, bool bold) {
    m_points = points;
    m_bold = bold;
    m_font.setPointSizeF(points);
    m_font.setBold(bold);
    m_painter.setFont(m_font);
}

double PainterCanvas::textWidth(const QString& text) const {
    const QFontMetricsF metrics(m_font, &m_device);
    return metrics.horizontalAdvance(text) / m_unitX;
}

void PainterCanvas::drawText(double x, double y, const QString& text) {
    const QFontMetricsF metrics(m_font, &m_device);
    m_painter.drawText(QPointF(deviceX(x), deviceY(y) + metrics.ascent()), text);
}

void PainterCanvas::drawLine(double x1, double y1, double x2, double y2) {
    m_painter.drawLine(deviceX(x1), deviceY(y1), deviceX(x2), deviceY(y2));
}

void PainterCanvas::drawImage(const QRectF& box, const QImage& image) {
    const QRect target(QPoint(deviceX(box.left()), deviceY(box.top())),
                       QPoint(deviceX(box.right()) - 1, deviceY(box.bottom()) - 1));
    m_painter.drawImage(target, image);
}

void PainterCanvas::newPage() {
    m_device.newPage();
    ++m_pageIndex;
    // A new page starts with the painter's state of the device; keep ours.
    m_painter.setFont(m_font);
}

} // namespace korvex
