// Saves and restores on a small file system filled to the brim: each either succeeds or
// fails with the system's reason ("No space left on device"), and every file stays as it
// was or as the save meant to write it. The settings load on a full disk.
#include "FaultItems.h"

#include "core/SaveGroup.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

constexpr qint64 kFileSystemBytes = 3 * 1024 * 1024;
const QString kNoSpace = QStringLiteral("No space left on device");

#define REQUIRE_SMALL_FILE_SYSTEM(fs)                                                              \
    if (!(fs).mounted())                                                                           \
    GTEST_SKIP() << "mounting a small tmpfs needs root; the full-disk tests did not run"

// Runs `save` with the disk filled to several levels. Returns how many of the saves
// failed for want of space.
int saveOnFullDisk(SmallFileSystem& fs, const QString& root,
                   const std::function<bool(QString*)>& save) {
    const QMap<QString, QByteArray> before = snapshot(root);
    QString error;
    EXPECT_TRUE(save(&error)) << error.toStdString();
    const QMap<QString, QByteArray> after = snapshot(root);
    int failures = 0;
    for (qint64 leave : {0, 4096, 12288, 24576, 49152, 98304}) {
        restoreSnapshot(root, before);
        fs.fill(leave);
        error.clear();
        const bool ok = save(&error);
        fs.empty();
        const QMap<QString, QByteArray> now = snapshot(root);
        if (ok) {
            EXPECT_EQ(now, after) << "with " << leave << " bytes free";
            continue;
        }
        ++failures;
        EXPECT_TRUE(error.contains(kNoSpace))
            << "with " << leave << " bytes free: " << error.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral("Unknown error"))) << error.toStdString();
        for (auto it = now.begin(); it != now.end(); ++it) {
            const bool old = before.contains(it.key()) && before.value(it.key()) == it.value();
            const bool fresh = after.contains(it.key()) && after.value(it.key()) == it.value();
            EXPECT_TRUE(old || fresh)
                << it.key().toStdString() << " is broken with " << leave << " bytes free";
        }
        for (const QString& path : before.keys())
            EXPECT_TRUE(now.contains(path)) << path.toStdString() << " is gone";
    }
    restoreSnapshot(root, after);
    return failures;
}

TEST(FullDisk, ItemSavesFailWithTheSystemsReasonAndKeepTheirFiles) {
    SmallFileSystem fs(kFileSystemBytes);
    REQUIRE_SMALL_FILE_SYSTEM(fs);
    const QString root = QDir(fs.path()).filePath(QStringLiteral("app"));
    FaultInstallation inst(root);

    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 1));
    EXPECT_GT(saveOnFullDisk(fs, inst.path(QStringLiteral("GraphicPractises")),
                             [&](QString* error) { return saveDrill(inst, stem, 6, error); }),
              0);

    const QString plan =
        inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/U18/Mon.pmp"));
    ASSERT_TRUE(savePlan(plan, 1));
    EXPECT_GT(saveOnFullDisk(fs, inst.path(QStringLiteral("TrainingPlans")),
                             [&](QString* error) {
                                 TrainingPlanData data;
                                 data.version = 141;
                                 data.description = QStringList(2000, QStringLiteral("x"));
                                 return writePlanFile(plan, false, data, error);
                             }),
              0);

    ASSERT_TRUE(saveTeamFile<TDiary>(inst, 1));
    EXPECT_GT(saveOnFullDisk(fs, inst.path(QStringLiteral("Diaries")),
                             [&](QString* error) {
                                 TDiary diary;
                                 diary.setLocation(inst.root(), QStringLiteral("Diaries"));
                                 diary.loadTeam(QStringLiteral("U18"));
                                 for (int i = 0; i < 400; ++i)
                                     diary.addEntry(teamRecord<TDiary>(i), {QStringLiteral("n")});
                                 const bool ok = diary.saveTeam();
                                 *error = diary.errorString();
                                 return ok;
                             }),
              0);
}

TEST(FullDisk, RestoreReportsEachRecordItCannotWriteAndGoesOn) {
    FaultInstallation source;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(
            saveDrill(source, source.graphicStem(qPrintable(QStringLiteral("D%1").arg(i))), 2 + i));
    const QString backup = source.path(QStringLiteral("graphic.gbp"));
    ASSERT_TRUE(writeGraphicBackup(source, backup));

    SmallFileSystem fs(kFileSystemBytes);
    REQUIRE_SMALL_FILE_SYSTEM(fs);
    FaultInstallation target(QDir(fs.path()).filePath(QStringLiteral("app")));
    ASSERT_TRUE(saveDrill(target, target.graphicStem("D1"), 1));
    const QString folder = target.path(QStringLiteral("GraphicPractises"));
    const QMap<QString, QByteArray> before = snapshot(folder);
    fs.fill(0);
    RestoreReport report;
    EXPECT_FALSE(restoreGraphicBackup(target, backup, &report));
    fs.empty();
    // Every record was tried and each failure names the system's reason.
    EXPECT_EQ(report.added + report.replaced + int(report.writeFailures.size()), 4);
    ASSERT_FALSE(report.writeFailures.isEmpty());
    for (const QString& failure : report.writeFailures)
        EXPECT_TRUE(failure.contains(kNoSpace)) << failure.toStdString();
    EXPECT_TRUE(report.error.isEmpty()) << report.error.toStdString();
    EXPECT_EQ(snapshot(folder).value(QStringLiteral("Cat/Sub/D1.gmp")),
              before.value(QStringLiteral("Cat/Sub/D1.gmp")));
    // With room again the same restore completes.
    EXPECT_TRUE(restoreGraphicBackup(target, backup, &report))
        << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.added + report.replaced, 4);
}

// A restore ends with one sync of the file system; when the disk cannot confirm the files,
// they are in place but the restore does not pass as clean, and a second one completes it.
TEST(FullDisk, ARestoreWhoseClosingSyncFailsIsNotReportedClean) {
    FaultInstallation source;
    ASSERT_TRUE(saveDrill(source, source.graphicStem("D"), 2));
    const QString backup = source.path(QStringLiteral("graphic.gbp"));
    ASSERT_TRUE(writeGraphicBackup(source, backup));
    FaultInstallation target;
    setSaveFaultHook([](SaveStep step, const QString&) { return step != SaveStep::Sync; });
    RestoreReport report;
    const bool restored = restoreGraphicBackup(target, backup, &report);
    setSaveFaultHook({});
    EXPECT_FALSE(restored);
    EXPECT_EQ(report.added, 1);
    ASSERT_EQ(report.writeFailures.size(), 1);
    EXPECT_TRUE(report.writeFailures.first().contains(QStringLiteral("could not be made durable")))
        << report.writeFailures.first().toStdString();
    EXPECT_TRUE(QFileInfo::exists(target.graphicStem("D") + QStringLiteral(".gmp")));
    EXPECT_TRUE(restoreGraphicBackup(target, backup, &report))
        << report.summary().join(QLatin1Char('\n')).toStdString();
}

TEST(FullDisk, SaveGroupCommitsAllOrNothingAndSettingsStillLoad) {
    SmallFileSystem fs(kFileSystemBytes);
    REQUIRE_SMALL_FILE_SYSTEM(fs);
    FaultInstallation inst(QDir(fs.path()).filePath(QStringLiteral("app")));
    const QString a = inst.path(QStringLiteral("a.gmp"));
    const QString b = inst.path(QStringLiteral("a.jpg"));
    ASSERT_TRUE(saveBytes(a, "old a"));
    ASSERT_TRUE(saveBytes(b, "old b"));
    for (qint64 leave : {0, 4096, 65536}) {
        fs.fill(leave);
        SaveGroup group;
        group.addBytes(a, QByteArray(2000, 'a'));
        group.addBytes(b, QByteArray(200000, 'b'));
        EXPECT_FALSE(group.commit()) << leave;
        EXPECT_TRUE(group.errorString().contains(kNoSpace)) << group.errorString().toStdString();
        EXPECT_EQ(readAll(a), QByteArray("old a"));
        EXPECT_EQ(readAll(b), QByteArray("old b"));
        fs.empty();
    }
    EXPECT_EQ(QDir(inst.root()).entryList({QStringLiteral("a.*")}, QDir::Files).size(), 2);

    // Starting on a full disk: the settings are deciphered in memory.
    fs.fill(0);
    TSettings settings(inst.root());
    settings.setSaveOnDestroy(false);
    EXPECT_TRUE(settings.Load()) << settings.errorString().toStdString();
    EXPECT_EQ(settings.Language(), QStringLiteral("English"));
    EXPECT_FALSE(QFile::exists(inst.path(QStringLiteral("Settings.set"))));
    fs.empty();
}

} // namespace
