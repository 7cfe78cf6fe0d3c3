#include "core/BinaryReader.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace korvex {

namespace {

// The first piece taken from a device covers any ordinary item file whole; later pieces
// double up to the largest, so a large backup is read in a few big reads without being
// held in memory at once.
constexpr qint64 kFirstPiece = qint64(4) * 1024 * 1024;
constexpr qint64 kLargestPiece = qint64(32) * 1024 * 1024;

} // namespace

BinaryReader::BinaryReader(const QByteArray& bytes, QString sourceName)
    : m_window(bytes), m_size(bytes.size()), m_source(std::move(sourceName)) {}

BinaryReader::BinaryReader(QIODevice* device, QString sourceName)
    : m_source(std::move(sourceName)) {
    if (!device || !device->isReadable()) {
        fail(QStringLiteral("the data cannot be read"));
        return;
    }
    // A buffer's bytes are in memory already: they are shared, not copied.
    if (auto* buffer = qobject_cast<QBuffer*>(device)) {
        m_window = buffer->pos() == 0 ? buffer->data() : buffer->data().mid(buffer->pos());
        m_size = m_window.size();
        return;
    }
    m_device = device;
    m_deviceStart = device->pos();
    m_size = std::max<qint64>(0, device->size() - m_deviceStart);
    m_nextPiece = kFirstPiece;
}

void BinaryReader::fail(const QString& message) {
    if (!m_error.isEmpty())
        return;
    const QString where = QStringLiteral(" (at byte %1)").arg(position());
    m_error = m_source.isEmpty() ? message + where
                                 : QStringLiteral("%1: %2%3").arg(m_source, message, where);
}

bool BinaryReader::ensure(qint64 count) {
    if (!ok())
        return false;
    if (count > remaining()) {
        fail(QStringLiteral("the file ends too early"));
        return false;
    }
    const qint64 available = m_window.size() - m_pos;
    if (count <= available)
        return true;
    // Keep what is still unread and append the next piece of the device.
    m_window.remove(0, static_cast<qsizetype>(m_pos));
    m_windowStart += m_pos;
    m_pos = 0;
    const qint64 wanted =
        std::min(std::max(count - available, m_nextPiece), m_size - m_windowStart - available);
    m_nextPiece = std::min(m_nextPiece * 2, kLargestPiece);
    const qint64 at = m_windowStart + available;
    if (m_device->pos() != m_deviceStart + at && !m_device->seek(m_deviceStart + at)) {
        fail(QStringLiteral("read error: %1").arg(m_device->errorString()));
        return false;
    }
    const qsizetype old = m_window.size();
    m_window.resize(old + static_cast<qsizetype>(wanted));
    qint64 done = 0;
    while (done < wanted) {
        const qint64 got = m_device->read(m_window.data() + old + done, wanted - done);
        if (got <= 0) {
            m_window.resize(old + static_cast<qsizetype>(done));
            fail(QStringLiteral("read error: %1").arg(m_device->errorString()));
            return false;
        }
        done += got;
    }
    return true;
}

const char* BinaryReader::take(qint64 count) {
    if (!ensure(count))
        return nullptr;
    const char* at = m_window.constData() + m_pos;
    m_pos += count;
    return at;
}

qint32 BinaryReader::readInt32() {
    const char* raw = take(4);
    return raw ? qFromLittleEndian<qint32>(raw) : 0;
}

qint64 BinaryReader::readInt64() {
    const char* raw = take(8);
    return raw ? qFromLittleEndian<qint64>(raw) : 0;
}

quint8 BinaryReader::readByte() {
    const char* raw = take(1);
    return raw ? static_cast<quint8>(*raw) : 0;
}

bool BinaryReader::readBool() {
    return readByte() != 0;
}

double BinaryReader::readDouble() {
    const char* raw = take(8);
    if (!raw)
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
    if (count == 0)
        return QByteArray();
    // A whole window read from a byte array is shared, not copied.
    if (!m_device && m_pos == 0 && count == m_window.size()) {
        m_pos = count;
        return m_window;
    }
    const qint64 available = m_window.size() - m_pos;
    if (!m_device || count <= available) {
        const char* raw = take(count);
        return raw ? QByteArray(raw, static_cast<qsizetype>(count)) : QByteArray();
    }
    // A large block of a device goes straight into its own array, not through the window.
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    std::memcpy(bytes.data(), m_window.constData() + m_pos, static_cast<size_t>(available));
    const qint64 at = m_windowStart + m_window.size();
    m_windowStart += m_pos;
    m_window.clear();
    m_pos = 0;
    if (m_device->pos() != m_deviceStart + at && !m_device->seek(m_deviceStart + at)) {
        fail(QStringLiteral("read error: %1").arg(m_device->errorString()));
        return {};
    }
    qint64 done = available;
    while (done < count) {
        const qint64 got = m_device->read(bytes.data() + done, count - done);
        if (got <= 0) {
            fail(QStringLiteral("read error: %1").arg(m_device->errorString()));
            return {};
        }
        done += got;
    }
    m_windowStart += count;
    return bytes;
}

void BinaryReader::skip(qint64 count) {
    if (!ok())
        return;
    if (count < 0 || count > remaining()) {
        fail(QStringLiteral("cannot skip %1 bytes").arg(count));
        return;
    }
    const qint64 available = m_window.size() - m_pos;
    if (count <= available) {
        m_pos += count;
        return;
    }
    // Past the window: the next read starts a new window there.
    m_windowStart += m_pos + count;
    m_window.clear();
    m_pos = 0;
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
