#include "storage/Thumbnail.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace korvex {

namespace {

// Adds the pixels of one picture row to the block sums of an output row, red and blue in
// the two 16-bit halves of one sum and green in another: two additions per pixel, and no
// channel is taken apart before the block is complete. A half holds the sum of up to 257
// channel values, a block of 16 x 16 pixels. `Factor` 0 takes `factor`; the common ones
// are spelled out so their loops unroll.
template <int Factor>
void addRow(const QRgb* in, quint32* redBlue, quint32* green, int w, int factor) {
    const int f = Factor ? Factor : factor;
    for (int x = 0; x < w; ++x) {
        quint32 rb = 0;
        quint32 g = 0;
        for (int dx = 0; dx < f; ++dx, ++in) {
            rb += *in & 0x00FF00FFu;
            g += *in & 0x0000FF00u;
        }
        redBlue[x] += rb;
        green[x] += g;
    }
}

} // namespace

QImage boxFilter(const QImage& picture, int factor) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width() / factor;
    const int h = source.height() / factor;
    QImage result(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    if (w == 0 || h == 0 || factor > 16) {
        result.fill(Qt::white);
        return result;
    }
    // The mean of every possible block sum, rounded down, looked up instead of divided:
    // 255 * factor^2 + 1 divisions per picture rather than three per output pixel.
    const int count = factor * factor;
    std::vector<uchar> mean(size_t(255 * count + 1));
    for (size_t sum = 0; sum < mean.size(); ++sum)
        mean[sum] = uchar(int(sum) / count);
    const auto add = factor == 2 ? addRow<2> : factor == 3 ? addRow<3> : addRow<0>;
    std::vector<quint32> redBlue(static_cast<size_t>(w));
    std::vector<quint32> green(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::fill(redBlue.begin(), redBlue.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        for (int dy = 0; dy < factor; ++dy)
            add(reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy)),
                redBlue.data(), green.data(), w, factor);
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(mean[redBlue[size_t(x)] >> 16], mean[green[size_t(x)] >> 8],
                          mean[redBlue[size_t(x)] & 0xFFFFu]);
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
