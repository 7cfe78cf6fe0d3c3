#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// Text as the library search compares it: lower case, accents and other combining marks
// dropped (the compatibility decomposition splits "č" into "c" and its caron), and the
// German sharp s written "ss". "Čára" and "cara", "Übung" and "ubung" fold alike.
QString foldForSearch(const QString& text);

// The folded words of `text`: runs of letters and digits, in order, repeats kept.
QStringList searchWords(const QString& text);

} // namespace korvex
