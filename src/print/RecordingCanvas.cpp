#include "print/RecordingCanvas.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace korvex {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kA4WidthInches = 210.0 / 25.4;

} // namespace

RecordingCanvas::RecordingCanvas()
    : m_device(8, 8, QImage::Format_RGB32), m_font(QStringLiteral("Arial")) {
    const int dotsPerMetre = static_cast<int>(std::lround(kDotsPerInch / 0.0254));
    m_device.setDotsPerMeterX(dotsPerMetre);
    m_device.setDotsPerMeterY(dotsPerMetre);
    m_unitX = std::lround(kA4WidthInches * kDotsPerInch / kPageWidth);
    setFont(m_points, m_bold);
}

void RecordingCanvas::setFont(double points, bool bold) {
    m_points = points;
    m_bold = bold;
    m_font.setPointSizeF(points);
    m_font.setBold(bold);
}

double RecordingCanvas::textWidth(const QString& text) const {
    return QFontMetricsF(m_font, &m_device).horizontalAdvance(text) / m_unitX;
}

void RecordingCanvas::drawText(double x, double y, const QString& text) {
    texts.append({m_pageIndex, x, y, m_points, m_bold, text});
}

void RecordingCanvas::drawLine(double x1, double y1, double x2, double y2) {
    lines.append({m_pageIndex, x1, y1, x2, y2});
}

void RecordingCanvas::drawImage(const QRectF& box, const QImage& image) {
    images.append({m_pageIndex, box, image.size()});
}

void RecordingCanvas::newPage() {
    ++m_pageIndex;
}

const RecordingCanvas::Text* RecordingCanvas::find(const QString& text) const {
    for (const Text& item : texts) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

QStringList RecordingCanvas::textsOfPage(int page) const {
    QStringList result;
    for (const Text& item : texts) {
        if (item.page == page)
            result.append(item.text);
    }
    return result;
}

} // namespace korvex
