// Backup and restore of graphic practises: the backup holds their data files only, and the
// restore draws their pictures and thumbnails again.
#include "PractiseFixture.h"

#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"

#include <QDirIterator>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QMap<QString, QByteArray> filesBelow(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readAll(path));
    }
    return files;
}

void drawPractise(Installation& inst, const char* name, int figures) {
    TGraphicPractise practise(*inst.settings, inst.language);
    practise.setGroundName(QStringLiteral("Rink"));
    practise.loadStandardGround();
    for (int i = 0; i < figures; ++i) {
        auto figure = std::make_unique<TFigure>(practise.figures().settings());
        figure->setKind(static_cast<quint8>(i % 11));
        figure->setPosition(QPoint(40 + i * 60, 60 + i * 25));
        practise.figures().add(std::move(figure));
    }
    practise.description() = {QStringLiteral("Drill %1").arg(QLatin1String(name))};
    ASSERT_TRUE(practise.Save(inst.graphicStem(name))) << practise.errorString().toStdString();
    // The files as a load and save leave them.
    ASSERT_TRUE(practise.Load(inst.graphicStem(name)));
    ASSERT_TRUE(practise.Save(inst.graphicStem(name)));
}

TEST(GraphicBackupTest, RestoredPractisesGetTheirPicturesDrawnAgainByteForByte) {
    Installation source;
    drawPractise(source, "a", 3);
    drawPractise(source, "b", 8);
    const QString gmRoot = source.path(QStringLiteral("GraphicPractises"));
    const QMap<QString, QByteArray> original = filesBelow(gmRoot);
    ASSERT_EQ(original.size(), 6);

    const QString file = source.path(QStringLiteral("all.abp"));
    QString error;
    ASSERT_TRUE(writeFullBackup(InstallationFolders::fromSettings(*source.settings), file, &error))
        << error.toStdString();

    Installation target;
    FullBackupHooks hooks;
    hooks.rewriter = [&target](BackupKind kind) {
        return practiseRewriter(kind, *target.settings, target.language);
    };
    const FullRestoreReport report =
        restoreFullBackup(InstallationFolders::fromSettings(*target.settings), file, hooks);
    EXPECT_TRUE(report.ok()) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(filesBelow(target.path(QStringLiteral("GraphicPractises"))), original);

    // A practise file that does not load is restored as stored and reported.
    const QString broken = source.path(QStringLiteral("broken.gbp"));
    writeAll(broken, le32(141) + streamString("GraphicPractises\\Cat\\Sub") +
                         streamString("c.gmp") + le32(6) + le32(141) + QByteArray("\x05\x00", 2));
    RestoreOptions options;
    options.root = target.dir.path();
    options.extension = QStringLiteral(".gmp");
    options.rewrite = practiseRewriter(BackupKind::Graphic, *target.settings, target.language);
    const RestoreReport brokenReport = restoreKindBackup(broken, options);
    EXPECT_EQ(brokenReport.added, 1);
    ASSERT_EQ(brokenReport.rewriteFailures.size(), 1);
    EXPECT_TRUE(brokenReport.rewriteFailures[0].contains(QStringLiteral("c.gmp")));
}

} // namespace
