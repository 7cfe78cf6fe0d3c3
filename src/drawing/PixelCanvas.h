#pragma once

#include <QImage>

namespace korvex {

// Single-pixel writes onto a QImage in 0x00BBGGRR colours. The colour is converted to Qt's
// 0xAARRGGBB once, here; pixels outside the image are ignored.
class PixelCanvas {
public:
    explicit PixelCanvas(QImage& image);

    void set(int x, int y, quint32 bgr) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        if (m_bits)
            reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine)[x] = toRgb(bgr);
        else
            setSlow(x, y, bgr);
    }
    int width() const { return m_width; }
    int height() const { return m_height; }

    static QRgb toRgb(quint32 bgr) {
        return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
    }

private:
    void setSlow(int x, int y, quint32 bgr);

    QImage& m_image;
    uchar* m_bits = nullptr; // set for 32-bit formats, written directly
    qsizetype m_bytesPerLine = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace korvex
