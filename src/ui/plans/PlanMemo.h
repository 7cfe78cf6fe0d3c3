#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace korvex {

// A memo's text as the plan keeps it: one list line per logical line, and no line at all
// for an empty memo.
QStringList memoLines(const QPlainTextEdit* memo);
void setMemoLines(QPlainTextEdit* memo, const QStringList& lines);

} // namespace korvex
