#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

class QIODevice;

namespace korvex {

// Little-endian writer that appends to a byte array in memory. A format is written whole
// into memory and then handed to its file in one write (writeAll, SafeSave, SaveGroup),
// so a save costs one system call per file instead of one per field. Keeps the first
// failure; later writes do nothing.
class BinaryWriter {
public:
    explicit BinaryWriter(QByteArray* target);

    void writeInt32(qint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        put(raw, 4);
    }
    void writeInt64(qint64 value) {
        char raw[8];
        qToLittleEndian(value, raw);
        put(raw, 8);
    }
    void writeByte(quint8 value) {
        const char raw = static_cast<char>(value);
        put(&raw, 1);
    }
    void writeBool(bool value) { writeByte(value ? 1 : 0); }
    void writeDouble(double value) {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        writeInt64(static_cast<qint64>(bits));
    }
    void writeBytes(const QByteArray& bytes);
    // Room for `count` more bytes at the end, for a caller that fills a long run of fields
    // itself (a stored path of thousands of points); null after a failure or for none.
    char* appendRoom(qsizetype count);

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    void fail(const QString& message);
    // The bytes written so far (with whatever the target held before).
    QByteArray& bytes() { return *m_target; }

private:
    // The many small fields of a stored path (two doubles a point) go straight into the
    // array's reserved space; the array's own append costs several times as much.
    void put(const char* data, qint64 count) {
        QByteArray::DataPointer& d = m_target->data_ptr();
        if (count > 0 && count <= d.freeSpaceAtEnd() && !d.needsDetach() && m_error.isEmpty()) {
            std::memcpy(d.data() + d.size, data, static_cast<size_t>(count));
            d.size += static_cast<qsizetype>(count);
            d.data()[d.size] = '\0'; // the array's terminator has room beyond its capacity
            return;
        }
        putGrowing(data, count);
    }
    void putGrowing(const char* data, qint64 count);

    QByteArray* m_target;
    QString m_error;
};

// Writes `bytes` to `device` in one write. False with `error` set when the device took
// fewer bytes.
bool writeAll(QIODevice* device, const QByteArray& bytes, QString* error = nullptr);

} // namespace korvex
