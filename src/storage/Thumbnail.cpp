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
    if (w == 0 || h == 0)
        return result;
    // The mean of every possible block sum, rounded down, looked up instead of divided:
    // 255 * factor^2 + 1 divisions per picture rather than three per output pixel.
    const int count = factor * factor;
    std::vector<uchar> mean(size_t(255 * count + 1));
    for (size_t sum = 0; sum < mean.size(); ++sum)
        mean[sum] = uchar(int(sum) / count);
    // Per output row: channel sums of every block, gathered row by row.
    std::vector<int> sums(static_cast<size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
            int* sum = sums.data();
            for (int x = 0; x < w; ++x, sum += 3) {
                for (int dx = 0; dx < factor; ++dx, ++in) {
                    sum[0] += qRed(*in);
                    sum[1] += qGreen(*in);
                    sum[2] += qBlue(*in);
                }
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const int* sum = sums.data();
        for (int x = 0; x < w; ++x, sum += 3)
            out[x] = qRgb(mean[size_t(sum[0])], mean[size_t(sum[1])], mean[size_t(sum[2])]);
    }
    return result;
}

QImage boxFilterThumbnail(const QImage& picture) {
    QImage reduced = picture.convertToFormat(QImage::Format_RGB32);
    bool filtered = false;
    if (reduced.width() == 450 || reduced.height() == 280) {
        reduced = boxFilter(reduced, 2);
        filtered = true;
    }
    if (reduced.width() == 675 || reduced.height() == 420) {
        reduced = boxFilter(reduced, 3);
        filtered = true;
    }
    // A picture of either layout reduces to the thumbnail size exactly: nothing to cut.
    if (filtered && reduced.size() == QSize(kThumbnailWidth, kThumbnailHeight))
        return reduced;
    QImage thumbnail(kThumbnailWidth, kThumbnailHeight, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.drawImage(QPoint(0, 0), reduced);
    return thumbnail;
}

} // namespace korvex
