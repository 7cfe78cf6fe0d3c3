// The reader parses a device in large pieces; fields that straddle two pieces, blocks
// larger than a piece and skips past the piece read the same as from memory.
#include "core/BinaryReader.h"
#include "TestHelpers.h"
#include "core/BinaryWriter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

constexpr qint64 kMB = 1024 * 1024;

QByteArray filler(qint64 size, char seed) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + i % 251);
    return bytes;
}

// Reads the layout `large` writes and checks every field; returns the reader's position.
qint64 readLarge(BinaryReader& in) {
    EXPECT_EQ(in.readBytes(4 * kMB - 2), filler(4 * kMB - 2, 1));
    EXPECT_EQ(in.readInt32(), 0x12345678); // across the first piece's end
    EXPECT_EQ(in.readBytes(9 * kMB), filler(9 * kMB, 2));
    EXPECT_EQ(in.readDouble(), 2.5);
    in.skip(3 * kMB);
    EXPECT_EQ(in.readInt64(), qint64(-7));
    EXPECT_EQ(in.readBytes(10), filler(10, 3));
    EXPECT_TRUE(in.ok()) << in.errorString().toStdString();
    EXPECT_TRUE(in.atEnd());
    return in.position();
}

TEST(BinaryReader, LargeFilesReadInPiecesAsFromMemory) {
    QByteArray large;
    BinaryWriter out(&large);
    out.writeBytes(filler(4 * kMB - 2, 1));
    out.writeInt32(0x12345678);
    out.writeBytes(filler(9 * kMB, 2));
    out.writeDouble(2.5);
    out.writeBytes(filler(3 * kMB, 9));
    out.writeInt64(-7);
    out.writeBytes(filler(10, 3));
    ASSERT_TRUE(out.ok());

    BinaryReader fromMemory(large);
    EXPECT_EQ(readLarge(fromMemory), large.size());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.bin"));
    QFile write(path);
    ASSERT_TRUE(write.open(QIODevice::WriteOnly));
    // A header the reader does not see: it starts where the device stands.
    write.write("HEAD");
    write.write(large);
    write.close();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.seek(4);
    BinaryReader fromFile(&file, QStringLiteral("large.bin"));
    EXPECT_EQ(fromFile.size(), large.size());
    EXPECT_EQ(readLarge(fromFile), large.size());

    QBuffer buffer;
    buffer.setData("HEAD" + large);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(4);
    BinaryReader fromBuffer(&buffer);
    EXPECT_EQ(readLarge(fromBuffer), large.size());
}

TEST(BinaryReader, ShortAndHostileSourcesFailWithThePosition) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.bin"));
    QFile write(path);
    ASSERT_TRUE(write.open(QIODevice::WriteOnly));
    write.write(le32(5) + "abc");
    write.close();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    BinaryReader in(&file, QStringLiteral("short.bin"));
    EXPECT_EQ(in.readBytes(in.readInt32()), QByteArray());
    EXPECT_FALSE(in.ok());
    EXPECT_TRUE(in.errorString().startsWith(QStringLiteral("short.bin: length 5")));
    EXPECT_TRUE(in.errorString().endsWith(QStringLiteral("(at byte 4)")))
        << in.errorString().toStdString();
    EXPECT_EQ(in.readInt32(), 0);

    BinaryReader counts(le32(-1) + le32(1000));
    EXPECT_FALSE(counts.checkCount(counts.readInt32(), 4, QStringLiteral("lines")));
    BinaryReader skips(le32(1));
    skips.skip(5);
    EXPECT_FALSE(skips.ok());
}

} // namespace
