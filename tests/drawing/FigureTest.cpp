#include "DrawingTestSupport.h"
#include "core/Paths.h"
#include "drawing/TFigures.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// An installation folder holding only some of the pictures.
void copyPicture(const QString& appFolder, const QString& name) {
    QDir().mkpath(joinPath(appFolder, QStringLiteral("Pictures")));
    ASSERT_TRUE(
        QFile::copy(joinPath(QStringLiteral(KORVEX_APP_DIR), QStringLiteral("Pictures"), name),
                    joinPath(appFolder, QStringLiteral("Pictures"), name)));
}

} // namespace

TEST(Figure, EveryPictureOfTheTableIsInstalled) {
    const QStringList names = allFigurePictureFileNames();
    EXPECT_EQ(names.size(), 12 + 8 + 8 + 8);
    for (const QString& name : names) {
        QString error;
        const QImage picture = loadFigurePicture(
            joinPath(QStringLiteral(KORVEX_APP_DIR), QStringLiteral("Pictures"), name), &error);
        ASSERT_FALSE(picture.isNull()) << error.toStdString();
        // Magenta became transparent: the corners of every picture are see-through.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << name.toStdString();
        EXPECT_GE(picture.width(), 7);
        EXPECT_LE(picture.width(), 32);
    }
}

TEST(Figure, VariantsKindsAndMissingPictures) {
    QTemporaryDir app;
    ASSERT_TRUE(app.isValid());
    copyPicture(app.path(), QStringLiteral("forwardDraw.bmp"));
    copyPicture(app.path(), QStringLiteral("blockDraw7.bmp"));
    const DrawingSettings settings = DrawingSettings::small(app.path());

    TFigure figure(&settings);
    ASSERT_TRUE(figure.ok()) << figure.errorString().toStdString();
    EXPECT_TRUE(figure.setVariant(7));
    EXPECT_TRUE(figure.setKind(FigureObstacle));
    EXPECT_EQ(figure.picturePath(),
              joinPath(app.path(), QStringLiteral("Pictures/blockDraw7.bmp")));
    EXPECT_EQ(figure.picture().size(), QSize(27, 27));

    // Cycling past 7 wraps to 0, whose picture is missing here: a clear error, no change.
    EXPECT_FALSE(figure.setVariant(8));
    EXPECT_EQ(figure.variant(), 0);
    EXPECT_TRUE(figure.errorString().contains(QStringLiteral("blockDraw0.bmp")));
    EXPECT_EQ(figure.kind(), FigureObstacle);
    EXPECT_FALSE(figure.picture().isNull());

    // Toggling to a start player whose picture is missing fails and keeps the forward.
    TFigure player(&settings);
    EXPECT_FALSE(player.toggleStartKind());
    EXPECT_EQ(player.kind(), FigureForward);
    EXPECT_TRUE(player.errorString().contains(QStringLiteral("startForwardDraw.bmp")));
    // Text and big net have no picture and keep the previous one.
    EXPECT_TRUE(player.setKind(FigureText));
    EXPECT_EQ(player.picture().size(), QSize(19, 19));
    EXPECT_FALSE(player.setKind(16));

    // Reading a figure whose picture is missing fails the read with that error.
    const QByteArray record =
        le32(1) + bytes({FigureCone}) + f64(0.5) + f64(0.5) + bytes({0}) + le32(0);
    TFigures figures(&settings);
    const ReadResult r =
        readBytes(record, [&](BinaryReader& in) { return figures.readFrom(141, in); });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("coneDraw.bmp")));

    // An installation without the forward picture: creating a figure reports it.
    QTemporaryDir empty;
    const DrawingSettings bare = DrawingSettings::large(empty.path());
    TFigure orphan(&bare);
    EXPECT_FALSE(orphan.ok());
    EXPECT_TRUE(orphan.errorString().contains(QStringLiteral("forwardDraw.bmp")));
}

TEST(Figure, StartKindsToggleBothWays) {
    const DrawingSettings settings = installedLarge();
    TFigure figure(&settings);
    const std::pair<quint8, quint8> pairs[] = {{FigureForward, FigureStartForward},
                                               {FigureDefender, FigureStartDefender},
                                               {FigureFree, FigureStartFree}};
    for (auto [plain, start] : pairs) {
        ASSERT_TRUE(figure.setKind(plain));
        ASSERT_TRUE(figure.toggleStartKind());
        EXPECT_EQ(figure.kind(), start);
        ASSERT_TRUE(figure.toggleStartKind());
        EXPECT_EQ(figure.kind(), plain);
    }
    ASSERT_TRUE(figure.setKind(FigureCoach));
    EXPECT_TRUE(figure.toggleStartKind());
    EXPECT_EQ(figure.kind(), FigureCoach);
    // Nets take the picture set of the layout.
    ASSERT_TRUE(figure.setKind(FigureNet));
    EXPECT_TRUE(figure.picturePath().endsWith(QStringLiteral("bigNetDraw0.bmp")));
}

TEST(Figure, DrawingPlacesPicturesAndHonoursTheSelection) {
    const DrawingSettings settings = installedSmall();
    TFigures figures(&settings);
    TFigure* puck = figures.add(std::make_unique<TFigure>(&settings));
    ASSERT_TRUE(puck->setKind(FigurePuck));
    puck->setPosition(QPoint(20, 20));
    TFigure* text = figures.add(std::make_unique<TFigure>(&settings));
    ASSERT_TRUE(text->setKind(FigureText));
    text->setPosition(QPoint(60, 20));
    text->setText(QStringLiteral("Go"));

    QImage image = whiteCanvas();
    figures.draw(image);
    // The puck (8 x 8) is centred: its black middle at (20, 20), corners left as they were.
    EXPECT_EQ(bgrAt(image, 20, 20), 0u);
    EXPECT_EQ(bgrAt(image, 16, 16), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(image, 30, 20), 0xFFFFFFu);
    // The free text is drawn, without a picture.
    bool inked = false;
    for (int y = 12; y < 28; ++y)
        for (int x = 50; x < 70; ++x)
            inked |= bgrAt(image, x, y) != 0xFFFFFFu;
    EXPECT_TRUE(inked);

    // A player's number is drawn over its picture in the canvas's text colour.
    TFigure player(&settings);
    player.setPosition(QPoint(40, 20));
    player.setText(QStringLiteral("8"));
    QImage numbered = whiteCanvas();
    player.draw(numbered, QColor(0, 0, 255));
    int blue = 0;
    for (int y = 14; y < 27; ++y)
        for (int x = 35; x < 46; ++x)
            blue += qBlue(numbered.pixel(x, y)) > 150 && qRed(numbered.pixel(x, y)) < 100;
    EXPECT_GT(blue, 3);

    // Hit testing: the picture box for the puck, the text box for the text.
    EXPECT_EQ(figures.indexAt(QPoint(22, 18)), 0);
    EXPECT_EQ(figures.indexAt(QPoint(60, 20)), 1);
    EXPECT_EQ(figures.indexAt(QPoint(40, 35)), -1);

    // A hidden figure (the one being dragged) is not drawn.
    QImage without = whiteCanvas();
    figures.draw(without, Qt::black, 0);
    EXPECT_EQ(bgrAt(without, 20, 20), 0xFFFFFFu);

    // Take and insert give an undo stack what it needs.
    std::unique_ptr<TFigure> taken = figures.take(0);
    EXPECT_EQ(taken.get(), puck);
    figures.insert(0, std::move(taken));
    EXPECT_EQ(figures.at(0), puck);
    EXPECT_TRUE(figures.moveFigure(0, 5, -5));
    EXPECT_EQ(puck->position(), QPoint(25, 15));
    EXPECT_FALSE(figures.moveFigure(2, 1, 1));
    EXPECT_EQ(figures.take(7), nullptr);
}
