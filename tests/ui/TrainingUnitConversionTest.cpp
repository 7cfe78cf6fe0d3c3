#include "ui/TrainingUnitConversion.h"

#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

class TrainingUnitConversion : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path(relative)).path());
        ASSERT_TRUE(saveBytes(path(relative), bytes));
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir;
};

TEST_F(TrainingUnitConversion, MovesPlansPerTeamAndNumbersClashingNames) {
    write(QStringLiteral("Training unit/A/1/Plan.ump"), "a1");
    write(QStringLiteral("Training unit/A/2/Plan.ump"), "a2"); // clashes: gets its folder index
    write(QStringLiteral("Training unit/A/2/Other.ump"), "o");
    write(QStringLiteral("Training unit/B/7/Plan.ump"), "b");
    write(QStringLiteral("Training unit/B/7/notes.txt"), "keep"); // not a plan: stays
    convertTrainingUnits(dir.path(), QStringLiteral("TrainingPlans"));

    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/A/Plan.pamp")), "a1");
    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/A/Plan1.pamp")), "a2");
    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/A/Other.pamp")), "o");
    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/B/Plan.pamp")), "b");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Training unit/A"))));
    // A folder that still holds something is kept, with its parents.
    EXPECT_EQ(read(QStringLiteral("Training unit/B/7/notes.txt")), "keep");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Training unit/B/7/Plan.ump"))));
}

TEST_F(TrainingUnitConversion, NeverOverwritesAnArchivedPlan) {
    write(QStringLiteral("TrainingPlans/Archive/A/Plan.pamp"), "old");
    write(QStringLiteral("TrainingPlans/Archive/A/Plan0.pamp"), "old0");
    write(QStringLiteral("Training unit/A/1/Plan.ump"), "new");
    convertTrainingUnits(dir.path(), QStringLiteral("TrainingPlans"));
    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/A/Plan.pamp")), "old");
    EXPECT_EQ(read(QStringLiteral("TrainingPlans/Archive/A/Plan0.pamp")), "old0");
    // The plan that found no free name stays where it was.
    EXPECT_EQ(read(QStringLiteral("Training unit/A/1/Plan.ump")), "new");
}

TEST_F(TrainingUnitConversion, WithoutOldTreeNothingHappens) {
    convertTrainingUnits(dir.path(), QStringLiteral("TrainingPlans"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

} // namespace
