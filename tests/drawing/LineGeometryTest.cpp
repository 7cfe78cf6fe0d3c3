#include "drawing/LineGeometry.h"
#include "DrawingTestSupport.h"
#include "drawing/TLine.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <cmath>

using namespace korvex;
using namespace korvex::test;
using namespace korvex::linegeometry;

namespace {

// binom(N, j) from factorials in long double, finite for the sizes used here.
std::vector<long double> factorialBinomials(int degree) {
    std::vector<long double> factorial(size_t(degree) + 1, 1.0L);
    for (int k = 2; k <= degree; ++k)
        factorial[size_t(k)] = factorial[size_t(k - 1)] * k;
    std::vector<long double> binom(size_t(degree) + 1);
    for (int j = 0; j <= degree; ++j)
        binom[size_t(j)] =
            factorial[size_t(degree)] / (factorial[size_t(degree - j)] * factorial[size_t(j)]);
    return binom;
}

// The curve point as the factorial form gives it, every control point counted six times.
QPointF factorialFormPoint(const std::vector<QPoint>& control,
                           const std::vector<long double>& binom, long double t) {
    const int degree = int(binom.size()) - 1;
    std::vector<long double> tPower(size_t(degree) + 1, 1.0L), sPower(size_t(degree) + 1, 1.0L);
    for (int j = 1; j <= degree; ++j) {
        tPower[size_t(j)] = tPower[size_t(j - 1)] * t; // 0^0 = 1
        sPower[size_t(j)] = sPower[size_t(j - 1)] * (1 - t);
    }
    long double x = 0, y = 0;
    for (int j = 0; j <= degree; ++j) {
        const long double w = binom[size_t(j)] * tPower[size_t(j)] * sPower[size_t(degree - j)];
        x += w * control[size_t(j / 6)].x();
        y += w * control[size_t(j / 6)].y();
    }
    return QPointF(double(x), double(y));
}

std::unique_ptr<TLine> lineThrough(const DrawingSettings* settings, std::vector<QPoint> points,
                                   int lineKind, int endKind, bool curved) {
    auto line = std::make_unique<TLine>(settings);
    for (QPoint p : points)
        line->addPoint(p);
    line->setLineKind(quint8(lineKind));
    line->setEndKind(quint8(endKind));
    line->setCurved(curved);
    return line;
}

} // namespace

TEST(LineGeometry, DirectionRule) {
    EXPECT_DOUBLE_EQ(direction({1, 1}, {1, 1}), 0.0);
    EXPECT_DOUBLE_EQ(direction({0, 0}, {0, 5}), kPi / 2);
    EXPECT_DOUBLE_EQ(direction({0, 0}, {0, -5}), 3 * kPi / 2);
    EXPECT_DOUBLE_EQ(direction({0, 0}, {-3, 0}), kPi);
    EXPECT_NEAR(direction({0, 0}, {1, -1}), 7 * kPi / 4, 1e-12);
}

TEST(LineGeometry, StraightHorizontalLineAndItsTrim) {
    const std::vector<QPoint> control{{10, 10}, {40, 10}};
    const std::vector<QPointF> path = straightPath(control);
    ASSERT_EQ(path.size(), 91u);
    for (size_t i = 0; i < path.size(); ++i) {
        EXPECT_NEAR(path[i].x(), 10 + i / 3.0, 1e-9);
        EXPECT_EQ(path[i].y(), 10.0);
    }

    const DrawingSettings settings = installedSmall();
    auto line = lineThrough(&settings, control, LineSolid, EndArrow, true);
    EXPECT_FALSE(line->isCurved()); // two control points stay straight
    line->recompute();
    // Arrow: cut just past 2 pixels (seven steps of a third).
    EXPECT_NEAR(line->path().back().x(), 40 - 7 / 3.0, 1e-9);
    EXPECT_EQ(line->raster().front(), QPoint(10, 10));
    EXPECT_EQ(line->raster().back(), QPoint(37, 10));

    // Cross and double cross have no margin: one step is removed.
    line->setEndKind(EndCross);
    line->recompute();
    EXPECT_EQ(line->path().size(), 90u);
    EXPECT_EQ(line->raster().back(), QPoint(39, 10));

    // No end mark: exactly the last point goes, whatever the line kind.
    for (int kind : {LineSolid, LineDoubleSolid, LineTwiddle}) {
        line->setLineKind(quint8(kind));
        line->setEndKind(EndNone);
        line->recompute();
        EXPECT_EQ(line->path().size(), 90u);
        EXPECT_EQ(line->raster().size(), 30u);
    }
    line->setEndKind(7);
    line->recompute();
    EXPECT_EQ(line->path().size(), 90u);

    // Double solid makes room for 5 + 2, twiddle for 7 + 2.
    line->setLineKind(LineDoubleSolid);
    line->setEndKind(EndArc);
    line->recompute();
    EXPECT_NEAR(line->path().back().x(), 40 - 22 / 3.0, 1e-9);
    EXPECT_EQ(line->raster().back(), QPoint(32, 10));
    line->setLineKind(LineTwiddle);
    line->recompute();
    EXPECT_EQ(line->raster().back(), QPoint(30, 10));
}

TEST(LineGeometry, StraightSamplingFollowsTheMajorAxis) {
    // Steep segment: sampled along y, one third apart; a tie samples along y too.
    const std::vector<QPointF> steep = straightPath({{0, 0}, {3, 9}});
    EXPECT_EQ(steep.size(), 28u);
    EXPECT_NEAR(steep[1].y(), 1 / 3.0, 1e-12);
    EXPECT_NEAR(steep[1].x(), 1 / 9.0, 1e-12);
    const std::vector<QPointF> diagonal = straightPath({{5, 5}, {2, 2}});
    EXPECT_EQ(diagonal.size(), 10u);
    EXPECT_EQ(diagonal.back(), QPointF(2, 2));
    // A polyline does not repeat the shared corner; a point alone gives no path.
    EXPECT_EQ(straightPath({{0, 0}, {3, 0}, {3, 3}}).size(), 19u);
    EXPECT_TRUE(straightPath({{4, 4}}).empty());
    EXPECT_EQ(straightPath({{4, 4}, {4, 4}}).size(), 1u);
    // Raster rounding keeps ties even and drops repeats.
    EXPECT_EQ(rasterOf({{0.5, 0}, {0.4, 0}, {1.5, 0}, {2.5, 0.5}}),
              (std::vector<QPoint>{{0, 0}, {2, 0}}));
}

TEST(LineGeometry, CurveStartsAtItsFirstPointAndMatchesTheFactorialForm) {
    const std::vector<QPoint> control{{20, 100}, {100, 20}, {180, 100}, {260, 30}};
    const std::vector<QPointF> path = curvedPath(control);
    ASSERT_GT(path.size(), 100u);
    EXPECT_EQ(path.front(), QPointF(20, 100));
    EXPECT_LT(std::hypot(path.back().x() - 260, path.back().y() - 30), 0.5);
    // Near, not through, the inner control points.
    double nearest = 1e9;
    for (const QPointF& p : path)
        nearest = std::min(nearest, std::hypot(p.x() - 100, p.y() - 20));
    EXPECT_GT(nearest, 1.0);
    EXPECT_LT(nearest, 40.0);
    // Consecutive points are more than 0.3 apart in x or y.
    for (size_t i = 1; i < path.size(); ++i)
        EXPECT_TRUE(std::fabs(path[i].x() - path[i - 1].x()) > 0.3 ||
                    std::fabs(path[i].y() - path[i - 1].y()) > 0.3);

    // Against the factorial form, sampled and de-duplicated the same way: the same points.
    for (int n : {3, 10, 40}) {
        std::vector<QPoint> points;
        for (int i = 0; i < n; ++i)
            points.push_back(QPoint(10 + 15 * i, 50 + ((i * 37) % 90)));
        const std::vector<long double> binom = factorialBinomials(6 * n - 1);
        std::vector<QPointF> expected;
        for (int k = 0; k <= 4000; ++k) {
            const QPointF p = factorialFormPoint(points, binom, (long double)k / 4000);
            if (!expected.empty() && std::fabs(p.x() - expected.back().x()) <= 0.3 &&
                std::fabs(p.y() - expected.back().y()) <= 0.3)
                continue;
            expected.push_back(p);
        }
        const std::vector<QPointF> curve = curvedPath(points);
        ASSERT_EQ(curve.size(), expected.size()) << "n=" << n;
        for (size_t k = 0; k < curve.size(); ++k) {
            EXPECT_NEAR(curve[k].x(), expected[k].x(), 1e-7) << "n=" << n << " k=" << k;
            EXPECT_NEAR(curve[k].y(), expected[k].y(), 1e-7) << "n=" << n << " k=" << k;
        }
    }
}

TEST(LineGeometry, HundredsOfControlPointsStayFinite) {
    std::vector<QPoint> points;
    for (int i = 0; i < 600; ++i)
        points.push_back(QPoint(i % 450, (i * 7) % 280));
    const std::vector<QPointF> path = curvedPath(points);
    ASSERT_FALSE(path.empty());
    for (const QPointF& p : path) {
        ASSERT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
        ASSERT_TRUE(p.x() >= 0 && p.x() <= 449 && p.y() >= 0 && p.y() <= 279);
    }
    EXPECT_EQ(path.front(), QPointF(points.front()));
    EXPECT_LE(std::fabs(path.back().x() - points.back().x()), 0.3);
    EXPECT_LE(std::fabs(path.back().y() - points.back().y()), 0.3);
}

TEST(LineGeometry, EditsMarkDirtyAndHitTestUsesEvenRasterPoints) {
    const DrawingSettings settings = installedSmall();
    auto line = lineThrough(&settings, {{10, 10}, {20, 10}}, LineSolid, EndNone, false);
    EXPECT_TRUE(line->isDirty());
    line->recompute();
    EXPECT_FALSE(line->isDirty());
    EXPECT_FALSE(line->setPoint(5, QPoint(1, 1)));
    EXPECT_FALSE(line->isDirty());
    EXPECT_TRUE(line->setPoint(1, QPoint(10, 30)));
    EXPECT_TRUE(line->isDirty());
    line->addPoint(QPoint(40, 30));
    line->setCurved(true);
    EXPECT_TRUE(line->isCurved());
    line->setColour(kColourRed);
    line->recompute();
    line->setColour(kColourBlue);
    EXPECT_FALSE(line->isDirty()); // colour changes pixels only

    // Moving shifts the computed path with the control points.
    const QPointF before = line->path()[5];
    line->moveBy(3, -2);
    EXPECT_EQ(line->path()[5], before + QPointF(3, -2));
    EXPECT_EQ(line->controlPoints().front(), QPoint(13, 8));
    EXPECT_FALSE(line->isDirty());

    // A raster of four points, two apart: only the even ones (0 and 2) count.
    TLine sparse(&settings);
    QByteArray data = le32(15) + le32(0) + bytes({4, 0}) + le32(1) + bytes({0}) + le32(0) + le32(4);
    for (int x : {0, 10, 20, 30})
        data += f64(x / 450.0) + f64(100 / 280.0);
    ASSERT_TRUE(readBytes(data, [&](BinaryReader& in) { return sparse.readFrom(141, in); }).ok);
    ASSERT_EQ(sparse.raster().size(), 4u);
    EXPECT_TRUE(sparse.hitTest(QPoint(3, 103)));
    EXPECT_FALSE(sparse.hitTest(QPoint(4, 100)));
    EXPECT_FALSE(sparse.hitTest(QPoint(10, 100))); // index 1
    EXPECT_TRUE(sparse.hitTest(QPoint(17, 97)));   // index 2
    EXPECT_FALSE(sparse.hitTest(QPoint(30, 100))); // index 3
}

// Curve paths are stored in practise files, so their doubles must not change by a single
// bit. The digests were taken from the direct evaluation (every group weight worked out at
// every sample) that the weight tables replaced; they cover one to thousands of points, a
// repeated count (the table reused) and points far off the canvas.
TEST(LineGeometry, CurvePathsKeepEveryBit) {
    auto wavy = [](int n, int seed) {
        std::vector<QPoint> points;
        for (int i = 0; i < n; ++i)
            points.push_back(QPoint((seed * 131 + i * 97) % 700 - 20, (seed * 71 + i * 53) % 440));
        return points;
    };
    const struct {
        std::vector<QPoint> points;
        const char* digest;
    } cases[] = {
        {wavy(1, 1), "30843f4c00055fbb"},
        {wavy(2, 2), "7d8b4d067ddba472"},
        {wavy(3, 3), "162a9a64f651a585"},
        {wavy(5, 4), "00ea9279b71a0c79"},
        {wavy(10, 5), "2b6149ff9488cacb"},
        {wavy(10, 6), "d17e622a88fb7db6"},
        {wavy(40, 7), "763eef9b3642ceeb"},
        {wavy(200, 8), "feb0b6d2206f0427"},
        {wavy(600, 9), "9fdf876e026904fc"},
        {wavy(1001, 11), "d38acd99964e394c"}, // beyond the kept tables: worked out in passes
        {wavy(1500, 10), "4007c86af6eb0d63"},
        {{{-30000, 30000}, {30000, -30000}, {0, 0}}, "be8bee58a3c237cb"},
    };
    for (const auto& c : cases) {
        const std::vector<QPointF> path = curvedPath(c.points);
        const QByteArray bytes(reinterpret_cast<const char*>(path.data()),
                               qsizetype(path.size() * sizeof(QPointF)));
        EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1)
                      .toHex()
                      .left(16)
                      .toStdString(),
                  c.digest)
            << c.points.size() << " points";
    }
}
