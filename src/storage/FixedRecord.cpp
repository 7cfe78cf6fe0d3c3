#include "storage/FixedRecord.h"

#include "core/TextCodec.h"

#include <algorithm>

namespace korvex {

FixedRecord FixedRecord::fromBytes(const QByteArray& bytes) {
    FixedRecord record;
    record.m_bytes = bytes;
    return record;
}

QByteArray FixedRecord::fieldBytes(ShortStringField field) const {
    if (field.offset < 0 || field.offset + 1 + field.capacity > m_bytes.size())
        return {};
    const int length = std::min<int>(static_cast<quint8>(m_bytes.at(field.offset)), field.capacity);
    return m_bytes.mid(field.offset + 1, length);
}

QString FixedRecord::field(ShortStringField field) const {
    return decodeText(fieldBytes(field));
}

void FixedRecord::setField(ShortStringField field, const QString& text) {
    if (field.offset < 0 || field.offset + 1 + field.capacity > m_bytes.size())
        return;
    const QByteArray encoded = encodeTextLimited(text, std::min(field.capacity, 255));
    m_bytes[field.offset] = static_cast<char>(encoded.size());
    for (int i = 0; i < field.capacity; ++i)
        m_bytes[field.offset + 1 + i] = i < encoded.size() ? encoded.at(i) : '\0';
}

} // namespace korvex
