// The text practise printout on the recording canvas: pictures in the left column, the text
// beside and below them, and refusals that print nothing.
#include "print/TextPractisePrint.h"
#include "core/Jpeg.h"
#include "print/PageLayout.h"
#include "print/RecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

QByteArray jpegOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(30, 90, 160));
    return encodeJpeg(image);
}

// Short lines, one printed line each.
QStringList lines(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QStringLiteral("Line %1").arg(i));
    return list;
}

const RecordingCanvas::Text* textLine(const RecordingCanvas& canvas, int i) {
    return canvas.find(QStringLiteral("Line %1").arg(i));
}

TEST(TextPractisePrint, WithoutPicturesOnlyTheFirstFourLinesStandBesideTheColumn) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    QString error;
    ASSERT_TRUE(printTextPractise(layout, QStringLiteral("Stops"), lines(8), {}, error));
    const RecordingCanvas::Text* name = canvas.find(QStringLiteral("Stops"));
    ASSERT_NE(name, nullptr);
    EXPECT_DOUBLE_EQ(name->x, 10.5);
    EXPECT_DOUBLE_EQ(name->y, 1.0);
    EXPECT_TRUE(name->bold);
    EXPECT_DOUBLE_EQ(name->points, 10);
    // Offsets 0 .. 1.2 are below 1.25: beside the (empty) picture column; 1.6 on: full width.
    for (int i = 0; i < 8; ++i) {
        const RecordingCanvas::Text* line = textLine(canvas, i);
        ASSERT_NE(line, nullptr) << i;
        EXPECT_DOUBLE_EQ(line->x, i < 4 ? 10.5 : 1.0) << i;
        EXPECT_NEAR(line->y, 1.7 + 0.4 * i, 1e-9) << i;
        EXPECT_FALSE(line->bold);
        EXPECT_DOUBLE_EQ(line->points, 9);
    }
    EXPECT_TRUE(canvas.images.isEmpty());
    EXPECT_EQ(canvas.pageCount(), 1);
}

TEST(TextPractisePrint, PicturesArePaddedToFourByThreeAndTheTextGoesBesideThem) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    QString error;
    ASSERT_TRUE(printTextPractise(layout, QStringLiteral("Edges"), lines(45),
                                  {jpegOf(300, 100), jpegOf(90, 120)}, error));
    ASSERT_EQ(canvas.images.size(), 2);
    EXPECT_EQ(canvas.images[0].box, QRectF(1, 1, 9, 6.75));
    EXPECT_EQ(canvas.images[1].box, QRectF(1, 8, 9, 6.75));
    EXPECT_EQ(canvas.images[0].size, QSize(300, 225));
    EXPECT_EQ(canvas.images[1].size, QSize(160, 120));
    // With two pictures y is 15: offsets below 15.25 (lines 0..38) stand beside them.
    EXPECT_DOUBLE_EQ(textLine(canvas, 38)->x, 10.5);
    EXPECT_DOUBLE_EQ(textLine(canvas, 39)->x, 1.0);
    EXPECT_NEAR(textLine(canvas, 39)->y, 1.7 + 0.4 * 39, 1e-9);
}

TEST(TextPractisePrint, OnlyPicturesThatFitArePrintedAndADamagedOnePrintsNothing) {
    {
        RecordingCanvas canvas;
        PageLayout layout(canvas);
        QString error;
        const QByteArray picture = jpegOf(40, 30);
        ASSERT_TRUE(printTextPractise(layout, QStringLiteral("Many"), {},
                                      {picture, picture, picture, picture, picture}, error));
        ASSERT_EQ(canvas.images.size(), 4);
        EXPECT_LE(canvas.images.last().box.bottom(), 28.8);
        EXPECT_EQ(canvas.pageCount(), 1);
    }
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    QString error;
    const QByteArray good = jpegOf(40, 30);
    EXPECT_FALSE(printTextPractise(layout, QStringLiteral("Broken"), lines(3),
                                   {good, good.left(20)}, error));
    EXPECT_TRUE(error.contains(QStringLiteral("Broken")));
    EXPECT_TRUE(error.contains(QStringLiteral("picture 2")));
    EXPECT_TRUE(canvas.texts.isEmpty());
    EXPECT_TRUE(canvas.images.isEmpty());
}

} // namespace
