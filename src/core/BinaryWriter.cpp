#include "core/BinaryWriter.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace korvex {

BinaryWriter::BinaryWriter(QByteArray* target) : m_target(target) {}

void BinaryWriter::fail(const QString& message) {
    if (m_error.isEmpty())
        m_error = message;
}

void BinaryWriter::put(const char* data, qint64 count) {
    if (!ok() || count <= 0)
        return;
    m_target->append(data, static_cast<qsizetype>(count));
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

void BinaryWriter::writeBytes(const QByteArray& bytes) {
    put(bytes.constData(), bytes.size());
}

bool writeAll(QIODevice* device, const QByteArray& bytes, QString* error) {
    if (!device || !device->isWritable()) {
        if (error)
            *error = QStringLiteral("the target cannot be written");
        return false;
    }
    if (bytes.isEmpty() || device->write(bytes) == bytes.size())
        return true;
    if (error)
        *error = QStringLiteral("write error: %1").arg(device->errorString());
    return false;
}

} // namespace korvex
