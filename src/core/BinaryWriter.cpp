#include "core/BinaryWriter.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace korvex {

BinaryWriter::BinaryWriter(QIODevice* device) : m_device(device) {
    if (!m_device || !m_device->isWritable())
        fail(QStringLiteral("the target cannot be written"));
}

void BinaryWriter::fail(const QString& message) {
    if (m_error.isEmpty())
        m_error = message;
}

void BinaryWriter::put(const char* data, qint64 count) {
    if (!ok() || count == 0)
        return;
    if (m_device->write(data, count) != count)
        fail(QStringLiteral("write error: %1").arg(m_device->errorString()));
}

void BinaryWriter::writeInt32(qint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    put(raw, 4);
}

void BinaryWriter::writeInt64(qint64 value) {
    char raw[8];
    qToLittleEndian(value, raw);
    put(raw, 8);
}

void BinaryWriter::writeByte(quint8 value) {
    const char raw = static_cast<char>(value);
    put(&raw, 1);
}

void BinaryWriter::writeDouble(double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[8];
    qToLittleEndian(bits, raw);
    put(raw, 8);
}

void BinaryWriter::writeBytes(const QByteArray& bytes) { put(bytes.constData(), bytes.size()); }

} // namespace korvex
