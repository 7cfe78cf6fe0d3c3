#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// One field of a fixed-size record: a length byte at `offset`, then `capacity` bytes.
struct ShortStringField {
    int offset;
    int capacity;
};

// A fixed-size record made of short strings (player cards, diary records). The raw bytes
// are kept, so bytes behind a field's length (left by the writer of an older file)
// survive a load and save unchanged; only a field that is set is rewritten.
class FixedRecord {
public:
    FixedRecord() = default;
    explicit FixedRecord(int size) : m_bytes(size, '\0') {}
    // Takes `bytes` as they were read; the caller has checked their size.
    static FixedRecord fromBytes(const QByteArray& bytes);

    // The field's text. A length byte larger than the field's capacity (a damaged
    // record) is cut to the capacity.
    QString field(ShortStringField field) const;
    // Stores `text` cut to the capacity without splitting a UTF-8 sequence; the unused
    // rest of the field is zeroed.
    void setField(ShortStringField field, const QString& text);
    // The field's stored bytes (without the length byte), for byte-order comparisons.
    QByteArray fieldBytes(ShortStringField field) const;

    const QByteArray& bytes() const { return m_bytes; }
    int size() const { return static_cast<int>(m_bytes.size()); }
    bool operator==(const FixedRecord& other) const { return m_bytes == other.m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace korvex
