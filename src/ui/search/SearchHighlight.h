#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// `text` as HTML, escaped, with every word whose folded form is one of `matchedWords` (the
// folded item words a query matched) marked as a highlight.
QString highlightMatches(const QString& text, const QStringList& matchedWords);

// The line of `lines` that holds the first matched word (else the first line), cut to about
// `maxChars` characters around that word.
QString matchingExcerpt(const QStringList& lines, const QStringList& matchedWords, int maxChars);

} // namespace korvex
