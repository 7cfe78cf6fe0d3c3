#include "ui/graphic/ToolGlyphs.h"

#include "drawing/DrawingSettings.h"
#include "drawing/TFigure.h"
#include "drawing/TLine.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvex {

namespace {

constexpr int kGlyph = 26;
constexpr quint8 kTextFigure = 11;

QImage blank() {
    QImage image(kGlyph, kGlyph, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

QIcon sampleLine(int lineKind, int endKind, const DrawingSettings* settings) {
    QImage image = blank();
    TLine line(settings);
    line.setLineKind(quint8(lineKind));
    line.setEndKind(quint8(endKind));
    line.addPoint(QPoint(3, kGlyph - 6));
    line.addPoint(QPoint(kGlyph - 4, 5));
    line.draw(image);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

QIcon lineKindGlyph(int lineKind, const DrawingSettings* settings) {
    return sampleLine(lineKind, 4, settings);
}

QIcon endKindGlyph(int endKind, const DrawingSettings* settings) {
    return sampleLine(0, endKind, settings);
}

QIcon curvedLineGlyph(const DrawingSettings* settings) {
    QImage image = blank();
    TLine line(settings);
    line.setEndKind(4);
    for (const QPoint point :
         {QPoint(3, 22), QPoint(5, 8), QPoint(13, 3), QPoint(21, 8), QPoint(23, 22)})
        line.addPoint(point);
    line.setCurved(true);
    line.draw(image);
    return QIcon(QPixmap::fromImage(image));
}

QIcon figureGlyph(int figureKind, const DrawingSettings* settings) {
    QImage image = blank();
    QPainter painter(&image);
    if (figureKind == kTextFigure) {
        // A bold "T" as a 15-pixel sans face draws it, centred: its bar and its stem. Drawn
        // as two strokes, because a font would be loaded for this one letter at start-up.
        QPainterPath letter;
        letter.addRect(QRectF(8.42, 8.0, 8.83, 1.66));
        letter.addRect(QRectF(11.75, 9.66, 2.16, 8.34));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(letter.simplified(), Qt::black);
        return QIcon(QPixmap::fromImage(image));
    }
    TFigure figure(settings);
    if (!figure.setKind(quint8(figureKind)))
        return QIcon(QPixmap::fromImage(image));
    // Large pictures (nets of the large layout) are scaled into the button.
    QImage picture = figure.picture();
    if (picture.width() > kGlyph - 2 || picture.height() > kGlyph - 2)
        picture =
            picture.scaled(kGlyph - 2, kGlyph - 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((kGlyph - picture.width()) / 2, (kGlyph - picture.height()) / 2, picture);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace korvex
