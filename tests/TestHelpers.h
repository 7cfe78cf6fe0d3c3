#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace korvex::test {

// Little-endian byte sequences built by hand for format tests.
inline QByteArray le32(qint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((static_cast<quint32>(v) >> (8 * i)) & 0xFF);
    return b;
}

inline QByteArray le64(qint64 v) {
    QByteArray b(8, '\0');
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<char>((static_cast<quint64>(v) >> (8 * i)) & 0xFF);
    return b;
}

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// A StreamString built by hand: length, then the bytes.
inline QByteArray streamString(const QByteArray& text) { return le32(static_cast<qint32>(text.size())) + text; }

} // namespace korvex::test
