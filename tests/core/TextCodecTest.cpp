#include "TestHelpers.h"
#include "core/TextCodec.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

TEST(TextCodec, Utf8IsPreferredAndOtherBytesAreWindows1250) {
    EXPECT_EQ(decodeText(QStringLiteral("Trénink č. 3").toUtf8()), QStringLiteral("Trénink č. 3"));
    EXPECT_EQ(decodeText(bytes({'T', 'r', 0xE9, 'n', 'i', 'n', 'k', ' ', 0xE8})),
              QStringLiteral("Trénink č"));
    EXPECT_EQ(decodeText(bytes({0xFC, 'b', 'e', 'r'})), QStringLiteral("über"));
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(isValidUtf8(bytes({0xC0, 0xAF})));
    EXPECT_FALSE(isValidUtf8(bytes({0xED, 0xA0, 0x80})));
    EXPECT_FALSE(isValidUtf8(bytes({0xE2, 0x82})));
    EXPECT_TRUE(isValidUtf8(QByteArray()));
}

TEST(TextCodec, LimitedEncodingNeverSplitsASequence) {
    EXPECT_EQ(encodeTextLimited(QStringLiteral("abc"), 10), QByteArray("abc"));
    EXPECT_EQ(encodeTextLimited(QStringLiteral("abcdef"), 4), QByteArray("abcd"));
    // "ač" is 'a' + two bytes; a limit of 2 must drop the whole "č".
    EXPECT_EQ(encodeTextLimited(QStringLiteral("ač"), 2), QByteArray("a"));
    EXPECT_EQ(encodeTextLimited(QStringLiteral("ač"), 3), QStringLiteral("ač").toUtf8());
    EXPECT_EQ(encodeTextLimited(QStringLiteral("€"), 2), QByteArray());
    EXPECT_TRUE(isValidUtf8(encodeTextLimited(QStringLiteral("žžžžž"), 7)));
}
