#include "core/BinaryWriter.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace korvex {

BinaryWriter::BinaryWriter(QByteArray* target) : m_target(target) {}

void BinaryWriter::fail(const QString& message) {
    if (m_error.isEmpty())
        m_error = message;
}

void BinaryWriter::putGrowing(const char* data, qint64 count) {
    if (!ok() || count <= 0)
        return;
    // The array grows by doubling, reserved here: a stored path of many small fields
    // would otherwise move the whole array again and again as it grows.
    const qsizetype needed = m_target->size() + static_cast<qsizetype>(count);
    if (needed > m_target->capacity())
        m_target->reserve(std::max<qsizetype>(needed, 2 * m_target->capacity() + 4096));
    m_target->append(data, static_cast<qsizetype>(count));
}

char* BinaryWriter::appendRoom(qsizetype count) {
    if (!ok() || count <= 0)
        return nullptr;
    const qsizetype start = m_target->size();
    if (start + count > m_target->capacity())
        m_target->reserve(std::max<qsizetype>(start + count, 2 * m_target->capacity() + 4096));
    m_target->resize(start + count);
    return m_target->data() + start;
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
