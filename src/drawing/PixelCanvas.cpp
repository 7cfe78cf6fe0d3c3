#include "drawing/PixelCanvas.h"

namespace korvex {

PixelCanvas::PixelCanvas(QImage& image)
    : m_image(image), m_width(image.width()), m_height(image.height()) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        m_bits = image.bits(); // detaches once
        m_bytesPerLine = image.bytesPerLine();
        break;
    default:
        break;
    }
}

void PixelCanvas::set(int x, int y, quint32 bgr) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    const QRgb rgb = toRgb(bgr);
    if (m_bits)
        reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine)[x] = rgb;
    else
        m_image.setPixelColor(x, y, QColor::fromRgb(rgb));
}

} // namespace korvex
