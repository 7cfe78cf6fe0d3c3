#include "DrawingTestSupport.h"
#include "drawing/LinePainter.h"
#include "drawing/TLines.h"

#include <gtest/gtest.h>

#include <set>

using namespace korvex;
using namespace korvex::test;

namespace {

constexpr quint32 kWhite = 0xFFFFFF;

QImage drawn(std::vector<QPoint> points, int lineKind, int endKind, quint32 colour = 0, int w = 80,
             int h = 40) {
    static const DrawingSettings settings = installedSmall();
    TLine line(&settings);
    for (QPoint p : points)
        line.addPoint(p);
    line.setLineKind(quint8(lineKind));
    line.setEndKind(quint8(endKind));
    line.setColour(colour);
    line.setCurved(false);
    QImage image = whiteCanvas(w, h);
    line.draw(image);
    return image;
}

QRect paintedBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (bgrAt(image, x, y) != kWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

std::set<quint32> coloursIn(const QImage& image) {
    std::set<quint32> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (bgrAt(image, x, y) != kWhite)
                colours.insert(bgrAt(image, x, y));
    return colours;
}

} // namespace

TEST(LineRender, SolidArrowEndsWithBarbsAtTheEndPoint) {
    const QImage image = drawn({{10, 10}, {40, 10}}, LineSolid, EndArrow);
    for (int x = 10; x <= 37; ++x)
        EXPECT_EQ(bgrAt(image, x, 10), 0u) << x;
    // Both barbs start at (40, 10) and run back 7 pixels at 150 and 210 degrees.
    EXPECT_EQ(bgrAt(image, 40, 10), 0u);
    // Their far ends lie 3.5 pixels either side (a half pixel, so rounding may go either way).
    EXPECT_TRUE(bgrAt(image, 34, 13) == 0u || bgrAt(image, 34, 14) == 0u);
    EXPECT_TRUE(bgrAt(image, 34, 6) == 0u || bgrAt(image, 34, 7) == 0u);
    const QRect box = paintedBox(image);
    EXPECT_EQ(box.left(), 10);
    EXPECT_EQ(box.right(), 40);
    EXPECT_GE(box.top(), 6);
    EXPECT_LE(box.bottom(), 14);
    // The barbs run back from the end point on both sides.
    for (int x = 35; x <= 38; ++x) {
        bool above = false, below = false;
        for (int y = 5; y < 10; ++y)
            above |= bgrAt(image, x, y) == 0u;
        for (int y = 11; y < 16; ++y)
            below |= bgrAt(image, x, y) == 0u;
        EXPECT_TRUE(above && below) << x;
    }

    // Without an end mark nothing reaches beyond the end point or off the centre row.
    const QImage plain = drawn({{10, 10}, {40, 10}}, LineSolid, EndNone);
    EXPECT_EQ(paintedBox(plain), QRect(QPoint(10, 10), QPoint(40, 10)));
}

TEST(LineRender, DashRunsAndGaps) {
    const QImage image = drawn({{2, 20}, {78, 20}}, LineDash, EndNone);
    EXPECT_EQ(bgrAt(image, 2, 20), kWhite); // the first raster point is never painted
    std::vector<int> runs, gaps;
    int length = 0;
    bool painted = false;
    for (int x = 3; x < 75; ++x) {
        const bool on = bgrAt(image, x, 20) == 0;
        if (on != painted && length > 0) {
            (painted ? runs : gaps).push_back(length);
            length = 0;
        }
        painted = on;
        ++length;
    }
    ASSERT_GE(runs.size(), 4u);
    for (int run : runs)
        EXPECT_TRUE(run >= 6 && run <= 8) << run;
    for (size_t i = 0; i < gaps.size(); ++i)
        EXPECT_TRUE(gaps[i] >= 4 && gaps[i] <= 6) << gaps[i];
}

TEST(LineRender, DoubleSolidRailsThreeApartWithoutCentre) {
    for (int row : {20, 21}) {
        const QImage image = drawn({{10, row}, {60, row}}, LineDoubleSolid, EndNone);
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (bgrAt(image, 30, y) != kWhite)
                rows.push_back(y);
        ASSERT_EQ(rows.size(), 2u) << row;
        EXPECT_EQ(rows[1] - rows[0], 3);
        EXPECT_EQ(bgrAt(image, 30, row), kWhite);
        EXPECT_EQ(coloursIn(image), std::set<quint32>{0u}); // no tints
    }
    const QImage vertical = drawn({{30, 5}, {30, 35}}, LineDoubleSolid, EndNone);
    std::vector<int> columns;
    for (int x = 0; x < vertical.width(); ++x)
        if (bgrAt(vertical, x, 20) != kWhite)
            columns.push_back(x);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1] - columns[0], 3);
}

TEST(LineRender, TintsFollowTheColourTable) {
    const std::vector<QPoint> slope{{5, 5}, {70, 30}};
    EXPECT_EQ(coloursIn(drawn(slope, LineSolid, EndNone, kColourRed)),
              (std::set<quint32>{kColourRed, 0x8080FF}));
    EXPECT_EQ(coloursIn(drawn(slope, LineSolid, EndNone, kColourOrange)),
              (std::set<quint32>{kColourOrange, 0x00C0FF}));
    // A colour outside the six has black tints.
    EXPECT_EQ(coloursIn(drawn(slope, LineSolid, EndNone, 0x123456)),
              (std::set<quint32>{0x123456, 0x000000}));

    QImage scratch = whiteCanvas();
    const LinePainter painter(scratch, kColourBlue);
    EXPECT_EQ(painter.ringCell(0, 0), 0xFFFFFFu);
    EXPECT_EQ(painter.ringCell(-4, -4), 0xFFFFFFu);
    EXPECT_EQ(painter.ringCell(1, -3), kColourBlue);
    EXPECT_EQ(painter.ringCell(-3, 2), 0xFF8080u);
    EXPECT_EQ(painter.ringCell(0, 4), 0xFFC0C0u);
    EXPECT_EQ(painter.ringCell(4, 1), 0xFFC0C0u);
    EXPECT_EQ(painter.ringCell(0, 2), 0xFFC0C0u);
}

TEST(LineRender, PixelLinesAndSmoothing) {
    EXPECT_EQ(LinePainter::pixelLinePoints({3, 3}, {3, 3}), (std::vector<QPoint>{{3, 3}}));
    EXPECT_EQ(LinePainter::pixelLinePoints({4, 0}, {0, 2}),
              (std::vector<QPoint>{{0, 2}, {1, 2}, {2, 1}, {3, 0}, {4, 0}})); // ties to even
    EXPECT_EQ(LinePainter::pixelLinePoints({0, 0}, {1, 3}).size(), 4u);

    // A diagonal step tints both corners; an axis step after a straight run tints nothing.
    QImage image = whiteCanvas(10, 10);
    LinePainter painter(image, kColourBlack);
    const std::vector<QPoint> steps{{1, 1}, {2, 1}, {3, 2}, {4, 2}};
    for (size_t k = 0; k < steps.size(); ++k)
        painter.smoothedPixel(steps, k);
    EXPECT_EQ(bgrAt(image, 2, 2), 0x808080u);
    EXPECT_EQ(bgrAt(image, 3, 1), 0x808080u);
    // (4, 2) after a diagonal: the x step stayed 1, so nothing more.
    EXPECT_EQ(coloursIn(image), (std::set<quint32>{0u, 0x808080u}));
    // An x step that changes on an axis-parallel step tints Q - (P - R).
    QImage turn = whiteCanvas(10, 10);
    LinePainter turner(turn, kColourBlack);
    const std::vector<QPoint> corner{{2, 2}, {3, 2}, {3, 3}};
    for (size_t k = 0; k < corner.size(); ++k)
        turner.smoothedPixel(corner, k);
    EXPECT_EQ(bgrAt(turn, 2, 3), 0x808080u);
}

TEST(LineRender, ArcEndOpensForwardAndCrossesSpanTheLine) {
    const QImage arc = drawn({{10, 20}, {40, 20}}, LineSolid, EndArc);
    EXPECT_EQ(bgrAt(arc, 37, 20), 0u);     // ring colour cell at dx = -3
    EXPECT_EQ(bgrAt(arc, 43, 20), kWhite); // the front half stays open
    EXPECT_LE(paintedBox(arc).right(), 40);
    EXPECT_EQ(paintedBox(arc).top(), 16);
    EXPECT_EQ(paintedBox(arc).bottom(), 24);

    const QImage cross = drawn({{10, 20}, {40, 20}}, LineSolid, EndCross);
    for (int y = 16; y <= 24; ++y)
        EXPECT_EQ(bgrAt(cross, 40, y), 0u) << y;
    const QImage twice = drawn({{10, 20}, {40, 20}}, LineSolid, EndDoubleCross);
    for (int y = 16; y <= 24; ++y) {
        EXPECT_EQ(bgrAt(twice, 40, y), 0u) << y;
        EXPECT_EQ(bgrAt(twice, 43, y), 0u) << y;
    }
}

TEST(LineRender, PatternedBodies) {
    // Crosswise draws ticks only; crosswise solid adds the centre line.
    const QImage ticks = drawn({{5, 20}, {75, 20}}, LineCrosswise, EndNone);
    int centre = 0;
    for (int x = 5; x <= 75; ++x)
        centre += bgrAt(ticks, x, 20) != kWhite;
    EXPECT_GT(centre, 5);
    EXPECT_LT(centre, 20);
    EXPECT_EQ(paintedBox(ticks).top(), 16);
    EXPECT_EQ(paintedBox(ticks).bottom(), 24);
    const QImage both = drawn({{5, 20}, {75, 20}}, LineCrosswiseSolid, EndNone);
    for (int x = 5; x <= 74; ++x)
        EXPECT_EQ(bgrAt(both, x, 20), 0u) << x;

    // Twiddle and semicircle stamp half rings along the line and join the end point.
    for (int kind : {LineTwiddle, LineSemicircle}) {
        const QImage wave = drawn({{5, 20}, {75, 20}}, kind, EndArrow);
        const QRect box = paintedBox(wave);
        EXPECT_GE(box.top(), 16);
        EXPECT_LE(box.bottom(), 24);
        EXPECT_EQ(box.right(), 75);
        EXPECT_EQ(bgrAt(wave, 75, 20), 0u);
        EXPECT_EQ(bgrAt(wave, 70, 20), 0u); // connector from the trimmed path to the end
    }
}

TEST(LineRender, UnusualLinesStayInsideTheirArrays) {
    const DrawingSettings settings = installedSmall();
    // A stored line with control points but no path paints nothing.
    TLine stored(&settings);
    const QByteArray data = le32(15) + le32(0) + bytes({0, 0}) + le32(1) + bytes({1}) + le32(2) +
                            f64(0.1) + f64(0.1) + f64(0.5) + f64(0.5) + le32(0);
    ASSERT_TRUE(readBytes(data, [&](BinaryReader& in) { return stored.readFrom(141, in); }).ok);
    QImage image = whiteCanvas();
    for (int kind = 0; kind <= 7; ++kind) {
        stored.setSetting([&] {
            TLineSetting s = stored.setting();
            s.lineKind = quint8(kind);
            return s;
        }());
        // setSetting marks dirty; re-read to get the empty stored path back.
        ASSERT_TRUE(readBytes(data, [&](BinaryReader& in) { return stored.readFrom(141, in); }).ok);
        stored.draw(image);
    }
    EXPECT_TRUE(paintedBox(image).isNull());
    EXPECT_FALSE(stored.hitTest(QPoint(45, 28)));

    // Lines of one or no point, short paths, unknown kinds and lines leaving the image.
    for (int kind = 0; kind <= 8; ++kind) {
        for (int end = 0; end <= 5; ++end) {
            drawn({}, kind, end);
            drawn({{5, 5}}, kind, end);
            drawn({{5, 5}, {5, 5}}, kind, end);
            drawn({{5, 5}, {6, 6}}, kind, end);
            drawn({{-30, -30}, {120, 70}, {-5, 60}}, kind, end);
        }
    }
}

TEST(LineRender, LineListEditsAndSelection) {
    const DrawingSettings settings = installedSmall();
    TLines lines(&settings);
    auto make = [&](int y, quint32 colour) {
        auto line = std::make_unique<TLine>(&settings);
        line->addPoint(QPoint(10, y));
        line->addPoint(QPoint(60, y));
        line->setEndKind(EndNone);
        line->setColour(colour);
        return line;
    };
    TLine* top = lines.add(make(10, kColourRed));
    TLine* bottom = lines.add(make(30, kColourGreen));
    QImage image = whiteCanvas();
    lines.draw(image);
    EXPECT_EQ(bgrAt(image, 30, 10), kColourRed);
    EXPECT_EQ(bgrAt(image, 30, 30), kColourGreen);
    EXPECT_EQ(lines.indexAt(QPoint(30, 28)), 1);
    EXPECT_EQ(lines.indexAt(QPoint(30, 20)), -1);

    // A hidden line is skipped; recolouring and moving act on one line.
    EXPECT_TRUE(lines.recolourLine(0, kColourBlue));
    EXPECT_TRUE(lines.moveLine(0, 0, 5));
    EXPECT_FALSE(lines.moveLine(2, 0, 5));
    QImage second = whiteCanvas();
    lines.draw(second, 1);
    EXPECT_EQ(bgrAt(second, 30, 15), kColourBlue);
    EXPECT_EQ(bgrAt(second, 30, 10), kWhite);
    EXPECT_EQ(bgrAt(second, 30, 30), kWhite);

    // Taking and re-inserting (an undo of a delete) keeps the order.
    std::unique_ptr<TLine> taken = lines.take(0);
    EXPECT_EQ(taken.get(), top);
    EXPECT_EQ(lines.at(0), bottom);
    lines.insert(0, std::move(taken));
    EXPECT_EQ(lines.at(0), top);
    EXPECT_EQ(lines.at(1), bottom);
}
