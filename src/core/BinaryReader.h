#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace korvex {

// Little-endian reader that parses from memory. Over a byte array it reads the array
// itself; over a device it takes the device's bytes in large pieces (the whole of an
// ordinary file at the first read, growing pieces for a large one), so a format reader
// that takes many small fields costs few system calls. The first failure (a read past
// the end, a negative or oversized length, a device error) is kept with a readable
// message; after it every read returns zero or empty data, so a format reader can read
// field by field and check ok() once. Lengths are checked against the bytes that remain
// before anything is allocated.
class BinaryReader {
public:
    explicit BinaryReader(const QByteArray& bytes, QString sourceName = {});
    // Reads `device` from its current position; the device's own position afterwards is
    // unspecified (position() is the reader's).
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

    qint64 remaining() const { return m_size - position(); }
    // The position in the source (for a device: counted from where the device stood).
    qint64 position() const { return m_windowStart + m_pos; }
    qint64 size() const { return m_size; }
    bool atEnd() const { return remaining() <= 0; }

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    const QString& sourceName() const { return m_source; }
    // Records a failure found by a format reader (an impossible field value, say).
    void fail(const QString& message);

private:
    // Makes `count` bytes from the current position available in m_window; false (with
    // the reader failed) when the source holds fewer.
    bool ensure(qint64 count);
    const char* take(qint64 count);

    QByteArray m_window;           // bytes of the source from m_windowStart on
    qint64 m_windowStart = 0;      // position of m_window[0] in the source
    qint64 m_pos = 0;              // read position inside m_window
    qint64 m_size = 0;             // size of the source
    qint64 m_nextPiece = 0;        // size of the next piece taken from the device
    QIODevice* m_device = nullptr; // null when reading a byte array
    qint64 m_deviceStart = 0;      // the device position where the source begins
    QString m_source;
    QString m_error;
};

} // namespace korvex
