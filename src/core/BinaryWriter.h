#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace korvex {

// Little-endian writer that appends to a byte array in memory. A format is written whole
// into memory and then handed to its file in one write (writeAll, SafeSave, SaveGroup),
// so a save costs one system call per file instead of one per field. Keeps the first
// failure; later writes do nothing.
class BinaryWriter {
public:
    explicit BinaryWriter(QByteArray* target);

    void writeInt32(qint32 value);
    void writeInt64(qint64 value);
    void writeByte(quint8 value);
    void writeBool(bool value) { writeByte(value ? 1 : 0); }
    void writeDouble(double value);
    void writeBytes(const QByteArray& bytes);
    void writeRaw(const char* data, qint64 count) { put(data, count); }

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    void fail(const QString& message);
    // The bytes written so far (with whatever the target held before).
    QByteArray& bytes() { return *m_target; }

private:
    void put(const char* data, qint64 count);

    QByteArray* m_target;
    QString m_error;
};

// Writes `bytes` to `device` in one write. False with `error` set when the device took
// fewer bytes.
bool writeAll(QIODevice* device, const QByteArray& bytes, QString* error = nullptr);

} // namespace korvex
