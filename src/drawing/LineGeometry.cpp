#include "drawing/LineGeometry.h"

#include "drawing/CurveWeights.h"
#include "drawing/DrawingStream.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvex::linegeometry {

namespace {

constexpr double kDuplicateDistance = 0.3;

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
    std::vector<double> x(n), y(n);
    for (size_t i = 0; i < n; ++i) {
        x[i] = controlPoints[i].x();
        y[i] = controlPoints[i].y();
    }
    path.reserve(1024);
    appendUnlessNear(path, QPointF(controlPoints.front()));
    if (n <= CurveWeights::kMaxCachedCount) {
        const std::shared_ptr<const CurveWeights> weights = CurveWeights::forCount(n);
        for (int step = 1; step < CurveWeights::kSteps; ++step)
            appendUnlessNear(path, weights->point(step, x.data(), y.data()));
    } else {
        for (int first = 1; first < CurveWeights::kSteps; first += CurveWeights::kPassSteps) {
            const int last = std::min(first + CurveWeights::kPassSteps, CurveWeights::kSteps) - 1;
            const CurveWeights pass(n, first, last);
            for (int step = first; step <= last; ++step)
                appendUnlessNear(path, pass.point(step, x.data(), y.data()));
        }
    }
    appendUnlessNear(path, QPointF(controlPoints.back()));
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
    // The samples of each segment, counted first so the path is allocated once.
    const auto samplesOf = [density](QPoint a, QPoint b) {
        const QPoint d = b - a;
        return int(density * std::max(std::abs(d.x()), std::abs(d.y()))) + 1;
    };
    size_t total = 0;
    for (size_t i = 0; i + 1 < controlPoints.size(); ++i)
        total += size_t(samplesOf(controlPoints[i], controlPoints[i + 1]));
    path.reserve(total);
    for (size_t i = 0; i + 1 < controlPoints.size(); ++i) {
        const QPoint a = controlPoints[i];
        const QPoint b = controlPoints[i + 1];
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        const bool alongX = std::abs(dx) > std::abs(dy);
        const int major = alongX ? dx : dy;
        const int samples = samplesOf(a, b);
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
