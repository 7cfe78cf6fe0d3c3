#include "RecordFixtures.h"

#include "core/Jpeg.h"
#include "storage/TTextPractise.h"
#include "storage/TextPractiseFile.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray jpegOf(QRgb colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    return encodeJpeg(image);
}

class TextPractiseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        practise = std::make_unique<TTextPractise>(dir.path(), QStringLiteral("TextPractises"),
                                                   dir.path() + QStringLiteral("/Photos"));
        practise->setFormatVersion(141);
        stem = dir.path() + QStringLiteral("/TextPractises/c/s/p");
        QDir().mkpath(dir.path() + QStringLiteral("/TextPractises/c/s"));
    }
    QString scratch(const QString& name) const {
        return dir.path() + QStringLiteral("/Photos/") + name;
    }

    QTemporaryDir dir;
    std::unique_ptr<TTextPractise> practise;
    QString stem;
};

TEST_F(TextPractiseTest, WithoutPicturesTheFileHoldsCountZeroAndNoPictureData) {
    practise->text = {QStringLiteral("Two lines"), QStringLiteral("of text")};
    practise->keywords = {QStringLiteral("pass")};
    ASSERT_TRUE(practise->Save(stem)) << practise->errorString().toStdString();
    EXPECT_EQ(readFile(stem + QStringLiteral(".tmp")), le32(141) +
                                                           streamStrings({"Two lines", "of text"}) +
                                                           le32(0) + streamStrings({"pass"}));
}

TEST_F(TextPractiseTest, PicturesAreSpreadIntoTheScratchFolderAndGatheredInTheirOrder) {
    // Eleven pictures: the eleventh ("10.jpg") must stay last, not follow "1.jpg".
    QList<QByteArray> pictures;
    for (int i = 0; i < 11; ++i)
        pictures.append(jpegOf(qRgb(i * 20, 0, 0)));
    QByteArray file = le32(135) + streamStrings({"t"}) + le32(12);
    for (const QByteArray& picture : pictures)
        file += le64(picture.size()) + picture;
    file += le64(0); // an empty picture is dropped
    file += streamStrings({"k1", "k2"});
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".tmp"), file));
    ASSERT_TRUE(writeFile(scratch(QStringLiteral("old.jpg")), "stale"));

    ASSERT_TRUE(practise->Load(stem)) << practise->errorString().toStdString();
    EXPECT_FALSE(QFile::exists(scratch(QStringLiteral("old.jpg"))));
    EXPECT_EQ(readFile(scratch(QStringLiteral("10.jpg"))), pictures[10]);
    EXPECT_EQ(practise->keywords, QStringList({QStringLiteral("k1"), QStringLiteral("k2")}));
    EXPECT_EQ(practise->formatVersion(), 135);

    ASSERT_TRUE(practise->Save(stem));
    QByteArray expected = le32(135) + streamStrings({"t"}) + le32(11);
    for (const QByteArray& picture : pictures)
        expected += le64(picture.size()) + picture;
    expected += streamStrings({"k1", "k2"});
    EXPECT_EQ(readFile(stem + QStringLiteral(".tmp")), expected);

    // Renumbering closes gaps in picture order.
    ASSERT_TRUE(QFile::remove(scratch(QStringLiteral("3.jpg"))));
    ASSERT_TRUE(practise->RenumberPictures());
    EXPECT_EQ(readFile(scratch(QStringLiteral("3.jpg"))), pictures[4]);
    EXPECT_EQ(readFile(scratch(QStringLiteral("9.jpg"))), pictures[10]);
    EXPECT_FALSE(QFile::exists(scratch(QStringLiteral("10.jpg"))));

    practise.reset(); // closing the practise empties the scratch folder
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/Photos")).entryList(QDir::Files).isEmpty());
}

TEST_F(TextPractiseTest, DamagedOrUnknownFilesNeverTurnIntoAnEmptySave) {
    const QByteArray cut = le32(141) + streamStrings({"t"}) + le32(1) + le64(5000) + "abc";
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".tmp"), cut));
    EXPECT_FALSE(practise->Load(stem));
    EXPECT_TRUE(practise->errorString().contains(QStringLiteral("p.tmp")));
    EXPECT_TRUE(practise->text.isEmpty());

    const QByteArray newer = le32(200) + QByteArray("whatever");
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".tmp"), newer));
    EXPECT_TRUE(practise->Load(stem));
    EXPECT_FALSE(practise->Save(stem));
    EXPECT_EQ(readFile(stem + QStringLiteral(".tmp")), newer);
    QString error;
    QByteArray rewritten;
    EXPECT_FALSE(
        rewriteTextPractise(newer, stem + QStringLiteral(".tmp"), 141, &rewritten, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("p.tmp"))) << error.toStdString();
}

} // namespace
