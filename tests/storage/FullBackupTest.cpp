#include "BackupFolders.h"
#include "RecordFixtures.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "storage/FullBackup.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TTextPractise.h"
#include "storage/TTrainingPlan.h"

#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Every file below `root`, relative path -> bytes.
QMap<QString, QByteArray> filesBelow(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readFile(path));
    }
    return files;
}

// Fills an installation through the item classes, so every file is in the form a load
// and save gives.
void populate(const QString& root) {
    const QString scratch = root + QStringLiteral("/Photos");
    for (int i = 0; i < 3; ++i) {
        TTextPractise text(root, QStringLiteral("TextPractises"), scratch);
        text.setFormatVersion(141);
        QDir().mkpath(root + QStringLiteral("/TextPractises/Skating/Edges"));
        QImage image(30 + i, 20, QImage::Format_RGB32);
        image.fill(qRgb(10 * i, 100, 200));
        QDir().mkpath(scratch);
        saveBytes(scratch + QStringLiteral("/0.jpg"), encodeJpeg(image));
        text.text = {QStringLiteral("Practise %1").arg(i), QStringLiteral("žluťoučký kůň")};
        text.keywords = {QStringLiteral("edges")};
        ASSERT_TRUE(text.Save(root + QStringLiteral("/TextPractises/Skating/Edges/t%1").arg(i)));
    }
    writeFile(root + QStringLiteral("/GraphicPractises/Passing/Basic/g.gmp"),
              le32(141) + "drawing");

    TTrainingPlan plan(root, QStringLiteral("TrainingPlans"), false);
    plan.setFormatVersion(141);
    QDir().mkpath(root + QStringLiteral("/TrainingPlans/TrainingPlanCategory/U18"));
    plan.paths = {QStringLiteral("TextPractises\\Skating\\Edges\\t0.tmp")};
    plan.items.append(TPractisesData{{}, {}, {}, QStringLiteral("10"), QStringLiteral("t0")});
    plan.heading.place = QStringLiteral("Hall");
    ASSERT_TRUE(plan.Save(root + QStringLiteral("/TrainingPlans/TrainingPlanCategory/U18/Monday")));

    TTrainingPlan archived(root, QStringLiteral("TrainingPlans"), true);
    archived.setFormatVersion(141);
    QDir().mkpath(root + QStringLiteral("/TrainingPlans/Archive/U18"));
    archived.evaluation = {QStringLiteral("good")};
    ASSERT_TRUE(archived.Save(root + QStringLiteral("/TrainingPlans/Archive/U18/12")));

    TCardPractise cards;
    cards.setLocation(root, QStringLiteral("PlayerCards"));
    cards.setArchive(QStringLiteral("PlayerArchive"), QStringLiteral("Archive"));
    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("U18")));
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Dvořák")}), {QStringLiteral("note")});
    ASSERT_TRUE(cards.saveTeam());
    QDir().mkpath(root + QStringLiteral("/PlayerCards/PlayerArchive"));
    ASSERT_TRUE(cards.saveOneCard(0, cards.archiveFilePath()));

    TDiary diary;
    diary.setLocation(root, QStringLiteral("Diaries"));
    ASSERT_TRUE(diary.createTeam(999, QStringLiteral("U18")));
    diary.addEntry(TDiary::makeRecord(QStringLiteral("1.9."), QStringLiteral("Start")), {});
    ASSERT_TRUE(diary.saveTeam());
    QDir(scratch).removeRecursively();
}

TEST(FullBackupTest, EveryKindComesBackByteIdenticalInAnEmptyInstallation) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source");
    const QString target = dir.path() + QStringLiteral("/target");
    populate(source);
    const QMap<QString, QByteArray> original = filesBelow(source);
    ASSERT_EQ(original.size(), 9);

    const QString file = dir.path() + QStringLiteral("/x.abp");
    const QStringList temporary = fullBackupTemporaryFiles(file);
    EXPECT_EQ(temporary.first(), file + QLatin1Char('g'));
    EXPECT_EQ(temporary.last(), file + QLatin1Char('a'));
    QList<BackupKind> seen;
    int temporaryPresent = 0;
    FullBackupHooks hooks;
    hooks.beforeKind = [&](BackupKind kind) {
        // The kind backups go straight into the bundle: no temporary file appears beside it.
        for (int i = 0; i < seen.size(); ++i)
            temporaryPresent += QFile::exists(temporary[i]) ? 1 : 0;
        seen.append(kind);
    };
    QString error;
    ASSERT_TRUE(writeFullBackup(foldersAt(source), file, &error, hooks)) << error.toStdString();
    EXPECT_EQ(seen, fullBackupOrder());
    EXPECT_EQ(temporaryPresent, 0);
    for (const QString& temp : temporary)
        EXPECT_FALSE(QFile::exists(temp));

    seen.clear();
    FullBackupHooks restoreHooks;
    restoreHooks.beforeKind = [&](BackupKind kind) { seen.append(kind); };
    const FullRestoreReport report = restoreFullBackup(foldersAt(target), file, restoreHooks);
    EXPECT_TRUE(report.ok()) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(seen, fullBackupOrder());
    for (const QString& temp : temporary)
        EXPECT_FALSE(QFile::exists(temp));
    EXPECT_EQ(filesBelow(target), original);

    // Restoring the same backup again finds every item and, without a decider, skips it;
    // skip-all ends a team backup, so the second card file is not even read.
    const FullRestoreReport again = restoreFullBackup(foldersAt(target), file);
    int skipped = 0;
    for (const RestoreReport& r : again.reports)
        skipped += r.skipped;
    EXPECT_EQ(skipped, 8);
}

TEST(FullBackupTest, DamagedBundleRestoresTheKindsBeforeTheDamageAndSaysSo) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source");
    populate(source);
    const QString file = dir.path() + QStringLiteral("/x.abp");
    QString error;
    ASSERT_TRUE(writeFullBackup(foldersAt(source), file, &error));
    // Cut the bundle inside its third entry (plans): graphic and text come back.
    const QByteArray whole = readFile(file);
    const QString target = dir.path() + QStringLiteral("/target");
    QMap<QString, QByteArray> sourceFiles = filesBelow(source);
    qint64 offset = 8;
    for (int i = 0; i < 2; ++i) {
        const qint32 size = qFromLittleEndian<qint32>(whole.constData() + offset);
        offset += 4 + size;
    }
    ASSERT_TRUE(writeFile(file, whole.left(offset + 10)));
    const FullRestoreReport report = restoreFullBackup(foldersAt(target), file);
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.error.contains(QStringLiteral("x.abp"))) << report.error.toStdString();
    EXPECT_EQ(report.kinds, QList<BackupKind>({BackupKind::Graphic, BackupKind::Text}));
    EXPECT_EQ(filesBelow(target).size(), 4);
    for (const QString& temp : fullBackupTemporaryFiles(file))
        EXPECT_FALSE(QFile::exists(temp));

    // A bundle of the wrong number of entries restores nothing.
    ASSERT_TRUE(writeFile(file, le32(141) + le32(2) + le32(4) + le32(141) + le32(4) + le32(141)));
    const FullRestoreReport wrong =
        restoreFullBackup(foldersAt(dir.path() + QStringLiteral("/t2")), file);
    EXPECT_FALSE(wrong.ok());
    EXPECT_TRUE(wrong.kinds.isEmpty());
}

TEST(FullBackupTest, SingleKindBackupsWalkTheirOwnFolders) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source");
    populate(source);
    const InstallationFolders folders = foldersAt(source);
    EXPECT_EQ(collectBackupFiles(source, backupWalkFolder(BackupKind::Plans, folders),
                                 QStringLiteral(".pmp")),
              QStringList{QStringLiteral("TrainingPlans/TrainingPlanCategory/U18/Monday.pmp")});
    EXPECT_EQ(collectBackupFiles(source, backupWalkFolder(BackupKind::Cards, folders),
                                 QStringLiteral(".cmp")),
              QStringList({QStringLiteral("PlayerCards/PlayerArchive/PlayerArchive.cmp"),
                           QStringLiteral("PlayerCards/U18.cmp")}));
    BackupKind kind;
    ASSERT_TRUE(backupKindFromBackupExtension(QStringLiteral(".PABP"), &kind));
    EXPECT_EQ(kind, BackupKind::Archive);
}

} // namespace
