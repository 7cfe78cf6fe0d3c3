#include "ui/search/SearchHighlight.h"

#include "storage/search/SearchText.h"

#include <QRegularExpression>

namespace korvex {

namespace {

const QRegularExpression& wordPattern() {
    static const QRegularExpression pattern(QStringLiteral("[\\p{L}\\p{M}\\p{N}]+"));
    return pattern;
}

// The position of the first word of `line` that is matched, or -1.
qsizetype firstMatch(const QString& line, const QStringList& matchedWords) {
    auto words = wordPattern().globalMatch(line);
    while (words.hasNext()) {
        const QRegularExpressionMatch word = words.next();
        if (matchedWords.contains(foldForSearch(word.captured())))
            return word.capturedStart();
    }
    return -1;
}

} // namespace

QString highlightMatches(const QString& text, const QStringList& matchedWords) {
    QString html;
    qsizetype done = 0;
    auto words = wordPattern().globalMatch(text);
    while (words.hasNext()) {
        const QRegularExpressionMatch word = words.next();
        if (!matchedWords.contains(foldForSearch(word.captured())))
            continue;
        html += text.mid(done, word.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<span style=\"background-color:#ffe27a;font-weight:bold\">") +
                word.captured().toHtmlEscaped() + QStringLiteral("</span>");
        done = word.capturedEnd();
    }
    return html + text.mid(done).toHtmlEscaped();
}

QString matchingExcerpt(const QStringList& lines, const QStringList& matchedWords, int maxChars) {
    QString line;
    qsizetype at = -1;
    for (const QString& candidate : lines) {
        at = firstMatch(candidate, matchedWords);
        if (at >= 0) {
            line = candidate.simplified();
            at = firstMatch(line, matchedWords);
            break;
        }
    }
    if (at < 0) {
        line = lines.isEmpty() ? QString() : lines.first().simplified();
        at = 0;
    }
    if (line.size() <= maxChars)
        return line;
    // Start a little before the match, at a word boundary, so the match shows with context.
    qsizetype start = std::max<qsizetype>(0, at - maxChars / 4);
    if (start > 0) {
        const qsizetype space = line.indexOf(QLatin1Char(' '), start);
        start = space >= 0 && space < at ? space + 1 : start;
    }
    QString excerpt = line.mid(start, maxChars);
    if (start > 0)
        excerpt.prepend(QStringLiteral("\u2026"));
    if (start + maxChars < line.size())
        excerpt.append(QStringLiteral("\u2026"));
    return excerpt;
}

} // namespace korvex
