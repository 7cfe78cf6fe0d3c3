#include "RecordFixtures.h"

#include "core/Jpeg.h"
#include "core/Paths.h"
#include "storage/TTrainingPlan.h"
#include "storage/TrainingPlanFile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// TTextData and TTPHeading streams built by hand.
QByteArray textData(const QByteArray& number) {
    return streamString(number) + streamString("5") + streamStrings({"c"}) + streamStrings({}) +
           streamStrings({}) + streamStrings({});
}
QByteArray heading(const QByteArray& place) {
    return streamString(place) + streamString("") + streamString("20") + streamString("") +
           streamString("") + streamStrings({"aim"});
}

class TrainingPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        root = dir.path();
    }
    QString planStem(const QString& category, const QString& name) const {
        return root + QStringLiteral("/TrainingPlans/") + category + QStringLiteral("/Team/") +
               name;
    }
    QTemporaryDir dir;
    QString root;
};

TEST_F(TrainingPlanTest, OrdinaryPlanLayoutAndItsVersionDependentTail) {
    const QByteArray current = le32(141) + streamStrings({"G\\c\\s\\a.gmp"}) +
                               streamStrings({"plan text"}) + streamString("1.1.2026") +
                               streamString("17:00") + le32(1) + streamString("10") +
                               streamString("a") + le32(1) + textData("1") + heading("Rink 2") +
                               streamString("U18") + streamString("7");
    const QString stem = planStem(QStringLiteral("TrainingPlanCategory"), QStringLiteral("p"));
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"), current));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/a.gmp"), le32(141) + streamStrings({"d"})));

    TTrainingPlan plan(root, QStringLiteral("TrainingPlans"), false);
    plan.setFormatVersion(141);
    ASSERT_TRUE(plan.Load(stem)) << plan.errorString().toStdString();
    EXPECT_EQ(plan.Team(), QStringLiteral("U18"));
    EXPECT_EQ(plan.TrainingNumber(), QStringLiteral("7"));
    EXPECT_EQ(plan.heading.place, QStringLiteral("Rink 2"));
    ASSERT_EQ(plan.items.size(), 1);
    EXPECT_EQ(plan.items[0].description, QStringList{QStringLiteral("d")});
    EXPECT_EQ(plan.items[0].thumbnail.size(), QSize(225, 140));
    ASSERT_TRUE(plan.Save(stem));
    EXPECT_EQ(readFile(stem + QStringLiteral(".pmp")), current);

    // Up to version 131 the file ends after the items; old item names lose ".gmp".
    const QByteArray old = le32(131) + streamStrings({"G\\c\\s\\a.gmp"}) + streamStrings({}) +
                           streamString("") + streamString("") + le32(1) + streamString("") +
                           streamString("a.gmp");
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"), old));
    ASSERT_TRUE(plan.Load(stem));
    EXPECT_EQ(plan.items[0].name, QStringLiteral("a"));
    EXPECT_EQ(plan.textBlocks.count(), 0);
}

TEST_F(TrainingPlanTest, MissingPractisesAreDroppedOnceEachAndThePlanIsModified) {
    const QByteArray file =
        le32(141) + streamStrings({"G\\c\\s\\gone.gmp", "T\\c\\s\\t.tmp", "G\\c\\s\\gone2.gmp"}) +
        streamStrings({}) + streamString("") + streamString("") + le32(3) + streamString("1") +
        streamString("gone") + streamString("2") + streamString("t") + streamString("3") +
        streamString("gone2") + le32(0) + heading("") + streamString("") + streamString("");
    const QString stem = planStem(QStringLiteral("TrainingPlanCategory"), QStringLiteral("p"));
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"), file));
    // A text practise without a thumbnail file: its first picture becomes the thumbnail.
    QImage red(40, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QByteArray jpeg = encodeJpeg(red);
    ASSERT_TRUE(writeFile(root + QStringLiteral("/T/c/s/t.tmp"),
                          le32(141) + streamStrings({"text"}) + le32(1) + le64(jpeg.size()) + jpeg +
                              streamStrings({})));

    TTrainingPlan plan(root, QStringLiteral("TrainingPlans"), false);
    ASSERT_TRUE(plan.Load(stem));
    EXPECT_EQ(plan.missingPractises(), QStringList({QStringLiteral("G\\c\\s\\gone.gmp"),
                                                    QStringLiteral("G\\c\\s\\gone2.gmp")}));
    EXPECT_EQ(plan.missingPractiseMessages().size(), 2);
    EXPECT_TRUE(plan.modified());
    ASSERT_EQ(plan.paths, QStringList{QStringLiteral("T\\c\\s\\t.tmp")});
    EXPECT_EQ(plan.items[0].time, QStringLiteral("2"));
    EXPECT_EQ(plan.items[0].description, QStringList{QStringLiteral("text")});
    const QImage thumb = plan.items[0].thumbnail;
    EXPECT_EQ(QColor(thumb.pixel(112, 2)), QColor(0x50, 0x50, 0x50)); // band above the picture
    EXPECT_GT(qRed(thumb.pixel(112, 70)), 200);

    // The restore rewrite keeps every path, present or not.
    QString error;
    QByteArray rewritten;
    ASSERT_TRUE(rewritePlan(readFile(stem + QStringLiteral(".pmp")), stem + QStringLiteral(".pmp"),
                            false, 141, &rewritten, &error))
        << error.toStdString();
    EXPECT_EQ(rewritten, file);
}

TEST_F(TrainingPlanTest, ArchivedPlansInTheCurrentAndTheOlderLayout) {
    QImage blue(16, 16, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QByteArray jpeg = encodeJpeg(blue);
    const QByteArray current = le32(140) + streamStrings({"G\\a.gmp"}) + streamStrings({"desc"}) +
                               streamStrings({"went well"}) + streamString("d") +
                               streamString("t") + heading("Hall") + le32(1) + textData("2") +
                               le32(2) + streamString("5") + streamString("a") +
                               streamStrings({"x"}) + le64(jpeg.size()) + jpeg + streamString("6") +
                               streamString("b") + streamStrings({}) + le64(0);
    const QString stem = planStem(QStringLiteral("Archive"), QStringLiteral("12"));
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pamp"), current));
    TTrainingPlan archive(root, QStringLiteral("TrainingPlans"), true);
    archive.setFormatVersion(140);
    ASSERT_TRUE(archive.Load(stem));
    EXPECT_EQ(archive.evaluation, QStringList{QStringLiteral("went well")});
    EXPECT_EQ(archive.heading.place, QStringLiteral("Hall"));
    ASSERT_EQ(archive.items.size(), 2); // archived items are kept, files or not
    EXPECT_EQ(archive.items[0].picture.bytes(), jpeg);
    ASSERT_TRUE(archive.Save(stem));
    EXPECT_EQ(readFile(stem + QStringLiteral(".pamp")), current);

    const QByteArray older =
        le32(120) + streamStrings({"G\\a.gmp"}) + streamStrings({}) + streamStrings({"ok"}) +
        streamString("d") + streamString("t") + streamString("skipped") + streamString("Old hall") +
        le32(1) + streamString("5") + streamString("a.gmp") + streamStrings({}) + le64(0);
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pamp"), older));
    ASSERT_TRUE(archive.Load(stem)) << archive.errorString().toStdString();
    EXPECT_EQ(archive.heading.place, QStringLiteral("Old hall"));
    EXPECT_EQ(archive.items[0].name, QStringLiteral("a"));
    // Versions between the two layouts read as empty, and are not overwritten.
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pamp"), le32(128) + QByteArray("rest")));
    ASSERT_TRUE(archive.Load(stem));
    EXPECT_TRUE(archive.paths.isEmpty());
    EXPECT_FALSE(archive.Save(stem));

    // Truncated files are errors naming the file.
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pamp"), current.left(current.size() - 20)));
    EXPECT_FALSE(archive.Load(stem));
    EXPECT_TRUE(archive.errorString().contains(QStringLiteral("12.pamp")));
    // The first item was read before the file broke off; the plan keeps none of it.
    EXPECT_TRUE(archive.items.isEmpty());
    EXPECT_TRUE(archive.paths.isEmpty());
}

// An ordinary plan holds one item per path: items past the paths are not kept, missing
// ones are made from the path, and the plan is written back with one item per path.
TEST_F(TrainingPlanTest, AnOrdinaryPlanHoldsOneItemPerPath) {
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/a.gmp"), le32(141) + streamStrings({})));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/b.gmp"), le32(141) + streamStrings({})));
    const auto planFile = [](const QList<QByteArray>& paths, int items) {
        QByteArray file = le32(141) + le32(qint32(paths.size()));
        for (const QByteArray& path : paths)
            file += streamString(path);
        file += streamStrings({}) + streamString("") + streamString("") + le32(items);
        for (int i = 0; i < items; ++i)
            file += streamString(QByteArray::number(10 + i)) + streamString("a");
        return file + le32(0) + heading("") + streamString("") + streamString("");
    };
    const QString stem = planStem(QStringLiteral("TrainingPlanCategory"), QStringLiteral("p"));
    TTrainingPlan plan(root, QStringLiteral("TrainingPlans"), false);
    plan.setFormatVersion(141);

    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"), planFile({"G\\c\\s\\a.gmp"}, 3)));
    ASSERT_TRUE(plan.Load(stem)) << plan.errorString().toStdString();
    ASSERT_EQ(plan.items.size(), 1);
    EXPECT_EQ(plan.items[0].time, QStringLiteral("10"));
    ASSERT_TRUE(plan.Save(stem));
    EXPECT_EQ(readFile(stem + QStringLiteral(".pmp")), planFile({"G\\c\\s\\a.gmp"}, 1));

    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"),
                          planFile({"G\\c\\s\\a.gmp", "G\\c\\s\\b.gmp"}, 1)));
    ASSERT_TRUE(plan.Load(stem));
    ASSERT_EQ(plan.items.size(), 2);
    EXPECT_EQ(plan.items[0].time, QStringLiteral("10"));
    EXPECT_EQ(plan.items[1].name, QStringLiteral("b"));
    EXPECT_TRUE(plan.items[1].time.isEmpty());
}

TEST_F(TrainingPlanTest, AnArchiveCopyFreezesEachPractisesPictureAndLeavesThePlanAlone) {
    // A graphic practise with its picture file, a text practise whose first picture stands
    // in, and a practise without any picture.
    QImage green(30, 20, QImage::Format_RGB32);
    green.fill(Qt::green);
    const QByteArray picture = encodeJpeg(green);
    QImage red(40, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QByteArray first = encodeJpeg(red);
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/a.gmp"), le32(141) + streamStrings({"g"})));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/a.jpg"), picture));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/T/c/s/t.tmp"), le32(141) + streamStrings({"t"}) +
                                                                     le32(1) + le64(first.size()) +
                                                                     first + streamStrings({})));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/G/c/s/b.gmp"), le32(141) + streamStrings({})));
    const QByteArray file = le32(141) +
                            streamStrings({"G\\c\\s\\a.gmp", "T\\c\\s\\t.tmp", "G\\c\\s\\b.gmp"}) +
                            streamStrings({"plan"}) + streamString("d") + streamString("t") +
                            le32(3) + streamString("10") + streamString("a") + streamString("5") +
                            streamString("t") + streamString("") + streamString("b") + le32(1) +
                            textData("1") + heading("Hall") + streamString("") + streamString("");
    const QString stem = planStem(QStringLiteral("TrainingPlanCategory"), QStringLiteral("p"));
    ASSERT_TRUE(writeFile(stem + QStringLiteral(".pmp"), file));
    TTrainingPlan plan(root, QStringLiteral("TrainingPlans"), false);
    ASSERT_TRUE(plan.Load(stem));
    plan.setModified(true);

    const QString copy = planStem(QStringLiteral("Archive"), QStringLiteral("7"));
    ASSERT_TRUE(QDir().mkpath(extractFolder(copy)));
    ASSERT_TRUE(plan.SaveArchiveCopy(copy));
    EXPECT_EQ(readFile(copy + QStringLiteral(".pamp")),
              le32(141) + streamStrings({"G\\c\\s\\a.gmp", "T\\c\\s\\t.tmp", "G\\c\\s\\b.gmp"}) +
                  streamStrings({"plan"}) + streamStrings({}) + streamString("d") +
                  streamString("t") + heading("Hall") + le32(1) + textData("1") + le32(3) +
                  streamString("10") + streamString("a") + streamStrings({"g"}) +
                  le64(picture.size()) + picture + streamString("5") + streamString("t") +
                  streamStrings({"t"}) + le64(first.size()) + first + streamString("") +
                  streamString("b") + streamStrings({}) + le64(0));
    EXPECT_EQ(readFile(stem + QStringLiteral(".pmp")), file);
    EXPECT_TRUE(plan.modified());

    // A copy that cannot be written says why.
    EXPECT_FALSE(plan.SaveArchiveCopy(root + QStringLiteral("/missing/folder/7")));
    EXPECT_FALSE(plan.errorString().isEmpty());
}

} // namespace
