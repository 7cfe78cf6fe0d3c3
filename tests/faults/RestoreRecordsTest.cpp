// Hostile and awkward records of a backup: each bad record is refused and named (control
// characters escaped), the records after it are restored, nothing leaves its kind's folder,
// empty categories come back, and korvex-cli says what happened with its exit code.
#include "FaultItems.h"
#include "storage/CliRunner.h"

#include "storage/FullBackup.h"
#include "storage/ItemFiles.h"
#include "storage/ItemNames.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray record(const QByteArray& folder, const QByteArray& name, const QByteArray& content) {
    return streamString(folder) + streamString(name) + le32(qint32(content.size())) + content;
}

TEST(RestoreRecords, BadRecordsAreRefusedOneByOneAndTheRestIsRestored) {
    FaultInstallation inst;
    const QByteArray rink = readAll(inst.path(QStringLiteral("Playgrounds/Rink.jpg")));
    QByteArray backup = le32(141);
    // Another kind's folder, names of dots only, a NUL in the folder, a name over 255 bytes,
    // a folder of 6,000 characters, a path out of the installation.
    backup += record("Playgrounds", "Rink.gmp", "x");
    backup += record("GraphicPractises\\Cat\\Sub", "...gmp", "x");
    backup += record("GraphicPractises\\Cat\\Sub", "...", "x");
    backup += record(QByteArray("GraphicPractises\\Ca\0t", 21), "A.gmp", "x");
    backup += record("GraphicPractises\\Cat", QByteArray(250, 'n') + ".gmp", "x");
    backup += record("GraphicPractises\\" + QByteArray(6000, 'f'), "B.gmp", "x");
    backup += record("GraphicPractises\\..\\..", "C.gmp", "x");
    backup += record("GraphicPractisesX", "D.gmp", "x");
    backup += record("GraphicPractises\\Cat\\Sub", "Good.gmp", "good");
    const QString file = inst.path(QStringLiteral("hostile.gbp"));
    writeAll(file, backup);

    RestoreOptions options = restoreOptionsFor(
        BackupKind::Graphic, InstallationFolders::fromSettings(inst.theSettings()));
    const RestoreReport report = restoreKindBackup(file, options);
    EXPECT_TRUE(report.ok()) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.refused.size(), 8) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(readAll(inst.graphicStem("Good") + QStringLiteral(".gmp")), QByteArray("good"));
    EXPECT_EQ(readAll(inst.path(QStringLiteral("Playgrounds/Rink.jpg"))), rink);
    EXPECT_FALSE(QFile::exists(inst.path(QStringLiteral("Playgrounds/Rink.gmp"))));
    EXPECT_TRUE(QDir(inst.root())
                    .entryList({QStringLiteral("*.gmp"), QStringLiteral("*.jpg")}, QDir::Files)
                    .isEmpty());
    const QString summary = report.summary().join(QLatin1Char('\n'));
    EXPECT_TRUE(summary.contains(QStringLiteral("8 records refused")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Ca\\x00t"))) << summary.toStdString();
    EXPECT_FALSE(summary.contains(QChar(0)));
    EXPECT_TRUE(summary.contains(QStringLiteral("too long"))) << summary.toStdString();
    EXPECT_LT(summary.size(), 4000) << "a 6,000-character folder is shown whole";
}

TEST(RestoreRecords, EmptyCategoriesComeBackAndTheCliCountsRefusals) {
    FaultInstallation source;
    QDir(source.root()).mkpath(QStringLiteral("GraphicPractises/Empty category"));
    QDir(source.root()).mkpath(QStringLiteral("GraphicPractises/Cat/Empty sub"));
    ASSERT_TRUE(saveDrill(source, source.graphicStem("Drill"), 2));
    const QString backup = source.path(QStringLiteral("g.gbp"));
    ASSERT_TRUE(writeGraphicBackup(source, backup));

    FaultInstallation target;
    QDir(target.path(QStringLiteral("GraphicPractises"))).removeRecursively();
    RestoreReport report;
    ASSERT_TRUE(restoreGraphicBackup(target, backup, &report))
        << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.folders, 2);
    EXPECT_TRUE(QDir(target.path(QStringLiteral("GraphicPractises/Empty category"))).exists());
    EXPECT_TRUE(QDir(target.path(QStringLiteral("GraphicPractises/Cat/Empty sub"))).exists());
    EXPECT_TRUE(QFile::exists(target.graphicStem("Drill") + QStringLiteral(".jpg")));

    // korvex-cli: a refused record gives exit code 3 and the count, the others are restored.
    writeAll(backup, readAll(backup) + record("Playgrounds", "Rink.gmp", "x"));
    FaultInstallation cliTarget;
    CliRun run = cli({QStringLiteral("restore"), backup, cliTarget.root()});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("1 records refused")) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(cliTarget.graphicStem("Drill") + QStringLiteral(".gmp")));

    run = cli({QStringLiteral("restore"), cliTarget.path(QStringLiteral("missing.gbp")),
               cliTarget.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no such file")) << run.err.toStdString();

    // The settings of an installation without its Settings.def: an English message.
    QFile::remove(cliTarget.path(QStringLiteral("Settings.def")));
    run = cli({QStringLiteral("restore"), backup, cliTarget.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Settings.def")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Neexistuje")) << run.err.toStdString();
}

TEST(RestoreRecords, NamesAreCheckedForWhatTheFileSystemHolds) {
    EXPECT_EQ(itemNameProblem(ItemKind::GraphicPractise, QStringLiteral("   ")),
              QStringLiteral("the name is empty"));
    EXPECT_FALSE(isSafeItemName(QStringLiteral("...")));
    EXPECT_FALSE(isSafeItemName(QStringLiteral("a\tb")));
    EXPECT_TRUE(isSafeItemName(QStringLiteral("Drill 1 (2)")));
    // The thumbnail "<name>Small.jpg" and the save's temporary must fit in 255 bytes.
    const int limit = maxItemNameBytes(ItemKind::GraphicPractise);
    EXPECT_EQ(limit, 255 - 9 - 7);
    EXPECT_TRUE(
        itemNameProblem(ItemKind::GraphicPractise, QString(limit, QLatin1Char('a'))).isEmpty());
    EXPECT_TRUE(itemNameProblem(ItemKind::GraphicPractise, QString(limit + 1, QLatin1Char('a')))
                    .contains(QStringLiteral("too long")));
    // Accented letters take two bytes.
    EXPECT_FALSE(
        itemNameProblem(ItemKind::GraphicPractise, QString(limit / 2 + 1, QChar(0x17E))).isEmpty());
}

TEST(RestoreRecords, LeftoversOfKilledSavesAreRemovedAndNothingElse) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath(QStringLiteral("GraphicPractises/Cat"));
    for (const char* name :
         {"GraphicPractises/Cat/Drill.gmp", "GraphicPractises/Cat/Drill.gmp.aB3xYz",
          "GraphicPractises/Cat/DrillSmall.jpg.Q1w2E3", "Settings.def.000000",
          "GraphicPractises/Cat/notes.txt.backup1", "photo.png.abcdef",
          "GraphicPractises/Cat/Drill.gmp.old"})
        writeAll(root.filePath(QLatin1String(name)), "x");
    EXPECT_EQ(removeSaveLeftovers(dir.path(), savedExtensions()), 3);
    EXPECT_EQ(snapshot(dir.path()).keys(),
              QStringList({QStringLiteral("GraphicPractises/Cat/Drill.gmp"),
                           QStringLiteral("GraphicPractises/Cat/Drill.gmp.old"),
                           QStringLiteral("GraphicPractises/Cat/notes.txt.backup1"),
                           QStringLiteral("photo.png.abcdef")}));

    // A deciphered settings file an older run left beside Settings.def goes at the next
    // load; the settings themselves never pass through the disk deciphered.
    FaultInstallation inst;
    writeAll(inst.path(QStringLiteral("Settings.set")), "Language=English\r\n");
    TSettings settings(inst.root());
    settings.setSaveOnDestroy(false);
    ASSERT_TRUE(settings.Load()) << settings.errorString().toStdString();
    EXPECT_FALSE(QFile::exists(inst.path(QStringLiteral("Settings.set"))));
    settings.setLanguage(QStringLiteral("German"));
    ASSERT_TRUE(settings.Save());
    EXPECT_FALSE(QFile::exists(inst.path(QStringLiteral("Settings.set"))));
    TSettings again(inst.root());
    again.setSaveOnDestroy(false);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.Language(), QStringLiteral("German"));
}

// A practise whose picture or thumbnail is gone (a restore or save cut short by an older
// program) gets them drawn again when it is loaded, and when a restore keeps it.
TEST(RestoreRecords, MissingPicturesAreDrawnAgainOnLoadAndByARestoreThatKeepsTheItem) {
    FaultInstallation inst;
    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 3));
    const QString picture = stem + QStringLiteral(".jpg");
    const QString thumbnail = stem + QStringLiteral("Small.jpg");
    const QByteArray pictureBytes = readAll(picture);
    const QByteArray thumbnailBytes = readAll(thumbnail);

    QFile::remove(thumbnail);
    TGraphicPractise practise(inst.theSettings(), inst.language());
    ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
    EXPECT_EQ(readAll(thumbnail), thumbnailBytes);
    EXPECT_EQ(readAll(picture), pictureBytes);

    const QString backup = inst.path(QStringLiteral("g.gbp"));
    ASSERT_TRUE(writeGraphicBackup(inst, backup));
    QFile::remove(picture);
    QFile::remove(thumbnail);
    RestoreOptions options = restoreOptionsFor(
        BackupKind::Graphic, InstallationFolders::fromSettings(inst.theSettings()));
    options.rewrite = practiseRewriter(BackupKind::Graphic, inst.theSettings(), inst.language());
    const RestoreReport report = restoreKindBackup(backup, options);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(readAll(picture), pictureBytes);
    EXPECT_EQ(readAll(thumbnail), thumbnailBytes);

    // A practise this program does not read gets no pictures: its file is kept untouched.
    const QString future = inst.graphicStem("Future");
    writeAll(future + QStringLiteral(".gmp"), le32(200) + "future");
    EXPECT_TRUE(practise.Load(future));
    EXPECT_FALSE(QFile::exists(future + QStringLiteral(".jpg")));
}

} // namespace
