#include "drawing/FitRule.h"
#include "storage/PlayerNumbers.h"
#include "storage/Thumbnail.h"

#include "core/BinaryReader.h"

#include <QBuffer>

#include <gtest/gtest.h>

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
