#include "storage/Thumbnail.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace korvex {

QImage boxFilter(const QImage& picture, int factor) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width() / factor;
    const int h = source.height() / factor;
    QImage result(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    result.fill(Qt::white);
    const int count = factor * factor;
    // Per output row: channel sums of every block, gathered row by row.
    std::vector<int> sums(static_cast<size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
            for (int x = 0; x < w * factor; ++x) {
                int* sum = &sums[static_cast<size_t>(x / factor) * 3];
                sum[0] += qRed(in[x]);
                sum[1] += qGreen(in[x]);
                sum[2] += qBlue(in[x]);
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int* sum = &sums[static_cast<size_t>(x) * 3];
            // A shift for 2 x 2 blocks, a division otherwise: both round down.
            out[x] = factor == 2 ? qRgb(sum[0] >> 2, sum[1] >> 2, sum[2] >> 2)
                                 : qRgb(sum[0] / count, sum[1] / count, sum[2] / count);
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
