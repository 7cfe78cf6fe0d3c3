#include "ProgramIcon.h"

#include <QPainter>
#include <QTextStream>

#include <algorithm>

namespace korvex::icon {

namespace {

const QColor kBadge(0x1F, 0x4E, 0x8C);
const QColor kBoards(0x2B, 0x3A, 0x55);
const QColor kIce(0xEE, 0xF6, 0xFF);
const QColor kRed(0xD0, 0x32, 0x32);
const QColor kBlue(0x2F, 0x6F, 0xD0);
const QColor kPuck(0x15, 0x18, 0x1E);

// No outline is drawn thinner than this many pixels, or small pictures lose the drill line.
constexpr qreal kThinnestStroke = 1.5;

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath line(const QPointF& from, const QPointF& to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPainterPath circle(const QPointF& centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A skating line of a drill: a curve from the left zone towards the net, then its arrowhead.
QPainterPath drillCurve() {
    QPainterPath path(QPointF(62, 168));
    path.cubicTo(QPointF(84, 96), QPointF(140, 92), QPointF(170, 118));
    return path;
}

QPainterPath arrowHead() {
    QPainterPath path(QPointF(192, 138));
    path.lineTo(QPointF(156, 134));
    path.lineTo(QPointF(180, 106));
    path.closeSubpath();
    return path;
}

std::vector<IconShape> makeShapes() {
    const QColor none;
    return {
        {roundedRect(QRectF(8, 8, 240, 240), 52), kBadge, none, 0},
        {roundedRect(QRectF(30, 60, 196, 136), 48), kIce, kBoards, 8},
        {line(QPointF(128, 64), QPointF(128, 192)), none, kRed, 8},
        {line(QPointF(88, 64), QPointF(88, 192)), none, kBlue, 6, 32},
        {line(QPointF(168, 64), QPointF(168, 192)), none, kBlue, 6, 32},
        {drillCurve(), none, kPuck, 10},
        {arrowHead(), kPuck, kPuck, 4},
        {circle(QPointF(62, 168), 12), kRed, none, 0},
    };
}

QString svgColour(const QColor& colour) {
    return colour.isValid() ? colour.name() : QStringLiteral("none");
}

QString number(qreal value) {
    return QString::number(value, 'g', 6);
}

// The path as SVG path data: Qt keeps every curve, ellipse arc and rounded corner as cubic
// pieces, so move, line and cubic commands describe any of them exactly.
// A subpath that ends where it started is closed with "Z", so its outline joins there.
QString svgPathData(const QPainterPath& path) {
    QString data;
    QPointF start;
    QPointF last;
    const auto closeIfBack = [&] {
        if (!data.isEmpty() && last == start)
            data += QStringLiteral("Z ");
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            closeIfBack();
            data += QStringLiteral("M%1 %2 ").arg(number(e.x), number(e.y));
            start = last = e;
            break;
        case QPainterPath::LineToElement:
            data += QStringLiteral("L%1 %2 ").arg(number(e.x), number(e.y));
            last = e;
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            last = end;
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break; // consumed with its curve
        }
    }
    closeIfBack();
    return data.trimmed();
}

} // namespace

const std::vector<IconShape>& iconShapes() {
    static const std::vector<IconShape> shapes = makeShapes();
    return shapes;
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qreal(size) / kGrid;
    painter.scale(scale, scale);
    for (const IconShape& shape : iconShapes()) {
        if (size < shape.minimumSize)
            continue;
        const qreal width = std::max(shape.strokeWidth, kThinnestStroke / scale);
        painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
        painter.setPen(shape.stroke.isValid()
                           ? QPen(shape.stroke, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                           : QPen(Qt::NoPen));
        painter.drawPath(shape.path);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray iconSvg() {
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kGrid << "\" height=\"" << kGrid
        << "\" viewBox=\"0 0 " << kGrid << ' ' << kGrid << "\">\n";
    for (const IconShape& shape : iconShapes()) {
        out << "  <path d=\"" << svgPathData(shape.path) << "\" fill=\"" << svgColour(shape.fill)
            << "\" stroke=\"" << svgColour(shape.stroke) << '"';
        if (shape.stroke.isValid())
            out << " stroke-width=\"" << number(shape.strokeWidth)
                << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        out << "/>\n";
    }
    out << "</svg>\n";
    out.flush();
    return text.toUtf8();
}

} // namespace korvex::icon
