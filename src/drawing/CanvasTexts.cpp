#include "drawing/CanvasTexts.h"

#include <QFontMetrics>
#include <QPainter>

namespace korvex {

namespace {

void fillWithBorder(QImage& canvas, QColor fill) {
    canvas.fill(fill);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, canvas.width() - 1, canvas.height() - 1);
}

// Draws `text` with its top-left corner at (x, y), as a text cell, not a baseline.
void drawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void drawCentredLine(QPainter& painter, int canvasWidth, int y, const QString& text) {
    const int width = painter.fontMetrics().horizontalAdvance(text);
    drawTextAt(painter, (canvasWidth - width) / 2, y, text);
}

} // namespace

QFont canvasFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void fillWhiteWithBorder(QImage& canvas) {
    fillWithBorder(canvas, Qt::white);
}

void drawTitleCard(QImage& canvas, const TextLookup& text, const QString& versionText) {
    if (canvas.isNull())
        return;
    fillWithBorder(canvas, QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    const int w = canvas.width();
    painter.setFont(canvasFont(12, true));
    drawCentredLine(painter, w, 45, text(QStringLiteral("AboutName")));
    painter.setFont(canvasFont(8));
    drawCentredLine(painter, w, 70,
                    text(QStringLiteral("AboutVerzion")) + QLatin1Char(' ') + versionText +
                        QLatin1Char('.'));
    const struct {
        int y;
        const char* key;
    } lines[] = {{85, "AboutCopyright"},      {110, "AboutHomePage"},
                 {135, "AboutAuthor"},        {150, "AboutProgramers"},
                 {175, "AboutCopyrightText"}, {190, "AboutCopyrightVarning"}};
    for (const auto& line : lines)
        drawCentredLine(painter, w, line.y, text(QLatin1String(line.key)));
}

void drawPlaceholderText(QImage& canvas, const QString& text) {
    if (canvas.isNull())
        return;
    fillWhiteWithBorder(canvas);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.setFont(canvasFont(8));
    const QFontMetrics metrics = painter.fontMetrics();
    const int tw = metrics.horizontalAdvance(text);
    const int th = metrics.height();
    drawTextAt(painter, canvas.width() / 2 - tw / 2, canvas.height() / 2 - th / 2, text);
}

} // namespace korvex
