#include "PractiseFixture.h"

#include "storage/TTacticsPractise.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Two frames: a forward moving from (100, 100) to (200, 100).
QByteArray twoFrames141() {
    return le32(141) + streamStrings({"Break out"}) + streamStrings({}) + le32(2) + le32(1) +
           figureRecord(0, 100, 100, 0, "1") + le32(1) + figureRecord(0, 200, 100, 0, "1") +
           streamString("Rink");
}

} // namespace

TEST(TacticsPractise, LoadSaveAndFrames) {
    Installation inst;
    TTacticsPractise practise(*inst.settings, inst.language);
    const QString stem = inst.tacticsStem("t");
    writeAll(stem + QStringLiteral(".tac"), twoFrames141());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    EXPECT_EQ(practise.frameCount(), 2);
    EXPECT_EQ(practise.currentFrame(), 0);
    ASSERT_EQ(practise.figures().count(), 1);
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(100, 100));
    EXPECT_EQ(practise.groundName(), QStringLiteral("Rink"));

    // Saving writes the data file only, byte for byte the same.
    ASSERT_TRUE(practise.Save(stem));
    EXPECT_EQ(readAll(stem + QStringLiteral(".tac")), twoFrames141());
    EXPECT_FALSE(QFile::exists(stem + QStringLiteral(".jpg")));

    ASSERT_TRUE(practise.SetFrame(1, stem));
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(200, 100));
    EXPECT_TRUE(practise.SetFrame(-1, stem));
    EXPECT_EQ(practise.currentFrame(), 1);

    // Past the last frame: a copy of the last frame is appended, saved and read back.
    ASSERT_TRUE(practise.SetFrame(5, stem));
    EXPECT_EQ(practise.frameCount(), 3);
    EXPECT_EQ(practise.currentFrame(), 2);
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(200, 100));
    const QByteArray saved = readAll(stem + QStringLiteral(".tac"));
    const QByteArray frameBytes = le32(1) + figureRecord(0, 200, 100, 0, "1");
    EXPECT_EQ(saved, le32(141) + streamStrings({"Break out"}) + streamStrings({}) + le32(3) +
                         le32(1) + figureRecord(0, 100, 100, 0, "1") + frameBytes + frameBytes +
                         streamString("Rink"));

    // While playing only the index moves.
    practise.setPlaying(true);
    EXPECT_TRUE(practise.SetFrame(7, stem));
    EXPECT_EQ(practise.currentFrame(), 7);
    EXPECT_EQ(practise.frameCount(), 3);
}

TEST(TacticsPractise, EmptyOldAndBadFiles) {
    Installation inst;
    TTacticsPractise practise(*inst.settings, inst.language);
    const QString stem = inst.tacticsStem("t");

    // No frames: one empty frame is made so figures have somewhere to go.
    writeAll(stem + QStringLiteral(".tac"),
             le32(141) + streamStrings({}) + streamStrings({}) + le32(0) + streamString("X"));
    ASSERT_TRUE(practise.Load(stem));
    EXPECT_EQ(practise.frameCount(), 1);
    EXPECT_EQ(practise.figures().count(), 0);

    // Version 103: old drawing layout, 450 x 280 pixels; tactics never stay modified.
    writeAll(stem + QStringLiteral(".tac"),
             le32(103) + streamStrings({}) + streamStrings({}) + le32(1) + le32(1) + bytes({6}) +
                 le32(450) + le32(280) + bytes({0}) + streamString("") + streamString("Rink"));
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    EXPECT_EQ(practise.figures().at(0)->position(), QPoint(675, 420));
    EXPECT_FALSE(practise.modified());

    const QByteArray good = twoFrames141();
    for (qsizetype size = 0; size < good.size(); size += 5) {
        writeAll(stem + QStringLiteral(".tac"), good.left(size));
        EXPECT_FALSE(practise.Load(stem)) << size;
        EXPECT_TRUE(practise.errorString().contains(QStringLiteral("t.tac"))) << size;
        EXPECT_EQ(practise.frameCount(), 1) << size;
        EXPECT_EQ(practise.figures().count(), 0) << size;
        EXPECT_FALSE(practise.Save(stem)) << size;
        EXPECT_EQ(readAll(stem + QStringLiteral(".tac")), good.left(size)) << size;
    }

    const QByteArray newer = le32(150) + good.mid(4);
    writeAll(stem + QStringLiteral(".tac"), newer);
    ASSERT_TRUE(practise.Load(stem));
    EXPECT_TRUE(practise.isSaveRefused());
    EXPECT_FALSE(practise.Save(stem));
    EXPECT_EQ(readAll(stem + QStringLiteral(".tac")), newer);
}

TEST(PractiseVersions, SettingsVersionMustReadBackAsWritten) {
    // A settings version of the older layout would store a file its own reader misreads.
    Installation inst(123);
    TGraphicPractise graphic(*inst.settings, inst.language);
    EXPECT_FALSE(graphic.Save(inst.graphicStem("g")));
    EXPECT_FALSE(graphic.errorString().isEmpty());
    EXPECT_FALSE(QFile::exists(inst.graphicStem("g") + QStringLiteral(".gmp")));
    EXPECT_FALSE(QFile::exists(inst.graphicStem("g") + QStringLiteral(".jpg")));
    // Tactics files read every version from 105 on in the current drawing layout.
    TTacticsPractise tactics(*inst.settings, inst.language);
    EXPECT_TRUE(tactics.Save(inst.tacticsStem("t")));
}
