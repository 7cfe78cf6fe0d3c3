#include "storage/PlayerNumbers.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"

namespace korvex {

bool PlayerNumbers::contains(int number) const {
    return number >= 0 && number < kCount && m_bits.test(static_cast<size_t>(number));
}

void PlayerNumbers::take(int number) {
    if (number >= 0 && number < kCount)
        m_bits.set(static_cast<size_t>(number));
}

void PlayerNumbers::release(int number) {
    if (number >= 0 && number < kCount)
        m_bits.reset(static_cast<size_t>(number));
}

void PlayerNumbers::releaseText(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok)
        release(number);
}

int PlayerNumbers::nextFree() {
    for (int number = 1; number < kCount; ++number) {
        if (!contains(number)) {
            take(number);
            return number;
        }
    }
    return kNone;
}

QByteArray PlayerNumbers::toBytes() const {
    QByteArray bytes(kBytes, '\0');
    for (int n = 0; n < kCount; ++n) {
        if (contains(n))
            bytes[n / 8] = static_cast<char>(static_cast<quint8>(bytes[n / 8]) | (1u << (n % 8)));
    }
    return bytes;
}

PlayerNumbers PlayerNumbers::fromBytes(const QByteArray& bytes) {
    PlayerNumbers numbers;
    for (int n = 0; n < kCount && n / 8 < bytes.size(); ++n) {
        if (static_cast<quint8>(bytes[n / 8]) & (1u << (n % 8)))
            numbers.take(n);
    }
    return numbers;
}

void PlayerNumbers::write(BinaryWriter& out) const {
    out.writeBytes(toBytes());
}

PlayerNumbers PlayerNumbers::read(BinaryReader& in) {
    const QByteArray bytes = in.readBytes(kBytes);
    return in.ok() ? fromBytes(bytes) : PlayerNumbers();
}

} // namespace korvex
