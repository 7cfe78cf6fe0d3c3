#include "print/CardPrints.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "storage/TCardPractise.h"

#include <algorithm>

namespace korvex {

namespace {

constexpr double kListPoints = 12;
constexpr double kRowPitch = 0.5;
// The last row top of a list page; a row below it begins the next page.
constexpr double kLastRowTop = 27.8;
constexpr double kRightEdge = PageCanvas::kPageWidth - 1;

// One column of a list: where it starts, how wide its texts may be, and what it shows.
struct ListColumn {
    double x;
    double width;
    QString heading;
    QString (*value)(const TCardPractise& cards, int card);
};

QString nameOf(const TCardPractise& cards, int card) {
    return cards.field(card, TCardPractise::Surname) + QLatin1Char(' ') +
           cards.field(card, TCardPractise::FirstName);
}

QString birthOf(const TCardPractise& cards, int card) {
    return cards.field(card, TCardPractise::Birth);
}

QString numberOf(const TCardPractise& cards, int card) {
    return TCardPractise::shownNumber(cards.field(card, TCardPractise::Number));
}

QString positionOf(const TCardPractise& cards, int card) {
    return cards.field(card, TCardPractise::Position);
}

QString phoneOf(const TCardPractise& cards, int card) {
    return cards.field(card, TCardPractise::Phone);
}

QString emailOf(const TCardPractise& cards, int card) {
    return cards.field(card, TCardPractise::EMail);
}

// The list's heading: its title in bold with the team at the right edge, then the column
// heads (when the columns have any) over a rule. Returns the top of the first row.
double printListHeading(PageLayout& layout, const QString& title, const QString& team,
                        const QList<ListColumn>& columns, double firstRow) {
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(kListPoints, true);
    canvas.drawText(1, 1, title);
    const double titleEnd = 1 + canvas.textWidth(title) + 1;
    canvas.setFont(kListPoints, false);
    const double teamWidth = std::min(canvas.textWidth(team), kRightEdge - titleEnd);
    layout.PrintTruncated(team, teamWidth, 1, kRightEdge - teamWidth);
    bool heads = false;
    canvas.setFont(kListPoints, true);
    for (const ListColumn& column : columns) {
        if (column.heading.isEmpty())
            continue;
        canvas.drawText(column.x, firstRow - 1, column.heading);
        heads = true;
    }
    canvas.setFont(kListPoints, false);
    const double ruleY = heads ? firstRow - 0.25 : firstRow - 0.5;
    canvas.drawLine(1, ruleY, kRightEdge, ruleY);
    return firstRow;
}

void printList(PageLayout& layout, const QString& title, const QString& team,
               const TCardPractise& cards, const QList<ListColumn>& columns, double firstRow) {
    PageCanvas& canvas = layout.canvas();
    double y = printListHeading(layout, title, team, columns, firstRow);
    for (int card = 0; card < cards.count(); ++card) {
        if (y > kLastRowTop) {
            canvas.newPage();
            y = printListHeading(layout, title, team, columns, firstRow);
        }
        for (const ListColumn& column : columns)
            layout.PrintTruncated(column.value(cards, card), column.width, y, column.x);
        y += kRowPitch;
    }
}

} // namespace

void printPlayerList(PageLayout& layout, const TLanguage& language, const QString& team,
                     const TCardPractise& cards) {
    const QList<ListColumn> columns = {
        {1, 6, language.Text(QStringLiteral("printPCName")), nameOf},
        {7.5, 3, language.Text(QStringLiteral("printPCBirth")), birthOf},
        {11, 1, language.Text(QStringLiteral("printPCNo")), numberOf},
        {12.5, 2.5, language.Text(QStringLiteral("printPCPosition")), positionOf},
        {15.5, 4, language.Text(QStringLiteral("printPCPhone")), phoneOf},
    };
    printList(layout, language.Text(QStringLiteral("printPCPrintPlayerList")), team, cards, columns,
              3.0);
}

void printPhoneList(PageLayout& layout, const TLanguage& language, const QString& team,
                    const TCardPractise& cards) {
    const QList<ListColumn> columns = {
        {1, 6, QString(), nameOf},
        {7.5, 4, QString(), phoneOf},
        {12, 7.8, QString(), emailOf},
    };
    printList(layout, language.Text(QStringLiteral("printPCPrintPhoneList")), team, cards, columns,
              2.5);
}

void printPlayerCard(PageLayout& layout, const TLanguage& language, const TCardPractise& cards,
                     int card) {
    if (card < 0 || card >= cards.count())
        return;
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(12, true);
    canvas.drawText(1, 1, language.Text(QStringLiteral("printPCPrintPlayer")));
    canvas.setFont(12, false);
    const QString name = cards.field(card, TCardPractise::FirstName) + QLatin1Char(' ') +
                         cards.field(card, TCardPractise::Surname);
    canvas.drawText(1, 2, name.trimmed());
    // The details in one line, the pieces the card holds separated by commas.
    QStringList pieces = {birthOf(cards, card),    numberOf(cards, card),
                          positionOf(cards, card), phoneOf(cards, card),
                          emailOf(cards, card),    cards.field(card, TCardPractise::Address)};
    pieces.removeIf([](const QString& piece) { return piece.trimmed().isEmpty(); });
    canvas.setFont(10, false);
    const double below = layout.WrapText({pieces.join(QStringLiteral(", "))}, 3.0, 0, 1.0, 27.9,
                                         PageLayout::kNoLineLimit);
    // The note starts below the details however many lines they took, and a long note
    // continues on the next page instead of running off this one.
    layout.WrapText(cards.entry(card).notes, std::max(4.0, below + PageLayout::kLinePitch), 0, 1.0,
                    1e9, PageLayout::kPageBreaking);
    canvas.setFont(8, false);
}

} // namespace korvex
