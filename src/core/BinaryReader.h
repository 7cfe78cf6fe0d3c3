#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace korvex {

// Little-endian reader over a random-access device. The first failure (a read past the
// end, a negative or oversized length, a device error) is kept with a readable message;
// after it every read returns zero or empty data, so a format reader can read field by
// field and check ok() once. Lengths are checked against the bytes that remain before
// anything is allocated.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice* device, QString sourceName = {});

    qint32 readInt32();
    qint64 readInt64();
    quint8 readByte();
    bool readBool();
    double readDouble();
    QByteArray readBytes(qint64 count);
    void skip(qint64 count);

    // Checks that `count` records of at least `minBytesEach` bytes can still follow.
    // Fails the reader with a message naming `what` when they cannot.
    bool checkCount(qint64 count, qint64 minBytesEach, const QString& what);

    qint64 remaining() const;
    qint64 position() const;
    bool atEnd() const { return remaining() <= 0; }

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    const QString& sourceName() const { return m_source; }
    // Records a failure found by a format reader (an impossible field value, say).
    void fail(const QString& message);

private:
    bool take(char* target, qint64 count);

    QIODevice* m_device;
    QString m_source;
    QString m_error;
};

} // namespace korvex
