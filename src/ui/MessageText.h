#pragma once

#include <QString>

class QMessageBox;

namespace korvex {

// The longest run of characters without a break a message box shows on one line.
inline constexpr int kMessageRunLimit = 60;

// `text` with a line break put into every run of more than `limit` characters that holds no
// space (a long path, a file name, a system message without blanks), so that a message box
// can wrap it. A run is broken after its last path separator, dot, dash or underscore
// within the limit, or at the limit when it has none. Everything else stays as it is.
QString breakLongRuns(const QString& text, int limit = kMessageRunLimit);

// Sets `box` up to show `text` as plain text, with long runs broken, wrapped at spaces and
// never wider than the screen it opens on.
void setMessageText(QMessageBox& box, const QString& text);

} // namespace korvex
