#include "rinks/RinkPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace korvex::rinks {

namespace {

// Rink measures in feet: a 200 x 85 sheet, centre at (0, 0), x along the rink.
constexpr double kHalfWidth = 42.5;
constexpr double kCornerRadius = 28.0;
constexpr double kGoalLine = 89.0;
constexpr double kBlueLine = 25.0;
constexpr double kEndDotX = 69.0;
constexpr double kNeutralDotX = 20.0;
constexpr double kDotY = 22.0;
constexpr double kCircleRadius = 15.0;
constexpr double kCreaseRadius = 6.0;
constexpr double kGoalHalfWidth = 3.0;
constexpr double kGoalDepth = 3.4;
constexpr double kRefereeCrease = 10.0;

const QColor kOutside(0xD9, 0xE0, 0xE8);
const QColor kIceTop(0xFB, 0xFD, 0xFF);
const QColor kIceBottom(0xEC, 0xF3, 0xF9);
const QColor kBoards(0x3A, 0x40, 0x48);
const QColor kRed(0xD2, 0x1F, 0x2B);
const QColor kBlue(0x1E, 0x4F, 0xB4);
const QColor kCrease(0xA9, 0xD3, 0xF3);
const QColor kNetFill(0xF2, 0xF2, 0xF2);

// Maps rink feet to picture pixels for one picture.
class RinkMap {
public:
    RinkMap(double firstX, double lastX, int width, int height) : m_firstX(firstX) {
        m_margin = std::max(3.0, width / 110.0);
        m_sx = (width - 2 * m_margin) / (lastX - firstX);
        m_sy = (height - 2 * m_margin) / (2 * kHalfWidth);
        m_mean = std::sqrt(m_sx * m_sy);
        m_unit = width / 675.0;
    }
    QPointF at(double x, double y) const {
        return {m_margin + (x - m_firstX) * m_sx, m_margin + (y + kHalfWidth) * m_sy};
    }
    double x(double feet) const { return at(feet, 0).x(); }
    double y(double feet) const { return at(0, feet).y(); }
    double sx() const { return m_sx; }
    double sy() const { return m_sy; }
    // Scale for round things (circles, dots, corners).
    double round(double feet) const { return feet * m_mean; }
    // Width of the thick lines (a foot wide on a real rink, at least 2 pixels here).
    double thick() const { return std::max(2.0, m_sx * 1.0); }
    double thin() const { return std::max(1.1, 1.5 * m_unit); }
    double unit() const { return m_unit; }

private:
    double m_firstX;
    double m_margin = 0;
    double m_sx = 1;
    double m_sy = 1;
    double m_mean = 1;
    double m_unit = 1;
};

// The outline of the boards; `openLeft` leaves the left end straight (the half rink is
// cut at the centre line).
QPainterPath boardsPath(const RinkMap& map, double firstX, double lastX, bool openLeft) {
    const QPointF topLeft = map.at(firstX, -kHalfWidth);
    const QPointF bottomRight = map.at(lastX, kHalfWidth);
    const QRectF rect(topLeft, bottomRight);
    const double r = map.round(kCornerRadius);
    QPainterPath path;
    if (!openLeft) {
        path.addRoundedRect(rect, r, r);
        return path;
    }
    path.moveTo(rect.topLeft());
    path.lineTo(rect.right() - r, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * r, rect.top(), 2 * r, 2 * r), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - r);
    path.arcTo(QRectF(rect.right() - 2 * r, rect.bottom() - 2 * r, 2 * r, 2 * r), 0, -90);
    path.lineTo(rect.bottomLeft());
    return path;
}

void fillIce(QPainter& p, const QPainterPath& boards, int height) {
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, kIceTop);
    gradient.setColorAt(1, kIceBottom);
    QPainterPath closed = boards;
    closed.closeSubpath();
    p.fillPath(closed, gradient);
}

void verticalLine(QPainter& p, const RinkMap& map, double x, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(map.x(x), map.y(-kHalfWidth - 1)), QPointF(map.x(x), map.y(kHalfWidth + 1)));
}

void dot(QPainter& p, const RinkMap& map, double x, double y, const QColor& colour,
         double radiusFeet) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double r = std::max(2.0 * map.unit(), map.round(radiusFeet));
    p.drawEllipse(map.at(x, y), r, r);
    p.setBrush(Qt::NoBrush);
}

// An end-zone face-off circle with its hash marks on the circle and the L marks around
// the dot.
void faceOffCircle(QPainter& p, const RinkMap& map, double x, double y) {
    const QPointF centre = map.at(x, y);
    const double radius = map.round(kCircleRadius);
    p.setPen(QPen(kRed, map.thin(), Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    // Hash marks: two pairs, on the side towards each board.
    const double dx = map.round(2.95);
    const double along = std::sqrt(std::max(0.0, radius * radius - dx * dx));
    const double length = map.round(2.2);
    for (double side : {-1.0, 1.0}) {
        for (double sign : {-1.0, 1.0}) {
            const QPointF from(centre.x() + sign * dx, centre.y() + side * along);
            p.drawLine(from, from + QPointF(0, side * length));
        }
    }
    // The L marks beside the dot.
    for (double sxSign : {-1.0, 1.0}) {
        for (double sySign : {-1.0, 1.0}) {
            const QPointF corner =
                centre + QPointF(sxSign * map.round(2.0), sySign * map.round(0.9));
            p.drawLine(corner, corner + QPointF(sxSign * map.round(4.0), 0));
            p.drawLine(corner, corner + QPointF(0, sySign * map.round(3.0)));
        }
    }
    dot(p, map, x, y, kRed, 1.0);
}

// The goal at one end: crease in front (towards the centre), net behind the goal line,
// and the trapezoid behind the net. `end` is +1 for the right end, -1 for the left.
void goalArea(QPainter& p, const RinkMap& map, double end) {
    const double goalX = end * kGoalLine;
    // Trapezoid behind the net.
    p.setPen(QPen(kRed, map.thin(), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(map.at(goalX, -11), map.at(end * 100.5, -14));
    p.drawLine(map.at(goalX, 11), map.at(end * 100.5, 14));
    // Crease: a half ellipse in front of the goal.
    const QPointF mouth = map.at(goalX, 0);
    const double rx = map.round(kCreaseRadius) * 0.9;
    const double ry = kCreaseRadius * map.sy();
    QPainterPath crease;
    crease.moveTo(mouth);
    crease.arcTo(QRectF(mouth.x() - rx, mouth.y() - ry, 2 * rx, 2 * ry), end > 0 ? 90 : -90, 180);
    crease.closeSubpath();
    p.setBrush(kCrease);
    p.drawPath(crease);
    p.setBrush(Qt::NoBrush);
    // Goal line across the rink (clipped by the boards).
    verticalLine(p, map, goalX, kRed, map.thin());
    // Net: a rounded frame behind the goal line.
    const QPointF a = map.at(goalX, -kGoalHalfWidth);
    const QPointF b = map.at(goalX + end * kGoalDepth, kGoalHalfWidth);
    const QRectF net = QRectF(a, b).normalized();
    const double r = net.width() * 0.45;
    p.setPen(QPen(kRed.darker(115), std::max(1.5, 2.0 * map.unit())));
    p.setBrush(kNetFill);
    p.drawRoundedRect(net, r, r);
    // A little mesh makes it read as a net.
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), std::max(0.6, 0.8 * map.unit())));
    for (double t = 0.25; t < 1.0; t += 0.25)
        p.drawLine(QPointF(net.left() + 1, net.top() + t * net.height()),
                   QPointF(net.right() - 1, net.top() + t * net.height()));
    p.setBrush(Qt::NoBrush);
}

void centreMarkings(QPainter& p, const RinkMap& map) {
    verticalLine(p, map, 0, kRed, map.thick());
    const double radius = map.round(kCircleRadius);
    p.setPen(QPen(kBlue, map.thin()));
    p.drawEllipse(map.at(0, 0), radius, radius);
    dot(p, map, 0, 0, kBlue, 0.6);
    // Referee's crease at the lower boards.
    const double r = map.round(kRefereeCrease);
    const QPointF foot = map.at(0, kHalfWidth);
    p.setPen(QPen(kRed, map.thin()));
    p.drawArc(QRectF(foot.x() - r, foot.y() - r, 2 * r, 2 * r), 0, 180 * 16);
}

void paintBoards(QPainter& p, const RinkMap& map, const QPainterPath& boards) {
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(kBoards, std::max(2.0, 3.0 * map.unit()), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(boards);
}

} // namespace

QString rinkTitle(RinkKind kind) {
    switch (kind) {
    case RinkKind::FullRink:
        return QStringLiteral("Rink");
    case RinkKind::HalfRink:
        return QStringLiteral("HalfRink");
    case RinkKind::IceSheet:
        return QStringLiteral("IceSheet");
    }
    return {};
}

QImage paintRink(RinkKind kind, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kOutside);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const bool half = kind == RinkKind::HalfRink;
    const double firstX = half ? -4.0 : -100.0;
    const double lastX = 100.0;
    const RinkMap map(firstX, lastX, width, height);
    const QPainterPath boards = boardsPath(map, firstX, lastX, half);
    fillIce(p, boards, height);

    QPainterPath clip = boards;
    clip.closeSubpath();
    p.setClipPath(clip);

    if (kind != RinkKind::IceSheet) {
        for (double end : {-1.0, 1.0}) {
            if (half && end < 0)
                continue;
            verticalLine(p, map, end * kBlueLine, kBlue, map.thick() * 1.15);
            goalArea(p, map, end);
            for (double side : {-1.0, 1.0}) {
                faceOffCircle(p, map, end * kEndDotX, side * kDotY);
                dot(p, map, end * kNeutralDotX, side * kDotY, kRed, 1.0);
            }
        }
        centreMarkings(p, map);
    }
    paintBoards(p, map, boards);
    p.end();
    return image;
}

} // namespace korvex::rinks
