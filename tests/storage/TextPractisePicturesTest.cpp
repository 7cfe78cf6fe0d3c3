// Adding picture files to an open text practise: a JPEG is kept, PNG and BMP are converted,
// anything else is refused and nothing is stored.
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

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST(TextPractisePictures, JpegIsKeptPngAndBmpAreConvertedAnythingElseIsRefused) {
    QTemporaryDir dir;
    const QString scratch = dir.filePath(QStringLiteral("Photos"));
    TTextPractise practise(dir.path(), QStringLiteral("TextPractises"), scratch);
    using Result = TTextPractise::AddResult;
    auto add = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("in/") + QLatin1String(name));
        EXPECT_TRUE(writeFile(path, bytes));
        return practise.AddPicture(path);
    };
    auto stored = [&](int index) {
        QImage image;
        QString error;
        EXPECT_TRUE(decodeJpeg(readFile(practise.pictureFile(index)), &image, &error));
        return image;
    };
    QImage red(8, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QByteArray jpeg = encodeJpeg(red);
    EXPECT_EQ(add("a.jpg", jpeg), Result::Added);
    EXPECT_EQ(readFile(scratch + QStringLiteral("/0.jpg")), jpeg);

    // A transparent PNG becomes white, not black; the extension does not matter.
    QImage transparent(20, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    EXPECT_EQ(add("b.png", encoded(transparent, "PNG")), Result::Added);
    EXPECT_EQ(stored(1).size(), QSize(20, 10));
    EXPECT_GT(qGray(stored(1).pixel(10, 5)), 245);
    QImage blue(12, 12, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    EXPECT_EQ(add("c.jpg", encoded(blue, "BMP")), Result::Added);
    EXPECT_GT(qBlue(stored(2).pixel(6, 6)), 200);

    EXPECT_EQ(add("notes.jpg", "Skate to the blue line"), Result::NotAPicture);
    EXPECT_EQ(add("cut.jpg", jpeg.left(20)), Result::NotAPicture);
    EXPECT_EQ(add("x.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17)), Result::NotAPicture);
    EXPECT_EQ(practise.AddPicture(dir.filePath(QStringLiteral("none.jpg"))), Result::Failed);
    EXPECT_EQ(practise.lastPicture, 2);
    EXPECT_EQ(QDir(scratch).entryList(QDir::Files).size(), 3);

    EXPECT_EQ(add("d.jpg", jpeg), Result::Added);
    EXPECT_EQ(add("e.jpg", jpeg), Result::Full);
    EXPECT_EQ(QDir(scratch).entryList(QDir::Files).size(), 4);
}

} // namespace
