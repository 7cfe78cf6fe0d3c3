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

void PixelCanvas::setSlow(int x, int y, quint32 bgr) {
    m_image.setPixelColor(x, y, QColor::fromRgb(toRgb(bgr)));
}

} // namespace korvex
