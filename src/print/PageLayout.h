#pragma once

#include "print/PageCanvas.h"

#include <QStringList>

namespace korvex {

// The shared text layout of every printout, in page units. Texts are wrapped at a line
// pitch of 0.4 units; full-width lines run from x 1 to one unit before the right edge.
// No other code lays out a page.
class PageLayout {
public:
    static constexpr double kLinePitch = 0.4;
    // maxLines for "no line limit".
    static constexpr int kNoLineLimit = 2147483647;
    // maxLines for page-breaking mode: no limit, and a new page whenever the next
    // full-width line would pass 28.3.
    static constexpr int kPageBreaking = -1;

    explicit PageLayout(PageCanvas& canvas) : m_canvas(canvas) {}

    PageCanvas& canvas() { return m_canvas; }

    // Prints the logical lines word-wrapped from `top`. Lines whose offset from top is below
    // `indentHeight` start at `indentX`, the rest at x 1. A line is not begun once its
    // offset reaches `maxHeight`; full-width lines stop the text at `maxLines` lines (or
    // break pages, see kPageBreaking). Words wider than 10 units are cut. Returns the y
    // below the printed text.
    double WrapText(const QStringList& lines, double top, double indentHeight, double indentX,
                    double maxHeight, int maxLines);
    // Bold 11 point label at (x, y), the value after it cut to the rest of `width`; leaves
    // the font at normal 10 point.
    void PrintLabelValue(const QString& label, const QString& value, double width, double x,
                         double y);
    // Bold label at (x, y), the lines wrapped after it (only the first row indented).
    void PrintLabelLines(const QString& label, const QStringList& lines, int maxLines, double x,
                         double y);
    void PrintCentred(const QString& text, double width, double x, double y);
    // Bold and centred in a header cell; a text wider than the cell is split at its first
    // space into two rows.
    void PrintCentredBold(const QString& text, double width, double x, double y);
    // Prints `text` at (x, y), cut from its end until it fits into `width`.
    void PrintTruncated(const QString& text, double width, double y, double x);
    // One ruled cell of the plan heading table: the lines wrapped into rows of at most
    // `width`, each row closed by the table's vertical rules. Returns the y below.
    double PrintRuledRows(const QStringList& lines, double width, double top, double x);
    // True when the rows PrintRuledRows would print from `top` end on this page (at most
    // 28.5).
    bool FitsOnPage(const QStringList& lines, double width, double top);
    // The vertical rules of the plan heading table between y2 (top) and y1 (bottom).
    void DrawRowRules(double y1, double y2);

private:
    // Takes the next word of `rest` (leading spaces skipped), at most `maxWidth` wide.
    QString takeWord(const QString& rest, int* consumed, double maxWidth) const;
    // The rows of one cell of PrintRuledRows.
    QStringList ruledRows(const QStringList& lines, double width) const;

    PageCanvas& m_canvas;
};

} // namespace korvex
