#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// The one place where stored bytes become text and back. Korvex writes UTF-8; a stored
// string that is not valid UTF-8 was written on Windows and is read as Windows-1250.
QByteArray encodeText(const QString& text);
QString decodeText(const QByteArray& bytes);

// Encodes `text` and cuts it to at most `maxBytes` bytes without splitting a UTF-8 sequence.
QByteArray encodeTextLimited(const QString& text, int maxBytes);

bool isValidUtf8(const QByteArray& bytes);
QString decodeWindows1250(const QByteArray& bytes);

} // namespace korvex
