// Hostile sizes: a JPEG claiming many pixels or holding hundreds of scans, lines whose points
// lie far apart, and saves that fail at any step all end with an error, never with gigabytes
// of memory or minutes of work.
#include "FaultSupport.h"
#include "TestHelpers.h"
#include "storage/PractiseFixture.h"

#include "core/Jpeg.h"
#include "core/SaveGroup.h"
#include "drawing/DrawingSettings.h"
#include "drawing/LineGeometry.h"
#include "drawing/TLines.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <cstdio>

#include <jpeglib.h>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// A progressive JPEG of `image` written with libjpeg's simple progression.
QByteArray progressiveJpeg(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

void claimSize(QByteArray& jpeg, const QByteArray& frameMarker, int width, int height) {
    const qsizetype sof = jpeg.indexOf(frameMarker);
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
}

TEST(HostileLimits, JpegPixelsAndScansAreBounded) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QImage out;
    QString error;

    // 8192 x 8192 is within the side limit but far beyond the pixel limit: refused before
    // any pixel is decoded, for baseline and progressive pictures alike.
    QByteArray baseline = encodeJpeg(image);
    claimSize(baseline, QByteArray("\xFF\xC0", 2), 8192, 8192);
    EXPECT_FALSE(decodeJpeg(baseline, &out, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("8192 x 8192"))) << error.toStdString();
    QByteArray progressive = progressiveJpeg(image);
    ASSERT_TRUE(decodeJpeg(progressive, &out, &error)) << error.toStdString();
    claimSize(progressive, QByteArray("\xFF\xC2", 2), 8192, 8192);
    EXPECT_FALSE(decodeJpeg(progressive, &out, &error));
    EXPECT_TRUE(out.isNull());

    // A progressive picture whose last scan is repeated 300 times: stopped at the scan
    // limit, quickly.
    QByteArray scans = progressiveJpeg(image);
    const qsizetype lastScan = scans.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = scans.lastIndexOf(QByteArray("\xFF\xD9", 2));
    ASSERT_GT(lastScan, 0);
    ASSERT_GT(end, lastScan);
    const QByteArray scan = scans.mid(lastScan, end - lastScan);
    QByteArray many = scans.left(end);
    for (int i = 0; i < 300; ++i)
        many += scan;
    many += QByteArray("\xFF\xD9", 2);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(decodeJpeg(many, &out, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("scans"))) << error.toStdString();
}

TEST(HostileLimits, FarApartLinePointsAreRefusedAndSamplingIsBounded) {
    const DrawingSettings large = DrawingSettings::large(QString());
    // An old-layout line from (-100000, 0) to (100000, 0): refused on reading.
    QByteArray data = le32(1) + le32(15) + le32(0) + bytes({4, 0, 0, 0}) + le32(0) + le32(2) +
                      bytes({0, 0, 0, 0}) + le32(-100000) + le32(0) + le32(100000) + le32(0);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer);
    TLines lines(&large);
    EXPECT_FALSE(lines.readFrom(100, in));
    EXPECT_TRUE(in.errorString().contains(QStringLiteral("out of range")))
        << in.errorString().toStdString();

    // Points within reach, but a thousand of them zig-zagging across the widest span: the
    // path stays within its bound instead of taking millions of samples.
    std::vector<QPoint> points;
    for (int i = 0; i < 1000; ++i)
        points.emplace_back(i % 2 ? 2600 : -2600, i % 3);
    const std::vector<QPointF> path = linegeometry::straightPath(points);
    EXPECT_LE(double(path.size()), linegeometry::kMaxStraightSamples + double(points.size()));
    EXPECT_EQ(path.front(), QPointF(points.front()));
    // An ordinary line keeps its three samples per pixel.
    EXPECT_EQ(linegeometry::straightPath({QPoint(0, 0), QPoint(300, 0)}).size(), 901u);
}

TEST(HostileLimits, SaveGroupFailingAtAnyStepKeepsEveryOldFile) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.gmp"));
    const QString b = dir.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(saveBytes(a, "old a"));
    ASSERT_TRUE(saveBytes(b, "old b"));
    auto save = [&] {
        SaveGroup group;
        QIODevice* data = group.add(a);
        for (int i = 0; i < 5; ++i)
            data->write("field");
        group.addBytes(b, "new picture");
        const bool ok = group.commit();
        EXPECT_EQ(ok, group.errorString().isEmpty());
        return ok;
    };
    int k = 0;
    for (;; ++k) {
        FailAtStep fault(k);
        if (save())
            break;
        // Six writes, one sync, then the first rename: both files stay old. Only a failed
        // second rename leaves the first file new.
        EXPECT_EQ(readAll(a), k < 8 ? QByteArray("old a") : QByteArray("fieldfieldfieldfieldfield"))
            << "step " << k;
        EXPECT_EQ(readAll(b), QByteArray("old b")) << "step " << k;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "step " << k;
    }
    EXPECT_EQ(k, 9);
    EXPECT_EQ(readAll(a), QByteArray("fieldfieldfieldfieldfield"));
    EXPECT_EQ(readAll(b), QByteArray("new picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
