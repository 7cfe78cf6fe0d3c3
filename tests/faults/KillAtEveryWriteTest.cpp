// A save killed at any of its steps (every write, sync and rename) leaves each file either as
// it was or as the save meant to write it, never a broken one; the temporaries it leaves
// are removed at the next start, and a restore killed half-way completes when run again.
#include "FaultItems.h"
#include "FaultSupport.h"

#include "storage/ItemFiles.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Kills `save` at every step in turn. After each kill every file below `root` must equal
// the file before or after a whole save, and no file of before may be gone; `redo`, when
// given, is run after every third kill and must then give the state after a whole save. Returns
// the number of steps killed at.
int killAtEveryStep(const QString& root, const std::function<bool()>& save,
                    const std::function<bool()>& redo = {}) {
    const QMap<QString, QByteArray> before = snapshot(root);
    EXPECT_TRUE(save());
    const QMap<QString, QByteArray> after = snapshot(root);
    EXPECT_NE(before, after) << "the save changes nothing";
    int kills = 0;
    for (int k = 0; k < 100000; ++k) {
        restoreSnapshot(root, before);
        const ChildEnd end = runKilledAt(k, save);
        EXPECT_NE(end, ChildEnd::Failed) << "at step " << k;
        if (end != ChildEnd::Killed)
            break;
        ++kills;
        removeSaveLeftovers(root, savedExtensions());
        const QMap<QString, QByteArray> now = snapshot(root);
        for (auto it = now.begin(); it != now.end(); ++it) {
            const bool old = before.value(it.key()) == it.value() && before.contains(it.key());
            const bool fresh = after.value(it.key()) == it.value() && after.contains(it.key());
            EXPECT_TRUE(old || fresh)
                << it.key().toStdString() << " is broken after a kill at step " << k;
        }
        for (const QString& path : before.keys())
            EXPECT_TRUE(now.contains(path)) << path.toStdString() << " is gone after step " << k;
        // The second run after a kill is a whole restore: every third kill is enough.
        if (redo && kills % 3 == 1) {
            EXPECT_TRUE(redo());
            EXPECT_EQ(snapshot(root), after)
                << "a second run after a kill at step " << k << " does not complete the work";
        }
    }
    restoreSnapshot(root, after);
    return kills;
}

TEST(KillAtEveryWrite, GraphicPractise) {
    FaultInstallation inst;
    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 2));
    const int kills = killAtEveryStep(inst.path(QStringLiteral("GraphicPractises")),
                                      [&] { return saveDrill(inst, stem, 5); });
    // Data file, picture and thumbnail: each written whole in one write, one sync for the
    // three, then each renamed.
    EXPECT_EQ(kills, 7);
}

TEST(KillAtEveryWrite, PlanCardFileAndDiary) {
    FaultInstallation inst;
    const QString plan =
        inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/U18/Mon.pmp"));
    ASSERT_TRUE(savePlan(plan, 1));
    EXPECT_EQ(killAtEveryStep(inst.path(QStringLiteral("TrainingPlans")),
                              [&] { return savePlan(plan, 4); }),
              2);

    ASSERT_TRUE(saveTeamFile<TCardPractise>(inst, 1));
    EXPECT_EQ(killAtEveryStep(inst.path(QStringLiteral("PlayerCards")),
                              [&] { return saveTeamFile<TCardPractise>(inst, 3); }),
              2);

    ASSERT_TRUE(saveTeamFile<TDiary>(inst, 1));
    EXPECT_EQ(killAtEveryStep(inst.path(QStringLiteral("Diaries")),
                              [&] { return saveTeamFile<TDiary>(inst, 3); }),
              2);
}

TEST(KillAtEveryWrite, RestoreKilledHalfWayCompletesWhenRunAgain) {
    FaultInstallation source;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            saveDrill(source, source.graphicStem(qPrintable(QStringLiteral("D%1").arg(i))), 3 + i));
    const QString backup = source.path(QStringLiteral("graphic.gbp"));
    ASSERT_TRUE(writeGraphicBackup(source, backup));

    FaultInstallation target;
    // One practise exists already in an older form and is replaced.
    ASSERT_TRUE(saveDrill(target, target.graphicStem("D1"), 1));
    const auto restore = [&] { return restoreGraphicBackup(target, backup); };
    // Three files of three practises: one write and one rename each; one sync for the
    // practise replaced and one at the end for the new ones.
    EXPECT_EQ(killAtEveryStep(target.path(QStringLiteral("GraphicPractises")), restore, restore),
              20);
}

// Without a decider a restore keeps the items that exist: a second run after a kill skips
// the practises the first one finished and completes the rest. The data file is written
// after the pictures, so a practise whose data file exists is whole.
TEST(KillAtEveryWrite, RestoreKeepingExistingItemsCompletesWhenRunAgain) {
    FaultInstallation source;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            saveDrill(source, source.graphicStem(qPrintable(QStringLiteral("D%1").arg(i))), 2 + i));
    const QString backup = source.path(QStringLiteral("graphic.gbp"));
    ASSERT_TRUE(writeGraphicBackup(source, backup));

    FaultInstallation target;
    const auto restore = [&] {
        RestoreOptions options = restoreOptionsFor(
            BackupKind::Graphic, InstallationFolders::fromSettings(target.theSettings()));
        options.rewrite =
            practiseRewriter(BackupKind::Graphic, target.theSettings(), target.language());
        const RestoreReport report = restoreKindBackup(backup, options);
        return report.ok() && report.rewriteFailures.isEmpty();
    };
    // Three new files of three practises: one write and one rename each, and one sync at
    // the end.
    EXPECT_EQ(killAtEveryStep(target.path(QStringLiteral("GraphicPractises")), restore, restore),
              19);
}

} // namespace
