#include "core/SettingsCipher.h"
#include "TestHelpers.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

} // namespace

TEST(SettingsCipher, HandComputedRotatingKeyBytes) {
    // Key "ab" = 01100001 01100010. The bytes XORed in are the key's first byte after
    // 0, 1, 2, 3 one-bit left rotations: 0x61, 0xC2, 0x85, 0x0B.
    RotatingKeyCipher plain(QByteArray("ab"), false, false);
    EXPECT_EQ(plain.apply(bytes({0x10, 0x20, 0x30, 0x40})), bytes({0x71, 0xE2, 0xB5, 0x4B}));

    // Chained: each output is also XORed with the previous cipher byte.
    RotatingKeyCipher chained(QByteArray("ab"), true, false);
    EXPECT_EQ(chained.apply(bytes({0x10, 0x20, 0x30})), bytes({0x71, 0x93, 0x26}));
    RotatingKeyCipher unchained(QByteArray("ab"), true, true);
    EXPECT_EQ(unchained.apply(bytes({0x71, 0x93, 0x26})), bytes({0x10, 0x20, 0x30}));

    // The key returns to its start after 8 bits per key byte, and the state carries over
    // between calls.
    const QByteArray key(kBuiltInSettingsKey);
    ASSERT_EQ(key.size(), 22);
    RotatingKeyCipher stream(key, false, false);
    const QByteArray first = stream.apply(QByteArray(100, '\0'));
    const QByteArray rest = stream.apply(QByteArray(252, '\0'));
    const QByteArray all = first + rest;
    EXPECT_EQ(all.left(176), all.mid(176));
    EXPECT_EQ(all.at(0), key.at(0));
}

TEST(SettingsCipher, TwiceGivesTheInputBackForEveryLength) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString mid = dir.filePath(QStringLiteral("mid"));
    const QString out = dir.filePath(QStringLiteral("out"));
    QByteArray big(TSifrovacNonViz::kBlockSize * 2 + 1234, '\0');
    QRandomGenerator random(7);
    for (char& c : big)
        c = static_cast<char>(random.generate());

    for (const QByteArray& input : {QByteArray(), QByteArray("Language=English\r\n"), big}) {
        writeFile(in, input);
        std::vector<int> progress;
        TSifrovacNonViz cipher;
        cipher.Vstup = in;
        cipher.Vystup = mid;
        cipher.Klic = QLatin1String(kBuiltInSettingsKey);
        cipher.OnProgress = [&](int p) { progress.push_back(p); };
        ASSERT_TRUE(cipher.Execute()) << cipher.errorString().toStdString();
        if (!input.isEmpty()) {
            EXPECT_NE(readFile(mid), input);
        }
        EXPECT_EQ(readFile(mid).size(), input.size());
        ASSERT_FALSE(progress.empty());
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_EQ(progress.back(), 100);
        EXPECT_EQ(progress.size(), input.size() > TSifrovacNonViz::kBlockSize ? 3u : 1u);

        ASSERT_TRUE(cipherSettingsFile(mid, out));
        EXPECT_EQ(readFile(out), input);
    }
    // Enciphering a file onto itself works too (the output replaces the input at the end).
    writeFile(in, QByteArray("abc"));
    ASSERT_TRUE(cipherSettingsFile(in, in));
    ASSERT_TRUE(cipherSettingsFile(in, in));
    EXPECT_EQ(readFile(in), QByteArray("abc"));
}

TEST(SettingsCipher, FailuresAreReportedAndLeaveTheOutputAlone) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    writeFile(out, "old");

    TSifrovacNonViz cipher;
    cipher.Vstup = dir.filePath(QStringLiteral("missing"));
    cipher.Vystup = out;
    cipher.Klic = QStringLiteral("k");
    EXPECT_FALSE(cipher.Execute());
    EXPECT_TRUE(cipher.errorString().endsWith(QStringLiteral(": no such file")));

    writeFile(in, "data");
    cipher.Vstup = in;
    cipher.Klic.clear();
    EXPECT_FALSE(cipher.Execute());
    EXPECT_EQ(cipher.errorString(), QStringLiteral("no key was given"));

    // Key file mode: the key must be at least as long as the input.
    cipher.KratkyARotovat = false;
    cipher.KlicName = dir.filePath(QStringLiteral("nokey"));
    EXPECT_FALSE(cipher.Execute());
    EXPECT_TRUE(cipher.errorString().endsWith(QStringLiteral(": no such key file")));
    writeFile(dir.filePath(QStringLiteral("key")), "xyz");
    cipher.KlicName = dir.filePath(QStringLiteral("key"));
    EXPECT_FALSE(cipher.Execute());
    EXPECT_TRUE(cipher.errorString().startsWith(QStringLiteral("the key file is shorter")));
    EXPECT_EQ(readFile(out), QByteArray("old"));

    writeFile(cipher.KlicName, bytes({0x01, 0x02, 0x03, 0x04, 0x05}));
    ASSERT_TRUE(cipher.Execute());
    EXPECT_EQ(readFile(out), bytes({'d' ^ 1, 'a' ^ 2, 't' ^ 3, 'a' ^ 4}));

    // An output in a folder that does not exist is an error, not a crash.
    cipher.KratkyARotovat = true;
    cipher.Klic = QStringLiteral("k");
    cipher.Vystup = dir.filePath(QStringLiteral("no/such/out"));
    EXPECT_FALSE(cipher.Execute());
    EXPECT_FALSE(cipher.errorString().isEmpty());
}
