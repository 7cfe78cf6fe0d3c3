#pragma once

#include "TestHelpers.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace korvex::test {

// A fixed-size record built by hand: `fields` are (offset, capacity, text) placed as a
// length byte followed by the text; every other byte is zero.
struct FieldBytes {
    int offset;
    QByteArray text;
};

inline QByteArray fixedRecord(int size, std::initializer_list<FieldBytes> fields) {
    QByteArray record(size, '\0');
    for (const FieldBytes& f : fields) {
        record[f.offset] = static_cast<char>(f.text.size());
        for (int i = 0; i < f.text.size(); ++i)
            record[f.offset + 1 + i] = f.text[i];
    }
    return record;
}

// A StreamStrings built by hand.
inline QByteArray streamStrings(std::initializer_list<QByteArray> lines) {
    QByteArray out = le32(static_cast<qint32>(lines.size()));
    for (const QByteArray& line : lines)
        out += streamString(line);
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace korvex::test
