#include "drawing/LineGeometry.h"

#include "drawing/DrawingStream.h"

#include <algorithm>
#include <array>
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
    const size_t n = controlPoints.size();
    if (n == 0)
        return path;
    const int degree = kRepeats * int(n) - 1; // N; the virtual points are Q[j] = P[j / 6]

    // The weight of Q[j] is b(j) = binom(N, j) t^j (1-t)^(N-j). Consecutive weights differ by
    // the factor ratio(j) q with ratio(j) = (N - j + 1) / j and q = t / (1 - t), so the six
    // weights of control point i are b(6i) times a polynomial of degree 5 in q whose
    // coefficients depend on N only:
    //   group(i) = b(6i) (1 + c1 q + c2 q^2 + ... + c5 q^5), c_k = ratio(6i+1) ... ratio(6i+k)
    // and b(6i + 6) = b(6i) step(i) q^6 with step(i) = c5 ratio(6i + 6).
    auto ratio = [degree](int j) { return double(degree - j + 1) / double(j); };
    std::vector<double> inverseRatio(size_t(degree) + 1, 0.0);
    for (int j = 1; j <= degree; ++j)
        inverseRatio[size_t(j)] = double(j) / double(degree - j + 1);
    std::vector<double> inverseStep(n, 0.0);
    std::vector<std::array<double, kRepeats>> coefficients(n);
    std::vector<double> step(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const int first = kRepeats * int(i);
        double c = 1.0;
        coefficients[i][0] = 1.0;
        for (int k = 1; k < kRepeats; ++k) {
            c *= ratio(first + k);
            coefficients[i][size_t(k)] = c;
        }
        if (i + 1 < n) {
            step[i] = c * ratio(first + kRepeats);
            inverseStep[i] = 1.0 / step[i];
        }
    }

    path.reserve(1024);
    for (int stepIndex = 0; stepIndex <= kCurveSteps; ++stepIndex) {
        if (stepIndex == 0) {
            appendUnlessNear(path, QPointF(controlPoints.front()));
            continue;
        }
        if (stepIndex == kCurveSteps) {
            appendUnlessNear(path, QPointF(controlPoints.back()));
            continue;
        }
        const double t = double(stepIndex) / kCurveSteps;
        const double q = t / (1.0 - t);
        const double invQ = (1.0 - t) / t;
        double powers[kRepeats];
        powers[0] = 1.0;
        for (int k = 1; k < kRepeats; ++k)
            powers[k] = powers[k - 1] * q;
        const double q6 = powers[kRepeats - 1] * q;
        const double invQ2 = invQ * invQ;
        const double invQ6 = invQ2 * invQ2 * invQ2;
        auto groupSum = [&](size_t i, double firstWeight) {
            const auto& c = coefficients[i];
            double sum = 0.0;
            for (int k = 0; k < kRepeats; ++k)
                sum += c[size_t(k)] * powers[k];
            return firstWeight * sum;
        };

        // The weights peak at the binomial mode; give that weight 1 and walk outward group by
        // group, where the group sums only shrink, then normalise by the total (which is 1 for
        // the exact weights). Nothing can overflow, and negligible groups end the walk.
        int mode = int(std::floor((degree + 1) * t));
        if (mode > degree)
            mode = degree;
        const size_t home = size_t(mode / kRepeats);
        double homeWeight = 1.0; // b(6 home) relative to b(mode)
        for (int j = mode; j > kRepeats * int(home); --j)
            homeWeight *= invQ * inverseRatio[size_t(j)];

        double sumW = 0.0, sumX = 0.0, sumY = 0.0;
        auto add = [&](size_t i, double g) {
            sumW += g;
            sumX += g * controlPoints[i].x();
            sumY += g * controlPoints[i].y();
        };
        add(home, groupSum(home, homeWeight));
        double w = homeWeight;
        for (size_t i = home + 1; i < n; ++i) {
            w *= step[i - 1] * q6;
            const double g = groupSum(i, w);
            if (g < kNegligibleWeight)
                break;
            add(i, g);
        }
        w = homeWeight;
        for (size_t i = home; i-- > 0;) {
            w *= invQ6 * inverseStep[i];
            const double g = groupSum(i, w);
            if (g < kNegligibleWeight)
                break;
            add(i, g);
        }
        appendUnlessNear(path, QPointF(sumX / sumW, sumY / sumW));
    }
    path.shrink_to_fit();
    return path;
}

std::vector<QPointF> straightPath(const std::vector<QPoint>& controlPoints) {
    std::vector<QPointF> path;
    // Three samples per pixel of the major axis, unless the line is so long (points far
    // apart, or very many) that the path would exceed kMaxStraightSamples: then the samples
    // are spread thinner so that no line costs more than that bound.
    double totalMajor = 0.0;
    for (size_t i = 0; i + 1 < controlPoints.size(); ++i) {
        const QPoint d = controlPoints[i + 1] - controlPoints[i];
        totalMajor += std::max(std::abs(double(d.x())), std::abs(double(d.y())));
    }
    const double segments = double(controlPoints.size());
    double density = 3.0;
    if (density * totalMajor + segments > kMaxStraightSamples)
        density = std::max(0.0, kMaxStraightSamples - segments) / std::max(1.0, totalMajor);
    for (size_t i = 0; i + 1 < controlPoints.size(); ++i) {
        const QPoint a = controlPoints[i];
        const QPoint b = controlPoints[i + 1];
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        const bool alongX = std::abs(dx) > std::abs(dy);
        const int major = alongX ? dx : dy;
        const int samples = int(density * std::abs(major)) + 1;
        const double sign = major < 0 ? -1.0 : 1.0;
        for (int s = 0; s < samples; ++s) {
            const double m = s == 0 ? 0.0 : sign * s / density;
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
