// The pictures of an open text practise in its scratch folder: adding picture files of the
// three accepted kinds, refusing anything else, deleting with renumbering, and a scratch
// folder that only ever holds the pictures of the practise loaded.
#include "RecordFixtures.h"

#include "core/Jpeg.h"
#include "storage/TTextPractise.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray jpegOf(QRgb colour, int width = 8) {
    QImage image(width, 6, QImage::Format_RGB32);
    image.fill(colour);
    return encodeJpeg(image);
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class TextPractisePicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        practise = std::make_unique<TTextPractise>(dir.path(), QStringLiteral("TextPractises"),
                                                   scratch(QString()));
        practise->setFormatVersion(141);
        QDir().mkpath(dir.path() + QStringLiteral("/TextPractises/c/s"));
    }
    QString scratch(const QString& name) const {
        return dir.path() + QStringLiteral("/Photos/") + name;
    }
    QString source(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.path() + QStringLiteral("/in/") + name;
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
    QString stem(const char* name) const {
        return dir.path() + QStringLiteral("/TextPractises/c/s/") + QLatin1String(name);
    }
    QStringList scratchFiles() const {
        return QDir(scratch(QString())).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    std::unique_ptr<TTextPractise> practise;
};

TEST_F(TextPractisePicturesTest, JpegIsKeptPngAndBmpAreConvertedAnythingElseIsRefused) {
    const QByteArray jpeg = jpegOf(qRgb(200, 0, 0));
    EXPECT_EQ(practise->AddPicture(source(QStringLiteral("a.jpg"), jpeg)),
              TTextPractise::AddResult::Added);
    EXPECT_EQ(readFile(scratch(QStringLiteral("0.jpg"))), jpeg);

    // A transparent PNG becomes white, not black, in the JPEG.
    QImage transparent(20, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    EXPECT_EQ(practise->AddPicture(source(QStringLiteral("b.png"), encoded(transparent, "PNG"))),
              TTextPractise::AddResult::Added);
    QImage decoded;
    QString error;
    ASSERT_TRUE(decodeJpeg(readFile(scratch(QStringLiteral("1.jpg"))), &decoded, &error));
    EXPECT_EQ(decoded.size(), QSize(20, 10));
    EXPECT_GT(qGray(decoded.pixel(10, 5)), 245);

    QImage blue(12, 12, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    // The extension does not matter; the content does.
    EXPECT_EQ(practise->AddPicture(source(QStringLiteral("c.jpg"), encoded(blue, "BMP"))),
              TTextPractise::AddResult::Added);
    ASSERT_TRUE(decodeJpeg(readFile(scratch(QStringLiteral("2.jpg"))), &decoded, &error));
    EXPECT_GT(qBlue(decoded.pixel(6, 6)), 200);
    EXPECT_EQ(practise->lastPicture, 2);
    EXPECT_TRUE(practise->modified());

    // Not pictures: text named .jpg, a cut JPEG, a GIF-like header, a missing file.
    for (const auto& [name, bytes] :
         {std::pair{"notes.jpg", QByteArray("Skate to the blue line")},
          std::pair{"cut.jpg", jpeg.left(20)},
          std::pair{"x.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17)}}) {
        EXPECT_EQ(practise->AddPicture(source(QString::fromLatin1(name), bytes)),
                  TTextPractise::AddResult::NotAPicture)
            << name;
    }
    EXPECT_EQ(practise->AddPicture(dir.path() + QStringLiteral("/in/none.jpg")),
              TTextPractise::AddResult::Failed);
    EXPECT_EQ(practise->lastPicture, 2);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg"),
                                           QStringLiteral("2.jpg")}));

    // The fourth is the last one the editor adds.
    EXPECT_EQ(practise->AddPicture(source(QStringLiteral("d.jpg"), jpeg)),
              TTextPractise::AddResult::Added);
    EXPECT_EQ(practise->AddPicture(source(QStringLiteral("e.jpg"), jpeg)),
              TTextPractise::AddResult::Full);
    EXPECT_EQ(scratchFiles().size(), 4);
}

TEST_F(TextPractisePicturesTest, DeletingLeavesTheRestNumberedWithoutGapsInTheirOrder) {
    QList<QByteArray> pictures;
    for (int i = 0; i < 4; ++i) {
        pictures.append(jpegOf(qRgb(i * 60, 0, 0), 8 + i));
        ASSERT_EQ(practise->AddPicture(source(QStringLiteral("%1.jpg").arg(i), pictures[i])),
                  TTextPractise::AddResult::Added);
    }
    ASSERT_TRUE(practise->DeletePictures({1, 2, 2}));
    EXPECT_EQ(practise->lastPicture, 1);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg")}));
    EXPECT_EQ(readFile(scratch(QStringLiteral("0.jpg"))), pictures[0]);
    EXPECT_EQ(readFile(scratch(QStringLiteral("1.jpg"))), pictures[3]);

    ASSERT_TRUE(practise->Save(stem("p")));
    EXPECT_EQ(readFile(stem("p") + QStringLiteral(".tmp")),
              le32(141) + streamStrings({}) + le32(2) + le64(pictures[0].size()) + pictures[0] +
                  le64(pictures[3].size()) + pictures[3] + streamStrings({}));
}

TEST_F(TextPractisePicturesTest, LoadingLeavesOnlyTheLoadedPractisesPicturesInTheScratchFolder) {
    const QByteArray a0 = jpegOf(qRgb(255, 0, 0));
    const QByteArray a1 = jpegOf(qRgb(0, 255, 0));
    const QByteArray b0 = jpegOf(qRgb(0, 0, 255));
    ASSERT_TRUE(writeFile(stem("a") + QStringLiteral(".tmp"),
                          le32(141) + streamStrings({"a"}) + le32(2) + le64(a0.size()) + a0 +
                              le64(a1.size()) + a1 + streamStrings({})));
    ASSERT_TRUE(writeFile(stem("b") + QStringLiteral(".tmp"), le32(141) + streamStrings({"b"}) +
                                                                  le32(1) + le64(b0.size()) + b0 +
                                                                  streamStrings({})));
    // What a crash may leave: pictures and a renumbering half done.
    ASSERT_TRUE(writeFile(scratch(QStringLiteral("7.jpg")), a0));
    ASSERT_TRUE(writeFile(scratch(QStringLiteral("0.renumber")), a0));

    ASSERT_TRUE(practise->Load(stem("a")));
    EXPECT_EQ(practise->lastPicture, 1);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg")}));
    ASSERT_TRUE(practise->Load(stem("b")));
    EXPECT_EQ(practise->lastPicture, 0);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg")}));
    EXPECT_EQ(readFile(scratch(QStringLiteral("0.jpg"))), b0);
    ASSERT_TRUE(practise->Save(stem("b")));
    EXPECT_EQ(readFile(stem("b") + QStringLiteral(".tmp")), le32(141) + streamStrings({"b"}) +
                                                                le32(1) + le64(b0.size()) + b0 +
                                                                streamStrings({}));
}

} // namespace
