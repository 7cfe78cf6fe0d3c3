#include "core/BinaryReader.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace korvex {

BinaryReader::BinaryReader(QIODevice* device, QString sourceName)
    : m_device(device), m_source(std::move(sourceName)) {
    if (!m_device || !m_device->isReadable())
        fail(QStringLiteral("the data cannot be read"));
}

void BinaryReader::fail(const QString& message) {
    if (!m_error.isEmpty())
        return;
    const QString where =
        m_device ? QStringLiteral(" (at byte %1)").arg(m_device->pos()) : QString();
    m_error = m_source.isEmpty() ? message + where
                                 : QStringLiteral("%1: %2%3").arg(m_source, message, where);
}

qint64 BinaryReader::remaining() const {
    if (!m_device)
        return 0;
    return m_device->size() - m_device->pos();
}

qint64 BinaryReader::position() const { return m_device ? m_device->pos() : 0; }

bool BinaryReader::take(char* target, qint64 count) {
    if (!ok())
        return false;
    if (count > remaining()) {
        fail(QStringLiteral("the file ends too early"));
        return false;
    }
    if (m_device->read(target, count) != count) {
        fail(QStringLiteral("read error: %1").arg(m_device->errorString()));
        return false;
    }
    return true;
}

qint32 BinaryReader::readInt32() {
    char raw[4];
    return take(raw, 4) ? qFromLittleEndian<qint32>(raw) : 0;
}

qint64 BinaryReader::readInt64() {
    char raw[8];
    return take(raw, 8) ? qFromLittleEndian<qint64>(raw) : 0;
}

quint8 BinaryReader::readByte() {
    char raw = 0;
    return take(&raw, 1) ? static_cast<quint8>(raw) : 0;
}

bool BinaryReader::readBool() { return readByte() != 0; }

double BinaryReader::readDouble() {
    char raw[8];
    if (!take(raw, 8))
        return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(raw);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray BinaryReader::readBytes(qint64 count) {
    if (!ok())
        return {};
    if (count < 0) {
        fail(QStringLiteral("negative length %1").arg(count));
        return {};
    }
    if (count > remaining()) {
        fail(QStringLiteral("length %1 is larger than the %2 bytes that remain")
                 .arg(count)
                 .arg(remaining()));
        return {};
    }
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    if (!take(bytes.data(), count))
        return {};
    return bytes;
}

void BinaryReader::skip(qint64 count) {
    if (!ok())
        return;
    if (count < 0 || count > remaining()) {
        fail(QStringLiteral("cannot skip %1 bytes").arg(count));
        return;
    }
    m_device->seek(m_device->pos() + count);
}

bool BinaryReader::checkCount(qint64 count, qint64 minBytesEach, const QString& what) {
    if (!ok())
        return false;
    if (count < 0) {
        fail(QStringLiteral("negative count %1 of %2").arg(count).arg(what));
        return false;
    }
    if (minBytesEach > 0 && count > remaining() / minBytesEach) {
        fail(QStringLiteral("count %1 of %2 does not fit in the %3 bytes that remain")
                 .arg(count)
                 .arg(what)
                 .arg(remaining()));
        return false;
    }
    return true;
}

} // namespace korvex
