#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace korvex {

// Little-endian writer over a device. Keeps the first failure; later writes do nothing.
class BinaryWriter {
public:
    explicit BinaryWriter(QIODevice* device);

    void writeInt32(qint32 value);
    void writeInt64(qint64 value);
    void writeByte(quint8 value);
    void writeBool(bool value) { writeByte(value ? 1 : 0); }
    void writeDouble(double value);
    void writeBytes(const QByteArray& bytes);

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    void fail(const QString& message);
    QIODevice* device() const { return m_device; }

private:
    void put(const char* data, qint64 count);

    QIODevice* m_device;
    QString m_error;
};

} // namespace korvex
