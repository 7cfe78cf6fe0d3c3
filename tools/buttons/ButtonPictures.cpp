#include "ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace korvex::buttons {

namespace {

const QColor kOutline(0x2B, 0x3A, 0x55);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kIce(0xEE, 0xF6, 0xFF);
const QColor kBlue(0x2F, 0x6F, 0xD0);
const QColor kRed(0xD0, 0x32, 0x32);
const QColor kGreen(0x2E, 0x9B, 0x3E);
const QColor kAmber(0xF2, 0xB1, 0x34);
const QColor kBrown(0x9A, 0x6A, 0x3A);
const QColor kGrey(0x8A, 0x94, 0xA6);

QPen outline(qreal width = 5) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawSheet(QPainter& p, const QRectF& r, const QColor& fill) {
    p.setPen(outline());
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);
}

// A rink seen from above with a red centre line, blue lines, a circle and two players.
void drawGraphic(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kIce);
    p.drawRoundedRect(QRectF(6, 14, 68, 52), 16, 16);
    p.setPen(QPen(kRed, 4));
    p.drawLine(QPointF(40, 16), QPointF(40, 64));
    p.setPen(QPen(kBlue, 4));
    p.drawLine(QPointF(24, 16), QPointF(24, 64));
    p.drawLine(QPointF(56, 16), QPointF(56, 64));
    p.setPen(QPen(kBlue, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(40, 40), 9, 9);
    p.setPen(QPen(kRed, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 24), QPointF(18, 32));
    p.drawLine(QPointF(18, 24), QPointF(10, 32));
    p.setPen(QPen(kOutline, 4));
    p.drawEllipse(QPointF(66, 50), 5, 5);
}

// A page with lines of text.
void drawText(QPainter& p) {
    drawSheet(p, QRectF(14, 6, 52, 68), kPaper);
    p.setPen(QPen(kGrey, 5, Qt::SolidLine, Qt::RoundCap));
    for (int y = 22; y <= 58; y += 12)
        p.drawLine(QPointF(24, y), QPointF(y == 58 ? 44 : 56, y));
}

// A clipboard with a checked list.
void drawTraining(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(12, 10, 56, 66), 6, 6);
    p.setBrush(kPaper);
    p.drawRect(QRectF(18, 18, 44, 52));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(28, 4, 24, 12), 3, 3);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 30 + i * 13;
        p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(23, y), QPointF(27, y + 4), QPointF(33, y - 4)}));
        p.setPen(QPen(kGrey, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(38, y), QPointF(56, y));
    }
}

// An archive box with a label.
void drawArchive(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kAmber.darker(110));
    p.drawRect(QRectF(8, 12, 64, 16));
    p.setBrush(kAmber);
    p.drawRect(QRectF(12, 28, 56, 44));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(28, 36, 24, 12), 3, 3);
}

// A closed book with a red bookmark.
void drawDiary(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(18, 10, 50, 62), 4, 4);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(12, 6, 50, 62), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF(
        {QPointF(44, 6), QPointF(54, 6), QPointF(54, 30), QPointF(49, 25), QPointF(44, 30)}));
    p.setPen(QPen(kPaper, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 40), QPointF(50, 40));
    p.drawLine(QPointF(22, 50), QPointF(44, 50));
}

// A player card: a head and shoulders beside lines.
void drawCards(QPainter& p) {
    drawSheet(p, QRectF(4, 14, 72, 52), kPaper);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(24, 34), 8, 8);
    QPainterPath shoulders;
    shoulders.moveTo(11, 58);
    shoulders.cubicTo(11, 42, 37, 42, 37, 58);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setPen(QPen(kGrey, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 30), QPointF(66, 30));
    p.drawLine(QPointF(46, 42), QPointF(66, 42));
    p.drawLine(QPointF(46, 54), QPointF(60, 54));
}

// Four thumbnails in a grid.
void drawExplorer(QPainter& p) {
    const QColor fills[4] = {kIce, kPaper, kPaper, kIce};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 6 + (i % 2) * 36;
        const qreal y = 10 + (i / 2) * 32;
        p.setPen(outline(4));
        p.setBrush(fills[i]);
        p.drawRect(QRectF(x, y, 30, 26));
        p.setPen(QPen(i % 3 == 0 ? kRed : kBlue, 3));
        p.drawLine(QPointF(x + 15, y + 2), QPointF(x + 15, y + 24));
    }
}

// Tactics: a player's dotted path on the ice, ending in a play triangle.
void drawTactics(QPainter& p) {
    drawSheet(p, QRectF(4, 12, 72, 56), kIce);
    p.setPen(QPen(kRed, 5, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(16, 56);
    path.cubicTo(24, 24, 40, 52, 50, 30);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 56), 7, 7);
    p.setPen(outline(4));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(52, 20), QPointF(72, 34), QPointF(52, 48)}));
}

// A new sheet with a green plus.
void drawNew(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF(
        {QPointF(12, 6), QPointF(48, 6), QPointF(64, 22), QPointF(64, 74), QPointF(12, 74)}));
    p.drawPolyline(QPolygonF({QPointF(48, 6), QPointF(48, 22), QPointF(64, 22)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(54, 58), 19, 19);
    p.setPen(QPen(kPaper, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(54, 48), QPointF(54, 68));
    p.drawLine(QPointF(44, 58), QPointF(64, 58));
}

// View state: an eye.
void drawView(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(4, 40);
    eye.quadTo(40, 4, 76, 40);
    eye.quadTo(40, 76, 4, 40);
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawPath(eye);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(40, 40), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(40, 40), 6, 6);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(35, 35), 3, 3);
}

// Edit state: a pencil writing a line.
void drawEdit(QPainter& p) {
    p.setPen(QPen(kBlue, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 72), QPointF(40, 72));
    p.save();
    p.translate(40, 40);
    p.rotate(45);
    p.setPen(outline(4));
    p.setBrush(kAmber);
    p.drawRect(QRectF(-9, -36, 18, 48)); // body
    p.setBrush(kRed.lighter(130));
    p.drawRoundedRect(QRectF(-9, -44, 18, 10), 3, 3); // eraser
    p.setBrush(QColor(0xF5, 0xDE, 0xB3));
    p.drawPolygon(QPolygonF({QPointF(-9, 12), QPointF(9, 12), QPointF(0, 32)})); // wood
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF({QPointF(-3, 25), QPointF(3, 25), QPointF(0, 32)})); // lead
    p.restore();
}

} // namespace

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> all = {
        {"switch_view20x20.bmp", drawView},       {"switch_edit20x20.bmp", drawEdit},
        {"mode_graphic20x20.bmp", drawGraphic},   {"mode_text20x20.bmp", drawText},
        {"mode_training20x20.bmp", drawTraining}, {"mode_archive20x20.bmp", drawArchive},
        {"mode_diary20x20.bmp", drawDiary},       {"mode_cards20x20.bmp", drawCards},
        {"mode_explorer20x20.bmp", drawExplorer}, {"new20x20.bmp", drawNew},
        {"mode_tactics20x20.bmp", drawTactics},
    };
    return all;
}

QImage drawGlyph(const Glyph& glyph) {
    const int big = kGlyphSize * 4;
    QImage canvas(big, big, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        glyph.draw(painter);
    }
    const QImage small =
        canvas.scaled(kGlyphSize, kGlyphSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    const QColor face(0xF0, 0xF0, 0xF0);
    QImage result(kGlyphSize, kGlyphSize, QImage::Format_RGB32);
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            const QColor c = QColor::fromRgba(small.pixel(x, y));
            if (c.alpha() < 96) {
                result.setPixel(x, y, kTransparent);
                continue;
            }
            const qreal a = c.alphaF();
            result.setPixel(x, y,
                            qRgb(qRound(c.red() * a + face.red() * (1 - a)),
                                 qRound(c.green() * a + face.green() * (1 - a)),
                                 qRound(c.blue() * a + face.blue() * (1 - a))));
        }
    }
    // The bottom-left pixel names the transparent colour for whoever loads the glyph.
    result.setPixel(0, kGlyphSize - 1, kTransparent);
    return result;
}

} // namespace korvex::buttons
