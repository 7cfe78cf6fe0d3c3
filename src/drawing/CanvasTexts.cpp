#include "drawing/CanvasTexts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <iterator>
#include <mutex>
#include <vector>

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

// The texts of the title card, top to bottom.
constexpr const char* kTitleKeys[] = {
    "AboutName",   "AboutVerzion",    "AboutCopyright",     "AboutHomePage",
    "AboutAuthor", "AboutProgramers", "AboutCopyrightText", "AboutCopyrightVarning"};

// Title cards kept: the two canvas sizes.
constexpr size_t kKeptTitleCards = 2;

struct TitleCard {
    QSize size;
    QString versionText;
    QStringList texts;
    QImage picture;

    bool sameAs(const TitleCard& other) const {
        return size == other.size && versionText == other.versionText && texts == other.texts;
    }
};

struct TitleCards {
    std::mutex mutex;
    std::vector<TitleCard> kept; // most recently drawn first
};

TitleCards& titleCards() {
    static TitleCards cards;
    return cards;
}

// The family of the canvas fonts: "Arial", or on a machine without it its metric twin
// Liberation Sans, asked for by name. A family the font database lacks sends Qt to the
// system's substitution rules once for every script it is drawn in, which costs more than
// drawing the whole title card; the answer is the same face.
const QString& canvasFamily() {
    static const QString family = [] {
        const QString arial = QStringLiteral("Arial");
        const QString twin = QStringLiteral("Liberation Sans");
        const QStringList known = QFontDatabase::families();
        return !known.contains(arial, Qt::CaseInsensitive) &&
                       known.contains(twin, Qt::CaseInsensitive)
                   ? twin
                   : arial;
    }();
    return family;
}

} // namespace

QFont canvasFont(int points, bool bold) {
    QFont font(canvasFamily());
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
    drawCentredLine(painter, w, 45, text(QLatin1String(kTitleKeys[0])));
    painter.setFont(canvasFont(8));
    drawCentredLine(painter, w, 70,
                    text(QLatin1String(kTitleKeys[1])) + QLatin1Char(' ') + versionText +
                        QLatin1Char('.'));
    const int rows[] = {85, 110, 135, 150, 175, 190};
    for (size_t k = 0; k < std::size(rows); ++k)
        drawCentredLine(painter, w, rows[k], text(QLatin1String(kTitleKeys[k + 2])));
}

QImage titleCard(QSize size, const TextLookup& text, const QString& versionText) {
    TitleCard wanted;
    wanted.size = size;
    wanted.versionText = versionText;
    for (const char* key : kTitleKeys)
        wanted.texts.append(text(QLatin1String(key)));
    TitleCards& cards = titleCards();
    {
        const std::lock_guard<std::mutex> lock(cards.mutex);
        for (const TitleCard& card : cards.kept)
            if (card.sameAs(wanted))
                return card.picture;
    }
    wanted.picture = QImage(size, QImage::Format_RGB32);
    drawTitleCard(wanted.picture, text, versionText);
    const std::lock_guard<std::mutex> lock(cards.mutex);
    cards.kept.insert(cards.kept.begin(), wanted);
    if (cards.kept.size() > kKeptTitleCards)
        cards.kept.pop_back();
    return wanted.picture;
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
