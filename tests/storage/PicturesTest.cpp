#include "drawing/FitRule.h"
#include "storage/PlayerNumbers.h"
#include "storage/PractiseGround.h"
#include "storage/RinkPictureCache.h"
#include "storage/Thumbnail.h"

#include "core/BinaryReader.h"
#include "core/Jpeg.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace korvex;

TEST(Thumbnail, BoxFilterAveragesBlocksAndCutsTo225x140) {
    // Large layout: 3 x 3 blocks. Each block holds values 0..8 in red, so the mean is 4;
    // green is 10 in one pixel only: 10 / 9 rounds down to 1.
    QImage large(675, 420, QImage::Format_RGB32);
    for (int y = 0; y < 420; ++y)
        for (int x = 0; x < 675; ++x)
            large.setPixel(x, y,
                           qRgb((y % 3) * 3 + x % 3, (x % 3 == 0 && y % 3 == 0) ? 10 : 0, 200));
    QImage thumb = boxFilterThumbnail(large);
    ASSERT_EQ(thumb.size(), QSize(225, 140));
    EXPECT_EQ(thumb.pixel(0, 0), qRgb(4, 1, 200));
    EXPECT_EQ(thumb.pixel(224, 139), qRgb(4, 1, 200));

    // Small layout: 2 x 2 blocks; 1 + 2 + 3 + 5 = 11, shifted right by 2 gives 2.
    QImage small(450, 280, QImage::Format_RGB32);
    const int values[2][2] = {{1, 2}, {3, 5}};
    for (int y = 0; y < 280; ++y)
        for (int x = 0; x < 450; ++x)
            small.setPixel(x, y, qRgb(values[y % 2][x % 2], 255, 0));
    thumb = boxFilterThumbnail(small);
    ASSERT_EQ(thumb.size(), QSize(225, 140));
    EXPECT_EQ(thumb.pixel(100, 100), qRgb(2, 255, 0));

    // Any other size is only cut (and padded white) to the thumbnail size.
    QImage odd(300, 100, QImage::Format_RGB32);
    odd.fill(Qt::black);
    thumb = boxFilterThumbnail(odd);
    ASSERT_EQ(thumb.size(), QSize(225, 140));
    EXPECT_EQ(thumb.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(thumb.pixel(0, 120), qRgb(255, 255, 255));
    EXPECT_EQ(boxFilterThumbnail(QImage()).size(), QSize(225, 140));
}

namespace {

// The box filter as it was first written (a division per block and per pixel column), kept
// as the reference the faster one must match bit for bit.
QImage referenceBoxFilter(const QImage& picture, int factor) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int w = source.width() / factor;
    const int h = source.height() / factor;
    QImage result(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    result.fill(Qt::white);
    const int count = factor * factor;
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
            out[x] = factor == 2 ? qRgb(sum[0] >> 2, sum[1] >> 2, sum[2] >> 2)
                                 : qRgb(sum[0] / count, sum[1] / count, sum[2] / count);
        }
    }
    return result;
}

QImage referenceThumbnail(const QImage& picture) {
    QImage reduced = picture.convertToFormat(QImage::Format_RGB32);
    if (reduced.width() == 450 || reduced.height() == 280)
        reduced = referenceBoxFilter(reduced, 2);
    if (reduced.width() == 675 || reduced.height() == 420)
        reduced = referenceBoxFilter(reduced, 3);
    QImage thumbnail(225, 140, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.drawImage(QPoint(0, 0), reduced);
    return thumbnail;
}

// Same size, format and bytes (QImage's equality overlooks the unused byte of RGB32).
bool sameBits(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

} // namespace

TEST(Thumbnail, SameBitsAsTheReferenceFilterOnVariedPictures) {
    // Noise (every sum from 0 to 255 * 9 is reachable), saturated extremes, a drawn scene with
    // antialiased edges and a translucent picture, at both layouts and at sizes that leave
    // incomplete blocks or are filtered twice (450 wide, 420 high).
    QRandomGenerator random(18);
    auto noise = [&](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000u);
        return image;
    };
    auto extremes = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, ((x / 3 + y / 3) % 2) ? qRgb(255, 255, 255) : qRgb(0, 255, 0));
        return image;
    };
    auto scene = [](QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(QColor(30, 120, 200, 120));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::red, 3));
        painter.setBrush(QColor(250, 250, 10));
        painter.drawEllipse(QRect(QPoint(5, 7), size / 2));
        painter.drawLine(QPoint(0, size.height()), QPoint(size.width(), 0));
        return image;
    };
    const QSize sizes[] = {{675, 420}, {450, 280}, {677, 422}, {451, 281}, {450, 420},
                           {675, 280}, {300, 100}, {5, 4},     {1, 1}};
    for (const QSize size : sizes) {
        for (const QImage& picture : {noise(size), extremes(size), scene(size)}) {
            const QImage thumb = boxFilterThumbnail(picture);
            ASSERT_EQ(thumb.format(), QImage::Format_RGB32);
            EXPECT_TRUE(sameBits(thumb, referenceThumbnail(picture)))
                << size.width() << "x" << size.height() << " " << picture.format();
            for (int factor : {1, 2, 3, 4})
                EXPECT_TRUE(
                    sameBits(boxFilter(picture, factor), referenceBoxFilter(picture, factor)))
                    << size.width() << "x" << size.height() << " factor " << factor;
        }
    }
}

TEST(RinkPictureCache, KeptWhileTheFileStaysAndReadAgainWhenItChanges) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rink.jpg"));
    auto writeRink = [&](QColor colour, QSize size) {
        QImage rink(size, QImage::Format_RGB32);
        rink.fill(colour);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeJpeg(rink));
    };
    RinkPictureCache& cache = RinkPictureCache::shared();
    cache.clear();
    writeRink(QColor(220, 0, 0), QSize(675, 420));
    const QImage first = cache.fitted(path, QSize(675, 420), 0x505050);
    ASSERT_EQ(first.size(), QSize(675, 420));
    EXPECT_GT(qRed(first.pixel(300, 200)), 200);
    // Asked again: the kept picture itself; another canvas size is fitted on its own.
    EXPECT_EQ(cache.fitted(path, QSize(675, 420), 0x505050).cacheKey(), first.cacheKey());
    const QImage small = cache.fitted(path, QSize(450, 280), 0x505050);
    EXPECT_EQ(small.size(), QSize(450, 280));
    EXPECT_GT(qRed(small.pixel(200, 100)), 200);

    // The file replaced (a later time): the new picture is read, on the practise's ground too.
    writeRink(QColor(0, 0, 220), QSize(600, 420));
    QFile touched(path);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    touched.close();
    QImage ground = loadStandardGround(dir.path(), QStringLiteral("Rink"), 675, 420, QString());
    EXPECT_GT(qBlue(ground.pixel(300, 200)), 200);
    EXPECT_EQ(ground.pixel(5, 200), qRgb(0x50, 0x50, 0x50)); // margin of the narrower rink

    // Only the most recently used few are kept.
    for (int k = 1; k <= int(RinkPictureCache::kEntries); ++k)
        cache.fitted(path, QSize(100 + k, 100), 0x505050);
    EXPECT_NE(cache.fitted(path, QSize(450, 280), 0x505050).cacheKey(), small.cacheKey());

    // Gone: a null picture with the reason, and the placeholder on a practise's ground.
    ASSERT_TRUE(QFile::remove(path));
    QString error;
    EXPECT_TRUE(cache.fitted(path, QSize(675, 420), 0x505050, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    bool found = true;
    ground = loadStandardGround(dir.path(), QStringLiteral("Rink"), 675, 420,
                                QStringLiteral("Rink is not available"), &found);
    EXPECT_FALSE(found);
    EXPECT_EQ(ground.pixel(10, 200), qRgb(255, 255, 255));
}

TEST(FitRule, LargerSideFillsAndTheOtherIsCentred) {
    // Wide: 1000 x 200 into 675 x 420 -> 675 x 135, y = (420 - 135) div 2.
    EXPECT_EQ(fitRect(QSize(1000, 200), 675, 420), QRect(0, 142, 675, 135));
    // Tall: 100 x 400 into 675 x 420 -> 105 x 420, x = (675 - 105) div 2.
    EXPECT_EQ(fitRect(QSize(100, 400), 675, 420), QRect(285, 0, 105, 420));
    // Equal ratios take the width branch; scaling up works as scaling down.
    EXPECT_EQ(fitRect(QSize(450, 280), 675, 420), QRect(0, 0, 675, 420));
    // 3 x 2 into 5 x 5: height 5 / 3 * 2 = 3.33 -> 3, centred at y 1.
    EXPECT_EQ(fitRect(QSize(3, 2), 5, 5), QRect(0, 1, 5, 3));
    EXPECT_TRUE(fitRect(QSize(0, 10), 675, 420).isEmpty());

    QImage red(10, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QImage fitted = fittedPicture(red, 40, 40, QColor(0x50, 0x50, 0x50));
    EXPECT_EQ(fitted.pixel(0, 20), qRgb(0x50, 0x50, 0x50));
    EXPECT_EQ(fitted.pixel(20, 20), qRgb(255, 0, 0));
}

TEST(PlayerNumbers, NextFreeFillsGapsAndEndsWhenFull) {
    PlayerNumbers numbers;
    numbers.take(1);
    numbers.take(2);
    numbers.take(4);
    EXPECT_EQ(numbers.nextFree(), 3);
    EXPECT_TRUE(numbers.contains(3));
    EXPECT_EQ(numbers.nextFree(), 5);

    numbers.releaseText(QStringLiteral("2"));
    numbers.releaseText(QStringLiteral("abc"));
    numbers.releaseText(QStringLiteral("300"));
    numbers.releaseText(QStringLiteral("-1"));
    EXPECT_FALSE(numbers.contains(2));
    EXPECT_TRUE(numbers.contains(4));

    PlayerNumbers full;
    for (int n = 1; n < 256; ++n)
        full.take(n);
    EXPECT_EQ(full.nextFree(), PlayerNumbers::kNone);
    EXPECT_FALSE(full.contains(0));
    full.release(200);
    EXPECT_EQ(full.nextFree(), 200);
}

TEST(PlayerNumbers, StoredLeastSignificantBitFirst) {
    PlayerNumbers numbers;
    numbers.take(0);
    numbers.take(3);
    numbers.take(9);
    numbers.take(255);
    QByteArray expected(32, '\0');
    expected[0] = char(0x09);
    expected[1] = char(0x02);
    expected[31] = char(0x80);
    EXPECT_EQ(numbers.toBytes(), expected);
    EXPECT_EQ(PlayerNumbers::fromBytes(expected), numbers);

    // Reading from a stream that ends early fails the reader and yields an empty set.
    QByteArray shortBytes = expected.left(20);
    QBuffer buffer(&shortBytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer, QStringLiteral("short"));
    EXPECT_TRUE(PlayerNumbers::read(in).isEmpty());
    EXPECT_FALSE(in.ok());
}
