#include "core/TextCodec.h"

#include <array>

namespace korvex {

namespace {

// Code points of the bytes 0x80..0xFF in Windows-1250; 0xFFFD where the code page has none.
constexpr std::array<char16_t, 128> kWindows1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// Length of the UTF-8 sequence that starts with `lead`, or 0 when `lead` cannot start one.
int utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

bool isValidUtf8(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const int length = utf8SequenceLength(data[i]);
        if (length == 0 || i + length > size)
            return false;
        for (int k = 1; k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
        }
        if (length == 3) {
            const unsigned c1 = data[i + 1];
            if ((data[i] == 0xE0 && c1 < 0xA0) || (data[i] == 0xED && c1 >= 0xA0))
                return false; // overlong form or UTF-16 surrogate
        } else if (length == 4) {
            const unsigned c1 = data[i + 1];
            if ((data[i] == 0xF0 && c1 < 0x90) || (data[i] == 0xF4 && c1 >= 0x90))
                return false; // overlong form or beyond U+10FFFF
        }
        i += length;
    }
    return true;
}

QString decodeWindows1250(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte < 0x80 ? char16_t(byte) : kWindows1250High[byte - 0x80]));
    }
    return text;
}

QByteArray encodeText(const QString& text) {
    return text.toUtf8();
}

QString decodeText(const QByteArray& bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return decodeWindows1250(bytes);
}

QByteArray encodeTextLimited(const QString& text, int maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (maxBytes <= 0)
        return {};
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = maxBytes;
    // Step back over continuation bytes so the cut lands on the start of a sequence.
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

} // namespace korvex
