#pragma once

#include <QByteArray>
#include <QString>

#include <bitset>

namespace korvex {

class BinaryReader;
class BinaryWriter;

// The player numbers 0..255 in use for one kind of numbered player. Stored as 32 bytes:
// number n is bit (n mod 8) of byte (n div 8), least significant bit first.
class PlayerNumbers {
public:
    static constexpr int kCount = 256;
    static constexpr int kBytes = kCount / 8;
    // What nextFree() returns when every number from 1 to 255 is taken.
    static constexpr int kNone = -1;

    bool contains(int number) const;
    void take(int number);
    void release(int number);
    void clear() { m_bits.reset(); }
    bool isEmpty() const { return m_bits.none(); }

    // Releases the number written in `text` (a figure's text). Text that is not an
    // integer or a number outside 0..255 releases nothing.
    void releaseText(const QString& text);

    // The lowest number from 1 upward that is free; it is taken and returned. When all of
    // 1..255 are in use nothing changes and kNone is returned, so the caller places the
    // player without a number.
    int nextFree();

    QByteArray toBytes() const;
    static PlayerNumbers fromBytes(const QByteArray& bytes);
    void write(BinaryWriter& out) const;
    static PlayerNumbers read(BinaryReader& in);

    bool operator==(const PlayerNumbers& other) const { return m_bits == other.m_bits; }

private:
    std::bitset<kCount> m_bits;
};

} // namespace korvex
