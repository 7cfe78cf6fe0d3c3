// The animated GIF of a tactics practise, read back with Qt's own GIF reader, from the
// library functions and from korvex-cli gif.
#include "CliRunner.h"
#include "PractiseFixture.h"

#include "storage/AnimationGif.h"
#include "storage/AnimationPictures.h"
#include "storage/TTacticsPractise.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Three frames: a forward skating right, then down.
QByteArray threeFrames() {
    return le32(141) + streamStrings({"Break out"}) + streamStrings({}) + le32(3) + le32(1) +
           figureRecord(0, 100, 100, 0, "1") + le32(1) + figureRecord(0, 300, 100, 0, "1") +
           le32(1) + figureRecord(0, 300, 300, 0, "1") + streamString("Rink");
}

struct Decoded {
    int frames = 0;
    QSize size;
    QList<QImage> pictures;
    QList<int> delays;
};

Decoded decode(const QByteArray& gif) {
    QByteArray copy = gif;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    Decoded d;
    d.size = reader.size();
    QImage picture;
    while (reader.read(&picture)) {
        d.pictures.append(picture.convertToFormat(QImage::Format_RGB32));
        d.delays.append(reader.nextImageDelay());
        ++d.frames;
    }
    return d;
}

// The colour at `point`, allowing for the palette's rounding.
bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 &&
           std::abs(qBlue(a) - qBlue(b)) < 12;
}

} // namespace

TEST(AnimationGif, FramesAndSmoothPicturesDecodeWithTheirSizeAndTiming) {
    Installation inst;
    TTacticsPractise practise(*inst.settings, inst.language);
    const QString stem = inst.tacticsStem("t");
    writeAll(stem + QStringLiteral(".tac"), threeFrames());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();

    QByteArray gif;
    QBuffer out(&gif);
    out.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(writeAnimationGif(practise, &out, 200, false, &error)) << error.toStdString();
    const Decoded frames = decode(gif);
    ASSERT_EQ(frames.frames, 3);
    EXPECT_EQ(frames.size, QSize(675, 420));
    EXPECT_EQ(frames.pictures.first().size(), QSize(675, 420));
    // Each frame stands its 200 ms; the last one a second before the loop begins again.
    EXPECT_EQ(frames.delays, (QList<int>{200, 200, 1000}));
    // The picture shows the frame it belongs to, in the renderer's colours: the blue figure
    // box of the test pictures (its number drawn in the middle) stands at (100, 100) first
    // and at (300, 300) last; (-7, -5) from its centre is plain blue.
    const QImage first = practise.RenderPicture();
    EXPECT_TRUE(near(frames.pictures.at(0).pixel(93, 95), first.pixel(93, 95)));
    EXPECT_TRUE(near(frames.pictures.at(0).pixel(93, 95), qRgb(0, 0, 200)));
    EXPECT_FALSE(near(frames.pictures.at(2).pixel(93, 95), qRgb(0, 0, 200)));
    EXPECT_TRUE(near(frames.pictures.at(2).pixel(293, 295), qRgb(0, 0, 200)));
    // Painting the animation leaves the practise's own frame as it was.
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(100, 100));
    EXPECT_EQ(practise.currentFrame(), 0);

    // Smooth: 25 pictures a second over the 400 ms, the figure half way after 200 ms... of
    // the first move: picture 2 (80 ms) has it 40 % of the way from 100 to 300.
    AnimationPictures pictures(practise, 200, true);
    EXPECT_EQ(pictures.count(), 11);
    EXPECT_EQ(pictures.frameOf(7), 1);
    EXPECT_TRUE(near(pictures.render(2).pixel(173, 95), qRgb(0, 0, 200)));
    gif.clear();
    out.seek(0);
    ASSERT_TRUE(writeAnimationGif(practise, &out, 200, true, &error)) << error.toStdString();
    const Decoded smooth = decode(gif);
    EXPECT_EQ(smooth.frames, 11);
    EXPECT_EQ(smooth.size, QSize(675, 420));
    EXPECT_EQ(smooth.delays.first(), 40);
    EXPECT_EQ(smooth.delays.last(), 1000);
    EXPECT_TRUE(near(smooth.pictures.at(2).pixel(173, 95), qRgb(0, 0, 200)));
}

TEST(AnimationGif, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    Installation inst;
    TTacticsPractise practise(*inst.settings, inst.language);
    const QString stem = inst.tacticsStem("t");
    writeAll(stem + QStringLiteral(".tac"), threeFrames());
    ASSERT_TRUE(practise.Load(stem));

    const QString file = inst.path(QStringLiteral("play.gif"));
    QString error;
    ASSERT_TRUE(saveAnimationGif(practise, file, 100, false, &error)) << error.toStdString();
    const QByteArray before = readAll(file);
    EXPECT_EQ(decode(before).frames, 3);

    // A folder that does not exist: nothing is written, and the error names the file.
    EXPECT_FALSE(
        saveAnimationGif(practise, inst.path(QStringLiteral("gone/play.gif")), 100, false, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("play.gif"))) << error.toStdString();
    EXPECT_EQ(readAll(file), before);
}

TEST(AnimationGif, CommandLineWritesFramesOrSmoothPictures) {
    Installation inst;
    const QString tac = inst.tacticsStem("t") + QStringLiteral(".tac");
    writeAll(tac, threeFrames());
    const QString gif = inst.path(QStringLiteral("out.gif"));

    CliRun run = cli({QStringLiteral("gif"), tac, gif});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(decode(readAll(gif)).frames, 3);
    run = cli({QStringLiteral("gif"), tac, gif, QStringLiteral("--smooth"),
               QStringLiteral("--speed"), QStringLiteral("100")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const Decoded smooth = decode(readAll(gif));
    EXPECT_EQ(smooth.frames, 6); // 0, 40, 80, 120, 160 and the end at 200 ms
    EXPECT_EQ(smooth.size, QSize(675, 420));

    // Refusals: wrong kinds of file, a bad speed, a damaged practise.
    EXPECT_EQ(cli({QStringLiteral("gif"), tac}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("gif"), gif, gif}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("gif"), tac, inst.path(QStringLiteral("o.png"))}).exitCode, 1);
    EXPECT_EQ(
        cli({QStringLiteral("gif"), tac, gif, QStringLiteral("--speed"), QStringLiteral("fast")})
            .exitCode,
        1);
    writeAll(tac, threeFrames().left(40));
    run = cli({QStringLiteral("gif"), tac, gif});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("t.tac")) << run.err.toStdString();
    EXPECT_EQ(smooth.frames, decode(readAll(gif)).frames); // the earlier file stays
}
