#include "drawing/LineGeometry.h"

#include "drawing/DrawingStream.h"

#include <cmath>
#include <cstdlib>

namespace korvex::linegeometry {

namespace {

constexpr double kDuplicateDistance = 0.3;
constexpr int kCurveSteps = 4000; // t = 0, 0.00025, ..., 1
constexpr int kRepeats = 6;       // every control point counts six times
// Bernstein weights below this (relative to the largest, which is 1 before normalising)
// change a point by far less than 1e-9 pixels; the sums stop there.
constexpr double kNegligibleWeight = 1e-17;

void appendUnlessNear(std::vector<QPointF>& path, QPointF p) {
    if (!path.empty()) {
        const QPointF& last = path.back();
        if (std::fabs(p.x() - last.x()) <= kDuplicateDistance &&
            std::fabs(p.y() - last.y()) <= kDuplicateDistance)
            return;
    }
    path.push_back(p);
}

template <typename Point> double stepLength(const Point& a, const Point& b) {
    const double dx = double(a.x()) - double(b.x());
    const double dy = double(a.y()) - double(b.y());
    return std::sqrt(dx * dx + dy * dy);
}

template <typename Point> void trimPoints(std::vector<Point>& points, double length) {
    if (points.size() <= 1)
        return;
    if (length < 0) {
        points.pop_back();
        return;
    }
    double sum = 0.0;
    while (points.size() > 1) {
        const size_t k = points.size() - 1;
        sum += stepLength(points[k], points[k - 1]);
        points.pop_back();
        if (sum > length)
            break;
    }
}

} // namespace

double direction(QPointF a, QPointF b) {
    if (a == b)
        return 0.0;
    if (b.x() == a.x())
        return b.y() > a.y() ? kPi / 2 : 3 * kPi / 2;
    double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
    if (angle < 0)
        angle += 2 * kPi;
    if (angle >= 2 * kPi)
        angle -= 2 * kPi;
    return angle;
}

std::vector<QPointF> curvedPath(const std::vector<QPoint>& controlPoints) {
    std::vector<QPointF> path;
    const int n = int(controlPoints.size());
    if (n == 0)
        return path;
    const int degree = kRepeats * n - 1; // N; the virtual points are Q[j] = P[j / 6]

    // ratio[j] = binom(N, j) / binom(N, j - 1) = (N - j + 1) / j, for j = 1 .. N, and its
    // inverse; the virtual point coordinates Q[j] laid out flat.
    std::vector<double> ratio(size_t(degree) + 1, 0.0);
    std::vector<double> inverse(size_t(degree) + 1, 0.0);
    std::vector<double> qx(size_t(degree) + 1);
    std::vector<double> qy(size_t(degree) + 1);
    for (int j = 0; j <= degree; ++j) {
        if (j > 0) {
            ratio[size_t(j)] = double(degree - j + 1) / double(j);
            inverse[size_t(j)] = double(j) / double(degree - j + 1);
        }
        qx[size_t(j)] = controlPoints[size_t(j / kRepeats)].x();
        qy[size_t(j)] = controlPoints[size_t(j / kRepeats)].y();
    }

    path.reserve(1024);
    for (int step = 0; step <= kCurveSteps; ++step) {
        const double t = double(step) / kCurveSteps;
        if (step == 0) {
            appendUnlessNear(path, QPointF(controlPoints.front()));
            continue;
        }
        if (step == kCurveSteps) {
            appendUnlessNear(path, QPointF(controlPoints.back()));
            continue;
        }
        // The weights t^j (1-t)^(N-j) binom(N, j) peak at the binomial mode; start there
        // with weight 1 and walk outward, where they only shrink, then normalise by the sum
        // (which is 1 for the exact weights).
        const double q = t / (1.0 - t);
        const double invQ = (1.0 - t) / t;
        int mode = int(std::floor((degree + 1) * t));
        if (mode > degree)
            mode = degree;
        double sumW = 1.0;
        double sumX = qx[size_t(mode)];
        double sumY = qy[size_t(mode)];
        double w = 1.0;
        for (int j = mode + 1; j <= degree; ++j) {
            w *= ratio[size_t(j)] * q;
            if (w < kNegligibleWeight)
                break;
            sumW += w;
            sumX += w * qx[size_t(j)];
            sumY += w * qy[size_t(j)];
        }
        w = 1.0;
        for (int j = mode; j >= 1; --j) {
            w *= inverse[size_t(j)] * invQ;
            if (w < kNegligibleWeight)
                break;
            sumW += w;
            sumX += w * qx[size_t(j - 1)];
            sumY += w * qy[size_t(j - 1)];
        }
        appendUnlessNear(path, QPointF(sumX / sumW, sumY / sumW));
    }
    path.shrink_to_fit();
    return path;
}

std::vector<QPointF> straightPath(const std::vector<QPoint>& controlPoints) {
    std::vector<QPointF> path;
    for (size_t i = 0; i + 1 < controlPoints.size(); ++i) {
        const QPoint a = controlPoints[i];
        const QPoint b = controlPoints[i + 1];
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        const bool alongX = std::abs(dx) > std::abs(dy);
        const int major = alongX ? dx : dy;
        const int samples = 3 * std::abs(major) + 1;
        const double sign = major < 0 ? -1.0 : 1.0;
        for (int s = 0; s < samples; ++s) {
            const double m = sign * s / 3.0;
            QPointF p;
            if (alongX)
                p = QPointF(a.x() + m, a.y() + m * dy / dx);
            else
                p = QPointF(dy == 0 ? a.x() : a.x() + m * dx / dy, a.y() + m);
            appendUnlessNear(path, p);
        }
    }
    return path;
}

std::vector<QPoint> rasterOf(const std::vector<QPointF>& path) {
    std::vector<QPoint> raster;
    raster.reserve(path.size());
    for (const QPointF& p : path) {
        const QPoint r(roundToInt(p.x()), roundToInt(p.y()));
        if (raster.empty() || raster.back() != r)
            raster.push_back(r);
    }
    return raster;
}

double trimLength(int lineKind, int endKind) {
    if (endKind >= 4)
        return -1.0;
    double offset = 0.0;
    if (lineKind == 2)
        offset = 5.0;
    else if (lineKind == 3 || lineKind == 4)
        offset = 7.0;
    const double margin = (endKind == 0 || endKind == 3) ? 2.0 : 0.0;
    return offset + margin;
}

void trim(std::vector<QPointF>& points, double length) {
    trimPoints(points, length);
}
void trim(std::vector<QPoint>& points, double length) {
    trimPoints(points, length);
}

} // namespace korvex::linegeometry
