#include "TestHelpers.h"
#include "core/Jpeg.h"

#include <gtest/gtest.h>

using namespace korvex;

TEST(Jpeg, RoundTripKeepsSizeAndColour) {
    QImage image(675, 420, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 220));
    const QByteArray bytes = encodeJpeg(image);
    ASSERT_FALSE(bytes.isEmpty());
    QImage decoded;
    QString error;
    ASSERT_TRUE(decodeJpeg(bytes, &decoded, &error)) << error.toStdString();
    EXPECT_EQ(decoded.size(), image.size());
    const QColor centre = decoded.pixelColor(300, 200);
    EXPECT_NEAR(centre.red(), 20, 4);
    EXPECT_NEAR(centre.green(), 120, 4);
    EXPECT_NEAR(centre.blue(), 220, 4);
}

TEST(Jpeg, CorruptTruncatedAndOversizedPicturesAreErrors) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QByteArray good = encodeJpeg(image);
    QImage out;
    QString error;

    EXPECT_FALSE(decodeJpeg(QByteArray("not a jpeg at all"), &out, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(out.isNull());
    EXPECT_FALSE(decodeJpeg(good.left(20), &out, &error));
    EXPECT_FALSE(decodeJpeg(QByteArray(), &out, &error));

    // Patch the frame header (SOF0) to claim 20000 x 20000 pixels.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0x4E);
    huge[sof + 6] = char(0x20);
    huge[sof + 7] = char(0x4E);
    huge[sof + 8] = char(0x20);
    error.clear();
    EXPECT_FALSE(decodeJpeg(huge, &out, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("20000"))) << error.toStdString();
}
