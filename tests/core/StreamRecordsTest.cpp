#include "core/StreamRecords.h"
#include "TestHelpers.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray written(const std::function<void(BinaryWriter&)>& write) {
    QByteArray data;
    BinaryWriter out(&data);
    write(out);
    EXPECT_TRUE(out.ok());
    return data;
}

} // namespace

TEST(StreamRecords, StringsMatchHandBuiltBytes) {
    EXPECT_EQ(written([](BinaryWriter& o) { writeStreamString(o, QString()); }), le32(0));
    EXPECT_EQ(written([](BinaryWriter& o) { writeStreamString(o, QStringLiteral("Hra")); }),
              streamString("Hra"));
    const QByteArray list = le32(2) + streamString("a") + streamString("");
    EXPECT_EQ(written([](BinaryWriter& o) {
                  writeStreamStrings(o, {QStringLiteral("a"), QString()});
              }),
              list);

    QByteArray data = list + le32(0) + bytes({0x7F});
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer);
    EXPECT_EQ(readStreamStrings(in), QStringList({QStringLiteral("a"), QString()}));
    EXPECT_EQ(readStreamString(in), QString());
    EXPECT_EQ(in.position(), list.size() + 4); // an empty string consumes exactly 4 bytes
    EXPECT_TRUE(in.ok());
}

TEST(StreamRecords, Windows1250TextInOldFilesIsDecoded) {
    // "Žluťoučký" as Windows-1250 bytes: not valid UTF-8, so the old code page applies.
    QByteArray data = streamString(bytes({0x8E, 'l', 'u', 0x9D, 'o', 'u', 0xE8, 'k', 0xFD}));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer);
    EXPECT_EQ(readStreamString(in), QStringLiteral("Žluťoučký"));
}

TEST(StreamRecords, HostileLengthsAndCountsFailWithoutAllocating) {
    const QByteArray cases[] = {
        le32(-1),                            // negative length
        le32(0x7FFFFFFF) + QByteArray("ab"), // length beyond the data
        le32(3) + QByteArray("ab"),          // truncated text
        QByteArray("\x01\x00", 2),           // truncated length field
    };
    for (const QByteArray& bad : cases) {
        QByteArray data = bad;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        BinaryReader in(&buffer, QStringLiteral("test.gmp"));
        EXPECT_TRUE(readStreamString(in).isEmpty());
        EXPECT_FALSE(in.ok());
        EXPECT_TRUE(in.errorString().startsWith(QStringLiteral("test.gmp: ")))
            << in.errorString().toStdString();
    }
    for (const QByteArray& bad : {le32(0x7FFFFFFF), le32(-5), le32(3) + le32(0)}) {
        QByteArray data = bad;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        BinaryReader in(&buffer);
        EXPECT_TRUE(readStreamStrings(in).isEmpty());
        EXPECT_FALSE(in.ok());
    }
}

TEST(StreamRecords, JpegBlocks) {
    QTemporaryDir dir;
    // From a missing file nothing at all is written.
    EXPECT_TRUE(written([&](BinaryWriter& o) {
                    EXPECT_FALSE(
                        writeJpegBlockFromFile(o, dir.filePath(QStringLiteral("none.jpg"))));
                }).isEmpty());

    // Size 0 gives the dark-grey placeholder.
    QByteArray data = le64(0);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer);
    const JpegPicture placeholder = readJpegBlock(in);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(placeholder.image().size(), QSize(225, 140));
    EXPECT_EQ(placeholder.image().pixel(100, 70) & 0xFFFFFF, 0x505050u);

    // A real picture is kept byte for byte.
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    JpegPicture picture;
    picture.setImage(image);
    const QByteArray jpeg = picture.bytes();
    const QString path = dir.filePath(QStringLiteral("p.jpg"));
    ASSERT_TRUE(picture.saveFile(path));
    const QByteArray block =
        written([&](BinaryWriter& o) { EXPECT_TRUE(writeJpegBlockFromFile(o, path)); });
    EXPECT_EQ(block, le64(jpeg.size()) + jpeg);

    QByteArray again = block;
    QBuffer againBuffer(&again);
    againBuffer.open(QIODevice::ReadOnly);
    BinaryReader againIn(&againBuffer);
    EXPECT_EQ(readJpegBlock(againIn).bytes(), jpeg);

    // A block whose bytes are not a JPEG is an error, not a crash.
    QByteArray corrupt = le64(4) + QByteArray("abcd");
    QBuffer corruptBuffer(&corrupt);
    corruptBuffer.open(QIODevice::ReadOnly);
    BinaryReader corruptIn(&corruptBuffer);
    EXPECT_TRUE(readJpegBlock(corruptIn).isNull());
    EXPECT_FALSE(corruptIn.ok());
}

TEST(StreamRecords, FileBundleRoundTripAndCountMismatch) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.bin"));
    const QString b = dir.filePath(QStringLiteral("b.bin"));
    QByteArray big(3000, 'x'); // more than one 1024-byte copy block
    big[2999] = 'y';
    {
        QFile f(a);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(big);
    }
    {
        QFile f(b);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString bundle = dir.filePath(QStringLiteral("all.abp"));
    ASSERT_TRUE(writeFileBundle(bundle, 141, {a, b}));
    QFile f(bundle);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), le32(141) + le32(2) + le32(3000) + big + le32(0));

    const QString a2 = dir.filePath(QStringLiteral("a2.bin"));
    const QString b2 = dir.filePath(QStringLiteral("b2.bin"));
    ASSERT_TRUE(readFileBundle(bundle, {a2, b2}));
    QFile r(a2);
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    EXPECT_EQ(r.readAll(), big);
    EXPECT_TRUE(QFile::exists(b2));

    QString error;
    EXPECT_FALSE(readFileBundle(bundle, {dir.filePath(QStringLiteral("only.bin"))}, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("only.bin"))));
    EXPECT_FALSE(error.isEmpty());
}
