#include "PractiseFixture.h"

#include "storage/PractiseGround.h"
#include "storage/TGraphicPractise.h"
#include "storage/Thumbnail.h"

#include "core/Jpeg.h"
#include "core/JpegPicture.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Version 141: description "Drill" / "two lines", no keywords, a forward "7" at (150, 210),
// a free text at (500, 100), one red line, standard ground "Rink", forwards 7 and 9 taken.
QByteArray fullLayout141() {
    return le32(141) + streamStrings({"Drill", "two lines"}) + streamStrings({}) + le32(2) +
           figureRecord(0, 150, 210, 0, "7") + figureRecord(11, 500, 100, 0, "Go") + le32(1) +
           redLineRecord() + bytes({0}) + streamString("Rink") + numberSet({7, 9}) + numberSet({});
}

QByteArray ownPictureJpeg() {
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 30));
    return encodeJpeg(picture);
}

// Version 135 with ground mode 2 and an own picture.
QByteArray ownGround135(const QByteArray& jpeg) {
    return le32(135) + streamStrings({}) + streamStrings({"key"}) + le32(0) + le32(0) + bytes({2}) +
           streamString("") + numberSet({}) + numberSet({3}) + le64(jpeg.size()) + jpeg;
}

// Version 101: the old drawing layout (int32 pixels of a 450 x 280 canvas) and no ground
// mode: a defender "4" at (100, 140) and a two-point line in the 24-byte old block.
QByteArray olderLayout101() {
    return le32(101) + streamStrings({"old"}) + streamStrings({}) + le32(1) + bytes({1}) +
           le32(100) + le32(140) + bytes({0}) + streamString("4") + le32(1) + le32(15) + le32(0) +
           bytes({0, 0, 0, 0}) + le32(1) + le32(2) + bytes({0, 0, 0, 0}) + le32(10) + le32(20) +
           le32(200) + le32(20) + streamString("Rink") + numberSet({}) + numberSet({4});
}

// Version 123: the older file layout with current-layout drawings.
QByteArray olderLayout123() {
    return le32(123) + streamStrings({}) + streamStrings({}) + le32(1) +
           figureRecord(6, 300, 200, 0, "") + le32(0) + streamString("Rink") + numberSet({}) +
           numberSet({});
}

} // namespace

TEST(GraphicPractise, LoadsEveryAcceptedLayout) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    const QString stem = inst.graphicStem("p");

    writeAll(stem + QStringLiteral(".gmp"), fullLayout141());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    EXPECT_EQ(practise.description(),
              QStringList({QStringLiteral("Drill"), QStringLiteral("two lines")}));
    ASSERT_EQ(practise.figures().count(), 2);
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(150, 210));
    EXPECT_EQ(practise.figures().at(1)->text(), QStringLiteral("Go"));
    ASSERT_EQ(practise.lines().count(), 1);
    EXPECT_EQ(practise.groundName(), QStringLiteral("Rink"));
    EXPECT_TRUE(practise.numbers(TGraphicPractise::NumbersB).contains(9));
    EXPECT_FALSE(practise.modified());

    writeAll(stem + QStringLiteral(".gmp"), ownGround135(ownPictureJpeg()));
    ASSERT_TRUE(practise.Load(stem));
    EXPECT_EQ(practise.groundMode(), 2);
    EXPECT_EQ(practise.groundPicture().image().size(), QSize(120, 80));
    EXPECT_TRUE(practise.numbers(TGraphicPractise::NumbersA).contains(3));
    EXPECT_EQ(practise.keywords(), QStringList{QStringLiteral("key")});
    EXPECT_FALSE(practise.modified());

    // Old drawings are scaled from the 450 x 280 canvas; the file stays marked modified so
    // that it is saved again in the current layout.
    writeAll(stem + QStringLiteral(".gmp"), olderLayout101());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    ASSERT_EQ(practise.figures().count(), 1);
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(150, 210));
    ASSERT_EQ(practise.lines().count(), 1);
    EXPECT_EQ(practise.lines().at(0)->controlPoints().back(), QPoint(300, 30));
    EXPECT_EQ(practise.groundMode(), GroundStandard);
    EXPECT_TRUE(practise.numbers(TGraphicPractise::NumbersA).contains(4));
    EXPECT_TRUE(practise.modified());
    EXPECT_EQ(practise.formatVersion(), 101);

    writeAll(stem + QStringLiteral(".gmp"), olderLayout123());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    ASSERT_EQ(practise.figures().count(), 1);
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(300, 200));
    EXPECT_FALSE(practise.modified());
}

TEST(GraphicPractise, SaveWritesTheDataFileAndBothPictures) {
    Installation inst;
    const QString source = inst.graphicStem("source");
    const QString copy = inst.graphicStem("copy");
    writeAll(source + QStringLiteral(".gmp"), fullLayout141());
    TGraphicPractise practise(*inst.settings, inst.language);
    ASSERT_TRUE(practise.Load(source));
    practise.setModified(true);
    // No editor is attached: the saved picture must still show ground, lines and figures.
    ASSERT_TRUE(practise.Save(copy)) << practise.errorString().toStdString();
    EXPECT_FALSE(practise.modified());
    EXPECT_EQ(readAll(copy + QStringLiteral(".gmp")), fullLayout141());

    // The picture is the rendered practise (up to JPEG loss): ground, line and figures.
    const QImage rendered = practise.RenderPicture();
    EXPECT_EQ(rendered.pixel(250, 302), qRgb(255, 0, 0));
    QImage picture;
    ASSERT_TRUE(decodeJpeg(readAll(copy + QStringLiteral(".jpg")), &picture, nullptr));
    ASSERT_EQ(picture.size(), QSize(675, 420));
    qint64 difference = 0;
    for (int y = 0; y < 420; ++y)
        for (int x = 0; x < 675; ++x)
            difference += qAbs(qGray(picture.pixel(x, y)) - qGray(rendered.pixel(x, y)));
    EXPECT_LT(difference / (675 * 420), 4);
    const QColor onFigure = picture.pixelColor(150, 210);
    EXPECT_GT(onFigure.blue(), 120);
    EXPECT_LT(onFigure.red(), 80);
    // The rink (600 wide) is fitted on dark grey: the margin at the left shows it.
    EXPECT_NEAR(picture.pixelColor(10, 200).red(), 0x50, 8);

    QImage thumbnail;
    ASSERT_TRUE(decodeJpeg(readAll(copy + QStringLiteral("Small.jpg")), &thumbnail, nullptr));
    EXPECT_EQ(thumbnail.size(), QSize(225, 140));
}

// A save whose drawing is unchanged writes the last save's picture and thumbnail again; any
// change to what is drawn (a figure, a line, the rink, the ground picture) draws them anew.
// Every save's pictures must be those of its own data file, drawn by a fresh practise.
TEST(GraphicPractise, SavedPicturesAlwaysShowTheSavedDrawing) {
    Installation inst;
    const QString source = inst.graphicStem("source");
    writeAll(source + QStringLiteral(".gmp"), fullLayout141());
    QImage otherRink(675, 420, QImage::Format_RGB32);
    otherRink.fill(QColor(200, 60, 60));
    ASSERT_TRUE(
        saveBytes(inst.path(QStringLiteral("Playgrounds/Other.jpg")), encodeJpeg(otherRink)));
    TGraphicPractise practise(*inst.settings, inst.language);
    ASSERT_TRUE(practise.Load(source));
    int saves = 0;
    QByteArray lastPicture;
    // Saves under a new name and checks the pictures against the saved data file; returns
    // whether the picture differs from the previous save's.
    const auto saveAndCheck = [&]() {
        const QString stem =
            inst.graphicStem(QStringLiteral("save%1").arg(++saves).toUtf8().constData());
        EXPECT_TRUE(practise.Save(stem)) << practise.errorString().toStdString();
        TGraphicPractise fresh(*inst.settings, inst.language);
        EXPECT_TRUE(fresh.Load(stem));
        const QImage drawn = fresh.RenderPicture();
        const QByteArray picture = readAll(stem + QStringLiteral(".jpg"));
        EXPECT_EQ(picture, encodeJpeg(drawn)) << "save " << saves;
        EXPECT_EQ(readAll(stem + QStringLiteral("Small.jpg")),
                  encodeJpeg(boxFilterThumbnail(drawn)))
            << "save " << saves;
        const bool changed = picture != lastPicture;
        lastPicture = picture;
        // As the editor does after each edit: the practise keeps the picture of the drawing
        // as it stands, which the next change makes stale.
        practise.keepRenderedPicture(practise.RenderPicture());
        return changed;
    };
    EXPECT_TRUE(saveAndCheck());
    practise.description() = {QStringLiteral("Only the text changed")};
    EXPECT_FALSE(saveAndCheck());
    practise.figures().at(0)->setPosition(QPoint(151, 210));
    EXPECT_TRUE(saveAndCheck());
    practise.figures().at(1)->setText(QStringLiteral("Stop"));
    EXPECT_TRUE(saveAndCheck());
    practise.lines().take(0);
    EXPECT_TRUE(saveAndCheck());
    practise.setGroundName(QStringLiteral("Other"));
    EXPECT_TRUE(saveAndCheck());
    // The rink file itself replaced: the ground is loaded again, and so drawn again.
    otherRink.fill(QColor(60, 60, 200));
    ASSERT_TRUE(
        saveBytes(inst.path(QStringLiteral("Playgrounds/Other.jpg")), encodeJpeg(otherRink)));
    practise.loadStandardGround();
    EXPECT_TRUE(saveAndCheck());
    JpegPicture own;
    ASSERT_TRUE(own.setBytes(ownPictureJpeg()));
    practise.setGroundPicture(own);
    practise.setGroundMode(GroundFit);
    EXPECT_TRUE(saveAndCheck());
    // The own picture is drawn even where its bytes are all that changed.
    QImage otherOwn(120, 80, QImage::Format_RGB32);
    otherOwn.fill(QColor(200, 200, 0));
    ASSERT_TRUE(own.setBytes(encodeJpeg(otherOwn)));
    practise.setGroundPicture(own);
    EXPECT_TRUE(saveAndCheck());
    practise.keywords() = {QStringLiteral("new keyword")};
    EXPECT_FALSE(saveAndCheck());
}

// The picture the editor kept is encoded by the next save only while it is of the picture's
// size and nothing drawn has changed since; a marker picture shows which one was written.
TEST(GraphicPractise, ASaveEncodesTheKeptPictureOnlyWhileItShowsTheDrawing) {
    Installation inst;
    const QString source = inst.graphicStem("source");
    writeAll(source + QStringLiteral(".gmp"), fullLayout141());
    TGraphicPractise practise(*inst.settings, inst.language);
    ASSERT_TRUE(practise.Load(source));
    QImage marker(practise.pictureWidth(), practise.pictureHeight(), QImage::Format_RGB32);
    marker.fill(QColor(250, 0, 250));
    const auto savedPicture = [&](const char* name) {
        const QString stem = inst.graphicStem(name);
        EXPECT_TRUE(practise.Save(stem)) << practise.errorString().toStdString();
        return readAll(stem + QStringLiteral(".jpg"));
    };

    practise.keepRenderedPicture(marker);
    EXPECT_EQ(savedPicture("kept"), encodeJpeg(marker));

    practise.keepRenderedPicture(marker);
    practise.figures().at(0)->setPosition(QPoint(160, 210));
    EXPECT_EQ(savedPicture("moved"), encodeJpeg(practise.RenderPicture()));

    practise.lines().take(0);
    practise.keepRenderedPicture(marker.scaled(300, 200));
    EXPECT_EQ(savedPicture("wrongSize"), encodeJpeg(practise.RenderPicture()));
}

TEST(GraphicPractise, OwnGroundPictureIsKeptByteForByte) {
    Installation inst;
    const QByteArray jpeg = ownPictureJpeg();
    const QString stem = inst.graphicStem("own");
    writeAll(stem + QStringLiteral(".gmp"), ownGround135(jpeg));
    TGraphicPractise practise(*inst.settings, inst.language);
    ASSERT_TRUE(practise.Load(stem));
    ASSERT_TRUE(practise.Save(stem));
    // Saved with the current version; everything after the version is unchanged, the
    // embedded picture included.
    const QByteArray saved = readAll(stem + QStringLiteral(".gmp"));
    EXPECT_EQ(saved.left(4), le32(141));
    EXPECT_EQ(saved.mid(4), ownGround135(jpeg).mid(4));
    ASSERT_TRUE(practise.Load(stem));
    EXPECT_EQ(practise.groundPicture().bytes(), jpeg);
}

TEST(GraphicPractise, UnreadableFilesAreNeverOverwritten) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    const QString stem = inst.graphicStem("p");

    // A version this program does not read (a newer program's file, or 124..129 which no
    // program wrote) loads as an empty practise, and saving over it is refused.
    for (qint32 version : {142, 124, 0}) {
        const QByteArray newer = le32(version) + QByteArray(40, '\x11');
        writeAll(stem + QStringLiteral(".gmp"), newer);
        ASSERT_TRUE(practise.Load(stem));
        EXPECT_EQ(practise.figures().count(), 0);
        EXPECT_TRUE(practise.isSaveRefused());
        EXPECT_FALSE(practise.Save(stem));
        EXPECT_TRUE(practise.errorString().contains(QStringLiteral("p.gmp")));
        EXPECT_EQ(readAll(stem + QStringLiteral(".gmp")), newer);
        EXPECT_FALSE(QFile::exists(stem + QStringLiteral(".jpg")));
    }
    // Saving the (empty) practise under another name is allowed.
    EXPECT_TRUE(practise.Save(inst.graphicStem("other")));

    // Every truncation of a good file fails to load, names the file, leaves the practise
    // empty and the file as it was.
    const QByteArray good = fullLayout141();
    // Byte by byte through the header and the first records, then in strides.
    for (qsizetype size = 0; size < good.size(); size += size < 200 ? 1 : 97) {
        writeAll(stem + QStringLiteral(".gmp"), good.left(size));
        EXPECT_FALSE(practise.Load(stem)) << size;
        EXPECT_TRUE(practise.errorString().contains(QStringLiteral("p.gmp"))) << size;
        EXPECT_EQ(practise.figures().count(), 0) << size;
        EXPECT_TRUE(practise.description().isEmpty()) << size;
        EXPECT_FALSE(practise.Save(stem)) << size;
        EXPECT_EQ(readAll(stem + QStringLiteral(".gmp")), good.left(size)) << size;
    }

    // Hostile counts and sizes are refused before anything is allocated.
    const QByteArray hostile[] = {
        le32(141) + le32(0x7FFFFFFF),
        le32(141) + le32(-5),
        le32(141) + streamStrings({}) + streamStrings({}) + le32(0x10000000),
        ownGround135(QByteArray()).chopped(8) + le64(qint64(1) << 40),
        ownGround135(QByteArray("not a jpeg")),
    };
    for (const QByteArray& bytes : hostile) {
        writeAll(stem + QStringLiteral(".gmp"), bytes);
        EXPECT_FALSE(practise.Load(stem));
        EXPECT_FALSE(practise.errorString().isEmpty());
    }
    EXPECT_FALSE(practise.Load(inst.graphicStem("missing")));
}

TEST(GraphicPractise, GroundModesAndPlaceholders) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);

    // A missing rink: white placeholder card naming it; a name that would leave the rink
    // folder is treated as missing.
    const QString stem = inst.graphicStem("p");
    for (const char* name : {"Gone", "../Playgrounds/Rink"}) {
        writeAll(stem + QStringLiteral(".gmp"),
                 le32(141) + streamStrings({}) + streamStrings({}) + le32(0) + le32(0) +
                     bytes({0}) + streamString(name) + numberSet({}) + numberSet({}));
        ASSERT_TRUE(practise.Load(stem));
        EXPECT_EQ(practise.RenderPicture().pixel(10, 200), qRgb(255, 255, 255)) << name;
    }

    // A rink chosen after loading is what the next picture shows (the margin of the fitted
    // 600-wide rink is dark grey).
    practise.setGroundName(QStringLiteral("Rink"));
    EXPECT_EQ(practise.RenderPicture().pixel(10, 200), qRgb(0x50, 0x50, 0x50));
    // No rink chosen: plain white inside the border.
    practise.setGroundName(QString());
    EXPECT_EQ(practise.RenderPicture().pixel(337, 210), qRgb(255, 255, 255));

    // Own picture: fitted on white (1), stretched (2), centred (3); a picture larger than
    // the canvas cannot be centred and shows the placeholder text instead.
    QImage green(100, 420, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    JpegPicture own;
    own.setImage(green);
    practise.setGroundPicture(own);
    practise.setGroundMode(GroundFit);
    QImage out = practise.RenderPicture();
    EXPECT_EQ(out.pixel(100, 200), qRgb(255, 255, 255));
    EXPECT_GT(qGreen(out.pixel(337, 200)), 150);
    practise.setGroundMode(GroundStretch);
    out = practise.RenderPicture();
    EXPECT_GT(qGreen(out.pixel(100, 200)), 150);
    practise.setGroundMode(GroundCentre);
    out = practise.RenderPicture();
    EXPECT_EQ(out.pixel(100, 200), qRgb(255, 255, 255));
    EXPECT_GT(qGreen(out.pixel(337, 200)), 150);
    QImage huge(700, 100, QImage::Format_RGB32);
    huge.fill(QColor(0, 200, 0));
    own.setImage(huge);
    practise.setGroundPicture(own);
    out = practise.RenderPicture();
    for (int x = 1; x < 674; x += 7)
        EXPECT_LT(qGreen(out.pixel(x, 210)) - qRed(out.pixel(x, 210)), 50) << x;
}

TEST(GraphicPractise, ImportOfAnUnreadableFileKeepsThePractiseThatWasThere) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    const QString stem = inst.graphicStem("p");
    writeAll(stem + QStringLiteral(".gmp"), fullLayout141());
    practise.setCategory(QStringLiteral("Cat"));
    practise.setSubcategory(QStringLiteral("Sub"));
    practise.setName(QStringLiteral("p"));
    ASSERT_TRUE(practise.LoadCurrent());
    ASSERT_TRUE(practise.SaveCurrent());
    const QByteArray before = readAll(stem + QStringLiteral(".gmp"));

    // A file from a newer program loads as an empty practise that refuses to be saved: the
    // import fails and the practise that was there comes back unchanged.
    const QString newer = inst.path(QStringLiteral("newer.gmp"));
    writeAll(newer, le32(142) + QByteArray(40, '\x11'));
    EXPECT_FALSE(practise.ImportInto(newer));
    EXPECT_EQ(readAll(stem + QStringLiteral(".gmp")), before);
    EXPECT_EQ(practise.figures().count(), 2);
}
