#include "print/PageLayout.h"

namespace korvex {

namespace {

constexpr double kMaxWordWidth = 10.0;
constexpr double kPageBreakY = 28.3;
constexpr double kCellBottom = 28.5;
constexpr double kNewPageTop = 1.0;

bool hasNonSpace(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return true;
    }
    return false;
}

} // namespace

QString PageLayout::takeWord(const QString& rest, int* consumed, double maxWidth) const {
    int i = 0;
    while (i < rest.size() && rest.at(i) == QLatin1Char(' '))
        ++i;
    QString word;
    while (i < rest.size() && rest.at(i) != QLatin1Char(' ') &&
           (word.isEmpty() || m_canvas.textWidth(word) < maxWidth)) {
        word.append(rest.at(i));
        ++i;
    }
    *consumed = i;
    return word;
}

double PageLayout::WrapText(const QStringList& lines, double top, double indentHeight,
                            double indentX, double maxHeight, int maxLines) {
    const double rightLimit = PageCanvas::kPageWidth - 1;
    int k = 0;
    for (const QString& line : lines) {
        QString rest = line;
        while (hasNonSpace(rest)) {
            if (k * kLinePitch >= maxHeight)
                break;
            const bool fullWidth = k * kLinePitch >= indentHeight;
            const double start = fullWidth ? 1.0 : indentX;
            QString text;
            while (hasNonSpace(rest)) {
                int consumed = 0;
                const QString word = takeWord(rest, &consumed, kMaxWordWidth);
                const QString candidate = text.isEmpty() ? word : text + QLatin1Char(' ') + word;
                // A full-width line always takes its first word (at most 10 units wide, so it
                // fits), which guarantees progress; an indented line that cannot take even
                // one word stays empty and the word moves on to the next line.
                if ((!text.isEmpty() || !fullWidth) &&
                    start + m_canvas.textWidth(candidate) >= rightLimit)
                    break;
                text = candidate;
                rest.remove(0, consumed);
            }
            if (!text.isEmpty())
                m_canvas.drawText(start, top + k * kLinePitch, text);
            ++k;
            if (fullWidth) {
                if (maxLines == kPageBreaking) {
                    if (top + k * kLinePitch > kPageBreakY) {
                        m_canvas.newPage();
                        top = kNewPageTop;
                        k = 0;
                    }
                } else if (k >= maxLines) {
                    return top + k * kLinePitch;
                }
            }
        }
    }
    return top + k * kLinePitch;
}

void PageLayout::PrintLabelValue(const QString& label, const QString& value, double width, double x,
                                 double y) {
    m_canvas.setFont(11, true);
    m_canvas.drawText(x, y, label);
    const double labelWidth = m_canvas.textWidth(label);
    m_canvas.setFont(11, false);
    PrintTruncated(value, width - labelWidth - 0.1, y, x + labelWidth + 0.1);
    m_canvas.setFont(10, false);
}

void PageLayout::PrintLabelLines(const QString& label, const QStringList& lines, int maxLines,
                                 double x, double y) {
    const double points = m_canvas.fontPoints();
    m_canvas.setFont(points, true);
    m_canvas.drawText(x, y, label);
    const double indentX = m_canvas.textWidth(label + QStringLiteral(": ")) + 1;
    m_canvas.setFont(points, false);
    WrapText(lines, y, 0.39, indentX, 18.2, maxLines);
}

void PageLayout::PrintCentred(const QString& text, double width, double x, double y) {
    m_canvas.drawText(x + width / 2 - m_canvas.textWidth(text) / 2, y, text);
}

void PageLayout::PrintCentredBold(const QString& text, double width, double x, double y) {
    const double points = m_canvas.fontPoints();
    m_canvas.setFont(points, true);
    const int space = text.indexOf(QLatin1Char(' '));
    if (m_canvas.textWidth(text) <= width || space < 0) {
        PrintCentred(text, width, x, y + 0.25);
    } else {
        PrintCentred(text.left(space), width, x, y + 0.1);
        PrintCentred(text.mid(space + 1), width, x, y + 0.5);
    }
    m_canvas.setFont(points, false);
}

void PageLayout::PrintTruncated(const QString& text, double width, double y, double x) {
    QString shown = text;
    while (!shown.isEmpty() && m_canvas.textWidth(shown) > width)
        shown.chop(1);
    m_canvas.drawText(x, y, shown);
}

QStringList PageLayout::ruledRows(const QStringList& lines, double width) const {
    QStringList rows;
    for (const QString& line : lines) {
        QString rest = line;
        // Every row takes at least its first word, so each pass makes progress.
        while (hasNonSpace(rest)) {
            QString row;
            while (hasNonSpace(rest)) {
                int consumed = 0;
                const QString word = takeWord(rest, &consumed, width - 0.2);
                const QString candidate = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
                if (!row.isEmpty() && m_canvas.textWidth(candidate) > width)
                    break;
                row = candidate;
                rest.remove(0, consumed);
            }
            rows.append(row);
        }
    }
    return rows;
}

double PageLayout::PrintRuledRows(const QStringList& lines, double width, double top, double x) {
    m_canvas.setFont(10, false);
    const QStringList rows = ruledRows(lines, width);
    for (int r = 0; r < rows.size(); ++r) {
        m_canvas.drawText(x, top + r * kLinePitch, rows.at(r));
        DrawRowRules(top + (r + 1) * kLinePitch, top + r * kLinePitch - 0.1);
    }
    return top + rows.size() * kLinePitch;
}

bool PageLayout::FitsOnPage(const QStringList& lines, double width, double top) {
    m_canvas.setFont(10, false);
    return ruledRows(lines, width).size() * kLinePitch + top <= kCellBottom;
}

void PageLayout::DrawRowRules(double y1, double y2) {
    for (const double x : {1.0, 2.3, 11.5, 14.0, 16.5, 19.0, 19.8})
        m_canvas.drawLine(x, y2, x, y1);
}

} // namespace korvex
