#include "FigureArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>

namespace korvex::figures {

namespace {

const QColor kRed(200, 20, 30);
const QColor kBlue(20, 60, 200);
const QColor kGreen(0, 140, 40);
const QColor kInk(25, 25, 25);

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QColor pale(const QColor& c) {
    return QColor(255 - (255 - c.red()) / 5, 255 - (255 - c.green()) / 5,
                  255 - (255 - c.blue()) / 5);
}

// Player shapes leave a white middle for the number drawn over them. A start player has a
// pale fill and a doubled outline.
QImage player(int shape, const QColor& colour, bool start) {
    QImage image = canvas(19, 19);
    QPainter p(&image);
    begin(p);
    const QColor fill = start ? pale(colour) : Qt::white;
    QPainterPath path;
    switch (shape) {
    case 0: // forward: circle
        path.addEllipse(QRectF(1.5, 1.5, 16, 16));
        break;
    case 1: // defender: triangle, apex up
        path.moveTo(9.5, 1.0);
        path.lineTo(18.0, 17.5);
        path.lineTo(1.0, 17.5);
        path.closeSubpath();
        break;
    default: // free player: rounded square
        path.addRoundedRect(QRectF(1.5, 1.5, 16, 16), 3, 3);
        break;
    }
    p.setPen(QPen(colour, start ? 2.6 : 2.0));
    p.setBrush(fill);
    p.drawPath(path);
    if (start) {
        // A short tick mark on the top-right: the player's starting position.
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(13.0, 0.0, 6, 6));
    }
    return image;
}

QImage goalie() {
    QImage image = canvas(21, 21);
    QPainter p(&image);
    begin(p);
    // Pads spread wide, a blocker and a catcher either side.
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(30, 30, 120));
    p.drawRoundedRect(QRectF(5.5, 4.5, 10, 13), 3, 3);
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(0.5, 8.5, 5, 7));
    p.drawEllipse(QRectF(15.0, 8.0, 5.5, 7));
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(7.5, 0.5, 6, 6));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(5.5, 6.5, 10, 11), Qt::AlignCenter, QStringLiteral("G"));
    return image;
}

QImage coach() {
    QImage image = canvas(19, 19);
    QPainter p(&image);
    begin(p);
    // A figure with a whistle: head, shoulders, a cord and the whistle.
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(6.0, 0.5, 7, 7));
    QPainterPath body;
    body.moveTo(1.0, 18.5);
    body.cubicTo(1.0, 9.0, 18.0, 9.0, 18.0, 18.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(QColor(230, 180, 0), 1.2));
    p.drawLine(QPointF(7.5, 10.0), QPointF(9.5, 14.0));
    p.drawLine(QPointF(11.5, 10.0), QPointF(9.5, 14.0));
    p.setBrush(QColor(250, 210, 0));
    p.setPen(QPen(kInk, 0.8));
    p.drawEllipse(QRectF(7.5, 13.0, 4.5, 4.5));
    return image;
}

// A net seen from above with its mouth towards +x before rotation: red posts and frame,
// grey mesh. Variant v turns it by v * 45 degrees clockwise.
QImage net(int variant, bool large) {
    const int side = large ? 27 : 19;
    const double depth = large ? 13.0 : 9.0;
    const double width = large ? 21.0 : 14.0;
    QImage image = canvas(side, side);
    QPainter p(&image);
    begin(p);
    p.translate(side / 2.0, side / 2.0);
    p.rotate(variant * 45.0);
    const double back = -depth / 2.0;
    const double front = depth / 2.0;
    QPainterPath frame;
    frame.moveTo(front, -width / 2);
    frame.lineTo(back + depth * 0.35, -width / 2);
    frame.quadTo(back, -width / 2, back, 0);
    frame.quadTo(back, width / 2, back + depth * 0.35, width / 2);
    frame.lineTo(front, width / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 235));
    p.drawPath(frame);
    p.setPen(QPen(QColor(150, 150, 150), 0.7));
    for (double y = -width / 2 + 2.5; y < width / 2; y += 2.5)
        p.drawLine(QPointF(back + 1, y), QPointF(front, y));
    for (double x = back + 2.5; x < front; x += 2.5)
        p.drawLine(QPointF(x, -width / 2 + 0.5), QPointF(x, width / 2 - 0.5));
    p.setPen(QPen(kRed, large ? 2.2 : 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    // The goal line across the mouth.
    p.setPen(QPen(kRed, 0.9, Qt::DotLine));
    p.drawLine(QPointF(front, -width / 2), QPointF(front, width / 2));
    return image;
}

QImage cone() {
    QImage image = canvas(13, 15);
    QPainter p(&image);
    begin(p);
    QPainterPath body;
    body.moveTo(6.5, 0.5);
    body.lineTo(11.5, 12.5);
    body.lineTo(1.5, 12.5);
    body.closeSubpath();
    p.setPen(QPen(QColor(140, 50, 0), 1.0));
    p.setBrush(QColor(255, 120, 0));
    p.drawPath(body);
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(4.6, 7.5), QPointF(8.4, 7.5));
    p.setPen(QPen(QColor(140, 50, 0), 1.0));
    p.setBrush(QColor(255, 140, 30));
    p.drawRect(QRectF(0.5, 12.0, 12, 2.5));
    return image;
}

QImage puck() {
    QImage image = canvas(8, 8);
    QPainter p(&image);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(0.5, 0.5, 7, 7));
    return image;
}

QImage pucks() {
    QImage image = canvas(19, 15);
    QPainter p(&image);
    begin(p);
    const QPointF centres[] = {{4.5, 10.5}, {9.5, 11.0}, {14.5, 10.5}, {7.0, 6.0},
                               {12.0, 6.0}, {9.5, 2.5},  {2.5, 4.0},   {16.5, 4.5}};
    for (const QPointF& c : centres) {
        p.setPen(QPen(QColor(110, 110, 110), 0.8));
        p.setBrush(Qt::black);
        p.drawEllipse(c, 3.1, 3.1);
    }
    return image;
}

QImage ball() {
    QImage image = canvas(10, 10);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(QColor(150, 80, 0), 1.0));
    p.setBrush(QColor(255, 170, 0));
    p.drawEllipse(QRectF(0.5, 0.5, 9, 9));
    p.setPen(QPen(Qt::white, 0.9));
    p.drawArc(QRectF(2.0, 2.0, 6, 6), 30 * 16, 120 * 16);
    return image;
}

// A hurdle seen from above: a striped bar with feet at both ends, along +x before rotation.
QImage obstacle(int variant) {
    const int side = 27;
    QImage image = canvas(side, side);
    QPainter p(&image);
    begin(p);
    p.translate(side / 2.0, side / 2.0);
    p.rotate(variant * 45.0);
    const QRectF bar(-11, -2, 22, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 0));
    p.drawRect(bar);
    p.setBrush(kInk);
    for (double x = -9; x < 11; x += 6)
        p.drawRect(QRectF(x, -2, 3, 4));
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(-12.5, -5, 2.5, 10));
    p.drawRect(QRectF(10, -5, 2.5, 10));
    return image;
}

} // namespace

QImage drawFigureArt(const QString& fileName) {
    static const QRegularExpression numbered(
        QStringLiteral("^(goalDraw|bigNetDraw|blockDraw)(\\d)\\.bmp$"));
    const QRegularExpressionMatch match = numbered.match(fileName);
    if (match.hasMatch()) {
        const int variant = match.captured(2).toInt();
        const QString base = match.captured(1);
        if (base == QStringLiteral("blockDraw"))
            return obstacle(variant);
        return net(variant, base == QStringLiteral("bigNetDraw"));
    }
    if (fileName == QStringLiteral("forwardDraw.bmp"))
        return player(0, kRed, false);
    if (fileName == QStringLiteral("defenderDraw.bmp"))
        return player(1, kBlue, false);
    if (fileName == QStringLiteral("freeDraw.bmp"))
        return player(2, kGreen, false);
    if (fileName == QStringLiteral("startForwardDraw.bmp"))
        return player(0, kRed, true);
    if (fileName == QStringLiteral("startDefenderDraw.bmp"))
        return player(1, kBlue, true);
    if (fileName == QStringLiteral("startFreeDraw.bmp"))
        return player(2, kGreen, true);
    if (fileName == QStringLiteral("goalieDraw.bmp"))
        return goalie();
    if (fileName == QStringLiteral("coachDraw.bmp"))
        return coach();
    if (fileName == QStringLiteral("coneDraw.bmp"))
        return cone();
    if (fileName == QStringLiteral("puckDraw.bmp"))
        return puck();
    if (fileName == QStringLiteral("pucksDraw.bmp"))
        return pucks();
    if (fileName == QStringLiteral("ballDraw.bmp"))
        return ball();
    return {};
}

QImage flattenOnMagenta(const QImage& art) {
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 64) {
                out[x] = 0xFFFF00FF;
                continue;
            }
            auto blend = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
            QRgb pixel = qRgb(blend(qRed(in[x])), blend(qGreen(in[x])), blend(qBlue(in[x])));
            if ((pixel | 0xFF000000u) == 0xFFFF00FF)
                pixel = qRgb(254, 0, 255); // never the key colour by accident
            out[x] = pixel;
        }
    }
    return flat;
}

} // namespace korvex::figures
