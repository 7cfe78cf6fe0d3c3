// A restore writes every file once, rewriting items in memory; the tree it leaves must be
// byte for byte the tree the item-by-item way gives: each stored file written as it is,
// then loaded and saved again through the item's own save.
#include "PractiseFixture.h"

#include "core/Paths.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

#include <QDirIterator>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

const QStringList kDataFolders = {QStringLiteral("GraphicPractises"),
                                  QStringLiteral("TextPractises"), QStringLiteral("TrainingPlans"),
                                  QStringLiteral("Diaries"), QStringLiteral("PlayerCards")};

// Every file of the data folders below `root` (relative path -> bytes).
QMap<QString, QByteArray> dataTree(const QString& root) {
    QMap<QString, QByteArray> files;
    for (const QString& folder : kDataFolders) {
        QDirIterator it(QDir(root).filePath(folder), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QDir(root).relativeFilePath(path), readAll(path));
        }
    }
    return files;
}

void drill(Installation& inst, const QString& relativeStem, int figures, bool ownGround) {
    TGraphicPractise practise(*inst.settings, inst.language);
    practise.setGroundName(QStringLiteral("Rink"));
    if (ownGround) {
        QImage ground(300, 200, QImage::Format_RGB32);
        ground.fill(QColor(20, 120, 40));
        JpegPicture picture;
        picture.setImage(ground);
        practise.setGroundMode(1);
        practise.setGroundPicture(picture);
    }
    for (int i = 0; i < figures; ++i) {
        auto figure = std::make_unique<TFigure>(practise.figures().settings());
        figure->setKind(static_cast<quint8>(i % 11));
        figure->setPosition(QPoint(30 + i * 70, 50 + i * 35));
        figure->setText(QString::number(i + 1));
        practise.figures().add(std::move(figure));
    }
    auto line = std::make_unique<TLine>(practise.lines().settings());
    line->addPoint(QPoint(60, 60));
    line->addPoint(QPoint(300, 200));
    line->addPoint(QPoint(500, 90));
    line->setCurved(true);
    practise.lines().add(std::move(line));
    practise.description() = {QStringLiteral("Drill with %1 players").arg(figures)};
    QDir().mkpath(QFileInfo(inst.path(relativeStem)).path());
    ASSERT_TRUE(practise.Save(inst.path(relativeStem))) << practise.errorString().toStdString();
}

// An installation holding every kind, several items in older format versions.
void populate(Installation& inst) {
    drill(inst, QStringLiteral("GraphicPractises/Cat/Sub/Two"), 2, false);
    drill(inst, QStringLiteral("GraphicPractises/Cat/Sub/Nine"), 9, false);
    drill(inst, QStringLiteral("GraphicPractises/Other/Own/Own ground"), 4, true);
    // A practise of version 130 without pictures: the restore rewrites it as 141 and draws them.
    writeAll(inst.graphicStem("Old") + QStringLiteral(".gmp"),
             le32(130) + streamStrings({"Old drill"}) + streamStrings({}) + le32(0) + le32(0) +
                 QByteArray(1, '\0') + streamString("Rink") + numberSet({4, 7}) + numberSet({}));
    // A practise of a version no program wrote: restored as stored.
    writeAll(inst.graphicStem("Future") + QStringLiteral(".gmp"), le32(200) + "future");

    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(QColor(200, 30, 30));
    TextPractiseData text;
    text.version = 135;
    text.text = {QStringLiteral("Edges"), QStringLiteral("žluťoučký kůň")};
    text.pictures = {encodeJpeg(photo)};
    text.keywords = {QStringLiteral("skating")};
    QDir(inst.dir.path()).mkpath(QStringLiteral("TextPractises/Skating/Edges"));
    QString error;
    ASSERT_TRUE(writeTextPractiseFile(
        inst.path(QStringLiteral("TextPractises/Skating/Edges/t.tmp")), text, &error));

    TrainingPlanData plan;
    plan.version = 133;
    plan.date = QStringLiteral("09.12.2026");
    plan.paths = {QStringLiteral("GraphicPractises\\Cat\\Sub\\Two.gmp")};
    plan.items = {{QStringLiteral("10"), QStringLiteral("Two")}};
    QDir(inst.dir.path()).mkpath(QStringLiteral("TrainingPlans/TrainingPlanCategory/U18"));
    ASSERT_TRUE(writePlanFile(
        inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/U18/Monday.pmp")), false, plan,
        &error));
    plan.archived = {PlanArchiveItem{{}, encodeJpeg(photo)}};
    QDir(inst.dir.path()).mkpath(QStringLiteral("TrainingPlans/ArchiveCategory/2026"));
    ASSERT_TRUE(
        writePlanFile(inst.path(QStringLiteral("TrainingPlans/ArchiveCategory/2026/Monday.pamp")),
                      true, plan, &error));

    QDir(inst.dir.path()).mkpath(QStringLiteral("Diaries"));
    writeAll(inst.path(QStringLiteral("Diaries/U18.dmp")), le32(141) + le32(0));
    QDir(inst.dir.path()).mkpath(QStringLiteral("GraphicPractises/Empty category"));
}

// The item-by-item way: each file of `source` written as stored into `target`, then every
// practise and plan loaded and saved again through its own save.
void restoreItemByItem(Installation& source, Installation& target) {
    const QMap<QString, QByteArray> files = dataTree(source.dir.path());
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it.key().endsWith(QStringLiteral(".jpg")))
            continue;
        QDir().mkpath(QFileInfo(target.path(it.key())).path());
        writeAll(target.path(it.key()), it.value());
    }
    QDir(target.dir.path()).mkpath(QStringLiteral("GraphicPractises/Empty category"));
    TGraphicPractise practise(*target.settings, target.language);
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = target.path(it.key());
        QString error;
        if (path.endsWith(QStringLiteral(".gmp"))) {
            if (practise.Load(pathWithoutExtension(path)) && !practise.isSaveRefused()) {
                EXPECT_TRUE(practise.Save(pathWithoutExtension(path)));
            }
        } else if (path.endsWith(QStringLiteral(".tmp"))) {
            TextPractiseData text;
            ASSERT_TRUE(readTextPractiseFile(path, &text, &error));
            text.version = 141;
            ASSERT_TRUE(writeTextPractiseFile(path, text, &error));
        } else if (path.endsWith(QStringLiteral("mp")) && !path.endsWith(QStringLiteral(".dmp"))) {
            const bool archive = path.endsWith(QStringLiteral(".pamp"));
            TrainingPlanData plan;
            ASSERT_TRUE(readPlanFile(path, archive, &plan, &error));
            plan.version = 141;
            ASSERT_TRUE(writePlanFile(path, archive, plan, &error));
        }
    }
}

TEST(RestoreTree, AFullRestoreGivesTheTreeOfTheItemByItemWayByteForByte) {
    Installation source;
    populate(source);
    const QString file = source.path(QStringLiteral("all.abp"));
    QString error;
    ASSERT_TRUE(writeFullBackup(InstallationFolders::fromSettings(*source.settings), file, &error))
        << error.toStdString();

    Installation restored;
    QDir(restored.path(QStringLiteral("GraphicPractises"))).removeRecursively();
    FullBackupHooks hooks;
    hooks.rewriter = [&restored](BackupKind kind) {
        return practiseRewriter(kind, *restored.settings, restored.language);
    };
    const FullRestoreReport report =
        restoreFullBackup(InstallationFolders::fromSettings(*restored.settings), file, hooks);
    ASSERT_EQ(report.reports.size(), 6);
    EXPECT_EQ(report.reports[0].added, 5);
    EXPECT_EQ(report.reports[0].rewriteFailures.size(), 1) << "the future practise";

    Installation byItem;
    QDir(byItem.path(QStringLiteral("GraphicPractises"))).removeRecursively();
    restoreItemByItem(source, byItem);

    const QMap<QString, QByteArray> tree = dataTree(restored.dir.path());
    EXPECT_EQ(tree, dataTree(byItem.dir.path()));
    EXPECT_TRUE(QDir(restored.path(QStringLiteral("GraphicPractises/Empty category"))).exists());
    // The old practise was rewritten and got its pictures; the future one is as stored.
    const QString old = QStringLiteral("GraphicPractises/Cat/Sub/Old");
    EXPECT_TRUE(tree.value(old + QStringLiteral(".gmp")).startsWith(le32(141)));
    EXPECT_TRUE(tree.contains(old + QStringLiteral("Small.jpg")));
    EXPECT_EQ(tree.value(QStringLiteral("GraphicPractises/Cat/Sub/Future.gmp")),
              le32(200) + "future");
    EXPECT_FALSE(tree.contains(QStringLiteral("GraphicPractises/Cat/Sub/Future.jpg")));
    EXPECT_TRUE(
        tree.value(QStringLiteral("TextPractises/Skating/Edges/t.tmp")).startsWith(le32(141)));

    // A second restore over the restored tree (replacing every item through the atomic
    // save) leaves the same bytes.
    FixedBackupDecider replace(true);
    hooks.decider = [&replace](BackupKind) { return &replace; };
    const FullRestoreReport again =
        restoreFullBackup(InstallationFolders::fromSettings(*restored.settings), file, hooks);
    EXPECT_EQ(again.reports[0].replaced, 5);
    EXPECT_EQ(dataTree(restored.dir.path()), tree);
}

// A kind backup and a full backup hold the same bytes for a kind: the full backup writes
// its kind backups straight into the bundle.
TEST(RestoreTree, TheBundleHoldsTheKindBackupsByteForByte) {
    Installation source;
    populate(source);
    const InstallationFolders folders = InstallationFolders::fromSettings(*source.settings);
    const QString bundle = source.path(QStringLiteral("all.abp"));
    QString error;
    ASSERT_TRUE(writeFullBackup(folders, bundle, &error)) << error.toStdString();
    QByteArray expected = le32(folders.version) + le32(6);
    for (BackupKind kind : fullBackupOrder()) {
        const QString single = source.path(QStringLiteral("single.bak"));
        ASSERT_TRUE(writeKindBackup(folders.root, backupWalkFolder(kind, folders, true),
                                    kindExtension(kind), folders.version, single, &error));
        const QByteArray bytes = readAll(single);
        expected += le32(qint32(bytes.size())) + bytes;
    }
    EXPECT_EQ(readAll(bundle), expected);
    for (const QString& temporary : fullBackupTemporaryFiles(bundle))
        EXPECT_FALSE(QFile::exists(temporary));
}

} // namespace
