#include "drawing/DrawingStream.h"
#include "DrawingTestSupport.h"
#include "drawing/TFiguresAnimation.h"
#include "drawing/TLines.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray figureCurrent(int kind, double fx, double fy, int variant, const QByteArray& text) {
    return bytes({kind}) + f64(fx) + f64(fy) + bytes({variant}) + streamString(text);
}

QByteArray figureOld(int kind, qint32 x, qint32 y, int variant, const QByteArray& text) {
    return bytes({kind}) + le32(x) + le32(y) + bytes({variant}) + streamString(text);
}

// Setting block of the current layout: reserved A, colour, end kind, line kind, reserved B,
// curved.
QByteArray settingCurrent(qint32 colour, int endKind, int lineKind, bool curved) {
    return le32(15) + le32(colour) + bytes({endKind, lineKind}) + le32(1) + bytes({curved ? 1 : 0});
}

} // namespace

TEST(DrawingStream, LayoutsAndRounding) {
    EXPECT_EQ(drawingLayoutOf(99), DrawingLayout::Unknown);
    EXPECT_EQ(drawingLayoutOf(100), DrawingLayout::Old);
    EXPECT_EQ(drawingLayoutOf(104), DrawingLayout::Old);
    EXPECT_EQ(drawingLayoutOf(999), DrawingLayout::Old);
    EXPECT_EQ(drawingLayoutOf(105), DrawingLayout::Current);
    EXPECT_EQ(drawingLayoutOf(141), DrawingLayout::Current);
    EXPECT_EQ(drawingLayoutOf(142), DrawingLayout::Unknown);
    EXPECT_EQ(roundToInt(337.5), 338);
    EXPECT_EQ(roundToInt(338.5), 338);
    EXPECT_EQ(roundToInt(-2.5), -2);
    EXPECT_EQ(roundToInt(-3.5), -4);
    EXPECT_EQ(roundToInt(2.4999), 2);
}

TEST(DrawingStream, FigureListFromBothLayoutsScalesToTheCanvas) {
    const DrawingSettings large = installedLarge();
    const DrawingSettings small = installedSmall();

    // Written on the small canvas at (225, 140): the fractions 0.5, 0.5.
    TFigures written(&small);
    auto figure = std::make_unique<TFigure>(&small);
    ASSERT_TRUE(figure->ok()) << figure->errorString().toStdString();
    figure->setPosition(QPoint(225, 140));
    figure->setText(QStringLiteral("7"));
    written.add(std::move(figure));
    auto net = std::make_unique<TFigure>(&small);
    net->setPosition(QPoint(90, 28));
    ASSERT_TRUE(net->setKind(FigureNet));
    ASSERT_TRUE(net->setVariant(3));
    written.add(std::move(net));
    const QByteArray expected =
        le32(2) + figureCurrent(0, 0.5, 0.5, 0, "7") + figureCurrent(5, 0.2, 0.1, 3, "");
    EXPECT_EQ(writtenBytes([&](BinaryWriter& o) { written.writeTo(o); }), expected);

    TFigures onLarge(&large);
    const ReadResult r =
        readBytes(expected, [&](BinaryReader& in) { return onLarge.readFrom(141, in); });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.consumed, expected.size());
    ASSERT_EQ(onLarge.count(), 2);
    EXPECT_EQ(onLarge.at(0)->position(), QPoint(338, 210)); // 337.5 goes to the even 338
    EXPECT_EQ(onLarge.at(0)->text(), QStringLiteral("7"));
    EXPECT_EQ(onLarge.at(1)->position(), QPoint(135, 42));
    EXPECT_EQ(onLarge.at(1)->variant(), 3);
    EXPECT_TRUE(onLarge.at(1)->picturePath().endsWith(QStringLiteral("/Pictures/bigNetDraw3.bmp")));

    // The old layout stores pixels of a 450 x 280 canvas.
    const QByteArray old = le32(2) + figureOld(8, 450, 280, 0, "") + figureOld(1, 150, 70, 9, "12");
    for (qint32 version : {100, 104, 999}) {
        TFigures big(&large);
        ASSERT_TRUE(readBytes(old, [&](BinaryReader& in) { return big.readFrom(version, in); }).ok);
        ASSERT_EQ(big.count(), 2);
        EXPECT_EQ(big.at(0)->position(), QPoint(675, 420));
        EXPECT_EQ(big.at(0)->kind(), FigurePucks);
        EXPECT_EQ(big.at(1)->position(), QPoint(225, 105));
        EXPECT_EQ(big.at(1)->variant(), 0); // a stored variant of 8 or more reads as 0
        EXPECT_EQ(big.at(1)->text(), QStringLiteral("12"));
    }
    TFigures same(&small);
    ASSERT_TRUE(readBytes(old, [&](BinaryReader& in) { return same.readFrom(100, in); }).ok);
    EXPECT_EQ(same.at(0)->position(), QPoint(450, 280));
}

TEST(DrawingStream, UnknownVersionsReadNothing) {
    const DrawingSettings small = installedSmall();
    const QByteArray data = le32(1) + figureCurrent(0, 0.5, 0.5, 0, "");
    for (qint32 version : {142, 99, 0, -1, 1000}) {
        TFigures figures(&small);
        figures.add(std::make_unique<TFigure>(&small));
        const ReadResult r =
            readBytes(data, [&](BinaryReader& in) { return figures.readFrom(version, in); });
        EXPECT_TRUE(r.returned && r.ok);
        EXPECT_EQ(r.consumed, 0);
        EXPECT_EQ(figures.count(), 0);

        TLines lines(&small);
        lines.add(std::make_unique<TLine>(&small));
        EXPECT_EQ(
            readBytes(data, [&](BinaryReader& in) { return lines.readFrom(version, in); }).consumed,
            0);
        EXPECT_EQ(lines.count(), 0);

        TFiguresAnimation animation(&small);
        EXPECT_EQ(readBytes(data, [&](BinaryReader& in) { return animation.readFrom(version, in); })
                      .consumed,
                  0);
    }
}

TEST(DrawingStream, CurrentLineKeepsItsStoredPath) {
    const DrawingSettings small = installedSmall();
    // Two control points, but a stored path that bends through the middle of the canvas.
    const QByteArray record = settingCurrent(0x0000FF, 1, 0, false) + le32(2) + f64(0.1) +
                              f64(0.1) + f64(0.9) + f64(0.1) + le32(3) + f64(0.1) + f64(0.1) +
                              f64(0.5) + f64(0.5) + f64(0.9) + f64(0.1);
    TLines lines(&small);
    const QByteArray data = le32(1) + record;
    const ReadResult r = readBytes(data, [&](BinaryReader& in) { return lines.readFrom(120, in); });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.consumed, data.size());
    TLine* line = lines.at(0);
    EXPECT_FALSE(line->isDirty());
    EXPECT_EQ(line->controlPoints(), (std::vector<QPoint>{{45, 28}, {405, 28}}));
    ASSERT_EQ(line->path().size(), 3u);
    EXPECT_EQ(line->path()[1], QPointF(225, 140));
    EXPECT_EQ(line->raster(), (std::vector<QPoint>{{45, 28}, {225, 140}, {405, 28}}));
    EXPECT_EQ(line->colour(), 0x0000FFu);
    EXPECT_EQ(line->setting().endKind, 1);

    // Drawing does not recompute: the bend stays.
    QImage image = whiteCanvas(450, 280);
    line->draw(image);
    EXPECT_FALSE(line->isDirty());
    EXPECT_EQ(line->path().size(), 3u);
    EXPECT_EQ(bgrAt(image, 225, 140), 0x0000FFu);

    // Written again, the record is byte for byte the one read.
    EXPECT_EQ(writtenBytes([&](BinaryWriter& o) { lines.writeTo(o); }), data);
}

TEST(DrawingStream, OldLineIsConvertedAndComputedAtFirstDraw) {
    const DrawingSettings large = installedLarge();
    const QByteArray record = le32(15) + le32(0xFF0000) + bytes({3, 1, 0, 0}) + le32(1) + le32(2) +
                              bytes({1, 0, 0, 0}) + le32(90) + le32(56) + le32(450) + le32(280);
    ASSERT_EQ(record.size(), 24 + 16);
    TLines lines(&large);
    const ReadResult r =
        readBytes(le32(1) + record, [&](BinaryReader& in) { return lines.readFrom(103, in); });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    TLine* line = lines.at(0);
    EXPECT_TRUE(line->isDirty());
    EXPECT_TRUE(line->path().empty());
    EXPECT_EQ(line->setting().pointCount, 2);
    EXPECT_EQ(line->setting().endKind, EndArc);
    EXPECT_EQ(line->setting().lineKind, LineDash);
    EXPECT_EQ(line->controlPoints(), (std::vector<QPoint>{{135, 84}, {675, 420}}));

    // Written out, the line carries its computed path, so reading it back draws the same.
    const QByteArray current = writtenBytes([&](BinaryWriter& o) { lines.writeTo(o); });
    EXPECT_FALSE(line->isDirty());
    EXPECT_EQ(current.left(4 + 15 + 4), le32(1) + settingCurrent(0xFF0000, 3, 1, true) + le32(2));
    TLines back(&large);
    ASSERT_TRUE(readBytes(current, [&](BinaryReader& in) { return back.readFrom(141, in); }).ok);
    EXPECT_EQ(back.at(0)->raster(), line->raster());
    EXPECT_GT(back.at(0)->path().size(), 500u);
}

TEST(DrawingStream, AnimationFrames) {
    const DrawingSettings small = installedSmall();
    const QByteArray data = le32(2) + le32(1) + figureCurrent(7, 0.25, 0.75, 0, "") + le32(0);
    TFiguresAnimation animation(&small);
    const ReadResult r =
        readBytes(data, [&](BinaryReader& in) { return animation.readFrom(130, in); });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    ASSERT_EQ(animation.count(), 2);
    EXPECT_EQ(animation.at(0)->at(0)->position(), QPoint(112, 210)); // 112.5 -> 112
    EXPECT_EQ(animation.at(1)->count(), 0);
    // Unmoved, the figure keeps the fraction it was read with, not the rounded pixel.
    EXPECT_EQ(writtenBytes([&](BinaryWriter& o) { animation.writeTo(o); }), data);
}

TEST(DrawingStream, HostileStreamsFailWithAnError) {
    const DrawingSettings small = installedSmall();
    auto failsFigures = [&](const QByteArray& data, qint32 version, int keptFigures) {
        TFigures figures(&small);
        const ReadResult r =
            readBytes(data, [&](BinaryReader& in) { return figures.readFrom(version, in); });
        EXPECT_FALSE(r.returned);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_EQ(figures.count(), keptFigures);
    };
    failsFigures(le32(0x7FFFFFFF), 141, 0);
    failsFigures(le32(-1), 141, 0);
    failsFigures(le32(0x10000000) + figureOld(0, 1, 1, 0, ""), 100, 0);
    // Truncated second record: the first stays.
    failsFigures(le32(2) + figureCurrent(0, 0.1, 0.1, 0, "a long enough text to pass the count") +
                     figureCurrent(0, 0.2, 0.2, 0, "").left(9),
                 141, 1);
    // A text length beyond the data.
    failsFigures(le32(1) + bytes({0}) + f64(0.1) + f64(0.1) + bytes({0}) + le32(1 << 30), 141, 0);
    // Coordinates that are not numbers, or absurdly far out, or a kind that does not exist.
    failsFigures(le32(1) + figureCurrent(0, std::numeric_limits<double>::quiet_NaN(), 0.1, 0, ""),
                 141, 0);
    failsFigures(le32(1) + figureCurrent(0, 1e300, 0.1, 0, ""), 141, 0);
    failsFigures(le32(1) + figureOld(0, 0x7FFFFFFF, 1, 0, ""), 100, 0);
    failsFigures(le32(1) + figureCurrent(16, 0.1, 0.1, 0, ""), 141, 0);

    auto failsLines = [&](const QByteArray& data, qint32 version) {
        TLines lines(&small);
        const ReadResult r =
            readBytes(data, [&](BinaryReader& in) { return lines.readFrom(version, in); });
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.isEmpty());
    };
    const QByteArray setting = settingCurrent(0, 0, 0, true);
    failsLines(le32(0x7FFFFFFF), 141);
    failsLines(le32(1) + setting + le32(0x7FFFFFFF), 141);
    failsLines(le32(1) + setting + le32(1) + f64(0.1) + f64(0.1) + le32(0x40000000), 141);
    failsLines(le32(1) + setting + le32(2) + f64(0.1) + f64(0.1) + f64(0.2), 141);
    failsLines(le32(1) + setting + le32(0) + le32(1) +
                   f64(std::numeric_limits<double>::infinity()) + f64(0),
               141);
    failsLines(le32(1) + le32(15) + le32(0) + bytes({0, 0, 0, 0}) + le32(1) + le32(0x20000000) +
                   bytes({0, 0, 0, 0}),
               101);
    failsLines(le32(1) + setting.left(10), 141);

    TFiguresAnimation animation(&small);
    EXPECT_FALSE(readBytes(le32(0x7FFFFFFF), [&](BinaryReader& in) {
                     return animation.readFrom(141, in);
                 }).ok);
    EXPECT_FALSE(readBytes(le32(2) + le32(0) + le32(5), [&](BinaryReader& in) {
                     return animation.readFrom(141, in);
                 }).ok);
    EXPECT_EQ(animation.count(), 2);
}

TEST(DrawingStream, OpeningAndSavingOnTheSmallCanvasMovesNothing) {
    const DrawingSettings small = installedSmall();
    const DrawingSettings large = installedLarge();
    // Large-canvas pixels that the coarser small canvas cannot hold (675 = 1.5 x 450).
    QByteArray figureData = le32(3);
    for (int p : {1, 338, 673})
        figureData += figureCurrent(0, p / 675.0, (p % 419) / 420.0, 0, "7");
    const QByteArray lineData = le32(1) + settingCurrent(0, 0, 0, false) + le32(2) +
                                f64(1 / 675.0) + f64(5 / 420.0) + f64(674 / 675.0) +
                                f64(415 / 420.0) + le32(2) + f64(1 / 675.0) + f64(5 / 420.0) +
                                f64(674 / 675.0) + f64(415 / 420.0);

    TFigures figures(&small);
    TLines lines(&small);
    ASSERT_TRUE(
        readBytes(figureData, [&](BinaryReader& in) { return figures.readFrom(141, in); }).ok);
    ASSERT_TRUE(readBytes(lineData, [&](BinaryReader& in) { return lines.readFrom(141, in); }).ok);
    // Unmoved, everything is written as it was read.
    EXPECT_EQ(writtenBytes([&](BinaryWriter& o) { figures.writeTo(o); }), figureData);
    EXPECT_EQ(writtenBytes([&](BinaryWriter& o) { lines.writeTo(o); }), lineData);

    // A figure moved on the small canvas is written from where it now stands, and a figure
    // moved there and back again from where it was read.
    figures.at(0)->moveBy(10, 0);
    figures.at(1)->moveBy(1, 0);
    figures.at(1)->moveBy(-1, 0);
    TFigures reread(&large);
    const QByteArray saved = writtenBytes([&](BinaryWriter& o) { figures.writeTo(o); });
    ASSERT_TRUE(readBytes(saved, [&](BinaryReader& in) { return reread.readFrom(141, in); }).ok);
    EXPECT_EQ(reread.at(0)->position(), QPoint(16, 2)); // 11 and 1 small pixels
    EXPECT_EQ(reread.at(1)->position(), QPoint(338, 338));
    EXPECT_EQ(reread.at(2)->position(), QPoint(673, 254));
}
