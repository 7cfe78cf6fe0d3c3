#include "storage/Thumbnail.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace korvex {

namespace {

// A pixel's three channels spread into 21-bit lanes of one integer (blue at bit 0, green
// at 21, red at 42), so a block's sums are gathered with one addition per pixel; a lane
// holds the sum of up to 8,224 channel values, a block of 90 x 90 pixels.
constexpr int kLane = 21;
constexpr quint64 kLaneMask = (quint64(1) << kLane) - 1;

inline quint64 spread(QRgb pixel) {
    return quint64(pixel & 0xFFu) | (quint64(pixel & 0xFF00u) << (kLane - 8)) |
           (quint64(pixel & 0xFF0000u) << (2 * kLane - 16));
}

} // namespace

QImage boxFilter(const QImage& picture, int factor) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width() / factor;
    const int h = source.height() / factor;
    QImage result(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    if (w == 0 || h == 0 || factor > 90) {
        result.fill(Qt::white);
        return result;
    }
    // The mean of every possible block sum, rounded down, looked up instead of divided:
    // 255 * factor^2 + 1 divisions per picture rather than three per output pixel.
    const int count = factor * factor;
    std::vector<uchar> mean(size_t(255 * count + 1));
    for (size_t sum = 0; sum < mean.size(); ++sum)
        mean[sum] = uchar(int(sum) / count);
    // Per output row: the spread channel sums of every block, gathered row by row.
    std::vector<quint64> sums(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
            for (quint64& sum : sums) {
                for (int dx = 0; dx < factor; ++dx)
                    sum += spread(*in++);
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (const quint64 sum : sums)
            *out++ = qRgb(mean[size_t(sum >> (2 * kLane))],
                          mean[size_t((sum >> kLane) & kLaneMask)], mean[size_t(sum & kLaneMask)]);
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
