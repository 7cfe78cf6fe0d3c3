#include "drawing/LinePainter.h"

#include "drawing/DrawingStream.h"
#include "drawing/LineGeometry.h"

#include <cmath>
#include <cstdlib>

namespace korvex {

using linegeometry::direction;
using linegeometry::kPi;

namespace {

constexpr quint32 kEmptyCell = 0xFFFFFF;

// The ring stamp, rows dy = -4 .. 4, columns dx = -4 .. 4: F line colour, M mid tint,
// L light tint, '.' empty.
constexpr const char* kRingPattern[9] = {
    "...LLL...", "..MFFFM..", ".MFMLMFM.", "LFM...MFL", "LFL...LFL",
    "LFM...MFL", ".MFMLMFM.", "..MFFFM..", "...LLL...",
};

double distance(QPointF a, QPointF b) {
    const double dx = a.x() - b.x();
    const double dy = a.y() - b.y();
    return std::sqrt(dx * dx + dy * dy);
}

QPoint rounded(QPointF p) {
    return QPoint(roundToInt(p.x()), roundToInt(p.y()));
}

// Rounds an offset symmetrically about zero, taking values within rounding noise of a half
// as halves (away from zero), so offsets that are mirror images stay mirror images.
QPoint roundedOffset(QPointF offset) {
    const auto round = [](double v) {
        const int r = int(std::floor(std::abs(v) + 0.5 + 1e-9));
        return v < 0 ? -r : r;
    };
    return QPoint(round(offset.x()), round(offset.y()));
}

QPointF along(double angle, double length) {
    return QPointF(length * std::cos(angle), length * std::sin(angle));
}

// Rounding with ties upward, for the two rails of the double solid body: a rail 1.5 pixels
// either side of the centre must land 3 pixels from its partner whatever the parity of the
// centre row.
int roundUp(double value) {
    return int(std::floor(value + 0.5));
}

} // namespace

const std::vector<LinePainter::Cell>& LinePainter::ring() {
    // Built on first use (thread-safe as a function-local static) and kept.
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> built;
        built.reserve(48);
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                const char c = kRingPattern[row][column];
                if (c == '.')
                    continue;
                const int dx = column - 4;
                const int dy = row - 4;
                built.push_back({dx, dy, direction(QPointF(0, 0), QPointF(dx, dy)),
                                 c == 'F'   ? 0
                                 : c == 'M' ? 1
                                            : 2});
            }
        }
        return built;
    }();
    return cells;
}

LinePainter::LinePainter(QImage& image, quint32 colour)
    : m_canvas(image), m_colour(colour),
      m_tints(tintsOf(colour)), m_shades{colour, m_tints.mid, m_tints.light} {}

quint32 LinePainter::ringCell(int dx, int dy) const {
    for (const Cell& cell : ring())
        if (cell.dx == dx && cell.dy == dy)
            return m_shades[size_t(cell.shade)];
    return kEmptyCell;
}

void LinePainter::smoothedPixel(const std::vector<QPoint>& points, size_t k) {
    const QPoint q = points[k];
    put(q, m_colour);
    if (k < 2)
        return;
    const QPoint p = points[k - 1];
    const QPoint r = points[k - 2];
    if (q.x() == p.x() || q.y() == p.y()) {
        if (q.x() - p.x() != p.x() - r.x())
            put(q - (p - r), m_tints.mid);
    } else {
        put(QPoint(p.x(), q.y()), m_tints.mid);
        put(QPoint(q.x(), p.y()), m_tints.mid);
    }
}

std::vector<QPoint> LinePainter::pixelLinePoints(QPoint a, QPoint b) {
    std::vector<QPoint> points;
    const int dx = b.x() - a.x();
    const int dy = b.y() - a.y();
    if (std::abs(dy) < std::abs(dx)) {
        if (a.x() > b.x())
            std::swap(a, b);
        const double slope = double(b.y() - a.y()) / double(b.x() - a.x());
        for (int x = a.x(); x <= b.x(); ++x) {
            // The offset from the start is rounded, not the coordinate, so two lines mirrored
            // across a row or column get mirrored pixels (ties round alike both ways).
            const QPoint p(x, a.y() + roundToInt((x - a.x()) * slope));
            if (points.empty() || points.back() != p)
                points.push_back(p);
        }
    } else {
        if (a.y() > b.y())
            std::swap(a, b);
        const double slope = dy == 0 ? 0.0 : double(b.x() - a.x()) / double(b.y() - a.y());
        for (int y = a.y(); y <= b.y(); ++y) {
            const QPoint p(a.x() + roundToInt((y - a.y()) * slope), y);
            if (points.empty() || points.back() != p)
                points.push_back(p);
        }
    }
    return points;
}

void LinePainter::pixelLine(QPoint a, QPoint b) {
    m_scratch = pixelLinePoints(a, b);
    for (size_t k = 0; k < m_scratch.size(); ++k)
        smoothedPixel(m_scratch, k);
}

void LinePainter::halfRing(QPointF centre, QPointF previous, QPointF next, bool side) {
    const double h = direction(centre, previous);
    const double l = direction(centre, next);
    const bool flipped = side != (h < kPi);
    const bool level = std::fabs(previous.y() - next.y()) < 1e-6;
    const double lo = std::min(h, l);
    const double hi = std::max(h, l);
    for (const Cell& cell : ring()) {
        bool paint;
        if (!level)
            paint = flipped ? (cell.angle <= lo || cell.angle >= hi)
                            : (lo < cell.angle && cell.angle < hi);
        else
            paint = flipped ? cell.dy >= 0 : cell.dy <= 0;
        if (paint)
            put(QPoint(roundToInt(centre.x() + 0.001 + cell.dx),
                       roundToInt(centre.y() + 0.001 + cell.dy)),
                m_shades[size_t(cell.shade)]);
    }
}

void LinePainter::solid(const std::vector<QPointF>& path, const std::vector<QPoint>& raster) {
    for (const QPointF& p : path)
        put(rounded(p), m_colour);
    for (size_t k = 0; k < raster.size(); ++k)
        smoothedPixel(raster, k);
}

void LinePainter::dash(const std::vector<QPoint>& raster) {
    double run = 0.0;
    for (size_t k = 1; k < raster.size(); ++k) {
        const double e = run + distance(raster[k - 1], raster[k]);
        if (e < 8)
            smoothedPixel(raster, k);
        run = e > 12 ? 0.0 : e;
    }
}

void LinePainter::doubleSolid(const std::vector<QPointF>& path) {
    for (size_t k = 0; k < path.size(); ++k) {
        const QPointF p = path[k];
        // sin and cos of the travel direction, straight from the step (0 for no step).
        double s = 0.0;
        double c = 1.5;
        if (k > 0) {
            const QPointF step = p - path[k - 1];
            const double length = std::sqrt(step.x() * step.x() + step.y() * step.y());
            if (length > 0) {
                s = 1.5 * step.y() / length;
                c = 1.5 * step.x() / length;
            }
        }
        put(QPoint(roundUp(p.x() + s), roundUp(p.y() - c)), m_colour);
        put(QPoint(roundUp(p.x() - s), roundUp(p.y() + c)), m_colour);
    }
}

void LinePainter::twiddle(const std::vector<QPointF>& path, bool semicircle) {
    const double threshold = semicircle ? 4.0 : 6.5;
    const long n = long(path.size());
    const long first = semicircle ? 3 : 2;
    const long last = semicircle ? n - 4 : n - 3;
    double run = 0.0;
    bool side = true;
    for (long k = 0; k < n; ++k) {
        if (k > 0)
            run += distance(path[size_t(k - 1)], path[size_t(k)]);
        if (run <= threshold)
            continue;
        if (k >= first && k <= last) {
            const QPointF& p = path[size_t(k)];
            if (semicircle) {
                const QPointF u = (path[size_t(k - 1)] + path[size_t(k - 2)]) / 2.0;
                const QPointF v = (path[size_t(k + 1)] + path[size_t(k + 2)]) / 2.0;
                halfRing(p, u, v, side);
            } else {
                halfRing(p, path[size_t(k - 1)], path[size_t(k + 1)], side);
            }
            side = !side;
        }
        run = 0.0;
    }
}

void LinePainter::crosswise(const std::vector<QPointF>& path) {
    double run = 0.0;
    for (size_t k = 1; k < path.size(); ++k) {
        run += distance(path[k - 1], path[k]);
        if (run > 6 && k + 1 < path.size()) {
            const QPointF p = path[k];
            const double a = direction(path[k - 1], path[k + 1]);
            const double s = 4 * std::sin(a);
            const double c = 4 * std::cos(a);
            pixelLine(rounded(QPointF(p.x() + s, p.y() - c)),
                      rounded(QPointF(p.x() - s, p.y() + c)));
            run = 0.0;
        }
    }
}

void LinePainter::paintBody(int lineKind, const std::vector<QPointF>& path,
                            const std::vector<QPoint>& raster) {
    switch (lineKind) {
    case LineSolid:
        solid(path, raster);
        break;
    case LineDash:
        dash(raster);
        break;
    case LineDoubleSolid:
        doubleSolid(path);
        break;
    case LineTwiddle:
        twiddle(path, false);
        break;
    case LineSemicircle:
        twiddle(path, true);
        break;
    case LineCrosswise:
        crosswise(path);
        break;
    case LineCrosswiseSolid:
        solid(path, raster);
        crosswise(path);
        break;
    default:
        break; // an unknown kind from a file draws no body
    }
}

void LinePainter::paintEnd(int lineKind, int endKind, QPointF lastPath, QPoint end) {
    const double theta = direction(lastPath, QPointF(end));
    const QPointF e(end);
    if (lineKind == LineTwiddle || lineKind == LineSemicircle) {
        const QPoint to = endKind == EndArc ? end - rounded(along(theta, 3)) : end;
        pixelLine(rounded(lastPath), to);
    }
    switch (endKind) {
    case EndArrow: {
        // The arms are one offset mirrored across the line, rounded as offsets from the
        // integer end point, so a horizontal or vertical arrow is exactly symmetric (a tie
        // like y + 3.5 / y - 3.5 would otherwise round one arm a row further out).
        const QPointF back = along(theta + kPi, 7 * std::cos(kPi / 6));
        const QPointF side = along(theta + kPi / 2, 7 * std::sin(kPi / 6));
        pixelLine(end, end + roundedOffset(back + side));
        pixelLine(end, end + roundedOffset(back - side));
        break;
    }
    case EndCross:
        pixelLine(rounded(e + along(theta + 3 * kPi / 2, 4)),
                  rounded(e + along(theta + kPi / 2, 4)));
        break;
    case EndDoubleCross: {
        pixelLine(rounded(e + along(theta + 3 * kPi / 2, 4)),
                  rounded(e + along(theta + kPi / 2, 4)));
        const QPointF f = e + along(theta, 3);
        pixelLine(end, rounded(f));
        pixelLine(rounded(f + along(theta + 3 * kPi / 2, 4)),
                  rounded(f + along(theta + kPi / 2, 4)));
        break;
    }
    case EndArc:
        halfRing(e, e + along(theta + kPi / 2, 5), e + along(theta + 3 * kPi / 2, 5), true);
        break;
    default:
        break;
    }
}

} // namespace korvex
