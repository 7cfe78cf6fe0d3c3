// A graphic practise whose picture and thumbnail are missing gets them drawn again when it
// is loaded. When they cannot be saved, the load still succeeds with the drawing intact,
// the failure is reported with the system's reason, nothing half-written is left, and the
// next load draws them again.
#include "FaultItems.h"

#include "core/Jpeg.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

void removePictures(const QString& stem) {
    QFile::remove(stem + QStringLiteral(".jpg"));
    QFile::remove(stem + QStringLiteral("Small.jpg"));
}

bool decodes(const QString& path) {
    QFile file(path);
    QImage image;
    return file.open(QIODevice::ReadOnly) && decodeJpeg(file.readAll(), &image, nullptr);
}

TEST(RedrawFailure, AFailedRedrawIsReportedTheDrawingStaysAndTheNextLoadDrawsAgain) {
    FaultInstallation inst;
    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 3));
    removePictures(stem);
    const QStringList before = QDir(inst.path(QStringLiteral("GraphicPractises/Cat/Sub")))
                                   .entryList(QDir::Files | QDir::Hidden);

    TGraphicPractise practise(inst.theSettings(), inst.language());
    setSaveFaultHook([](SaveStep, const QString&) { return false; });
    const bool loaded = practise.Load(stem);
    setSaveFaultHook({});
    ASSERT_TRUE(loaded) << practise.errorString().toStdString();
    EXPECT_EQ(practise.figures().count(), 3);
    EXPECT_EQ(practise.description(), QStringList{QStringLiteral("Drill with 3 players")});
    const QString warning = practise.loadWarning();
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(stem + QStringLiteral(".gmp"))))
        << warning.toStdString();
    EXPECT_TRUE(warning.contains(QStringLiteral("Small.jpg"))) << warning.toStdString();
    EXPECT_FALSE(warning.contains(QStringLiteral("Unknown error"))) << warning.toStdString();
    // Neither a picture nor a temporary of one was left behind.
    EXPECT_EQ(QDir(inst.path(QStringLiteral("GraphicPractises/Cat/Sub")))
                  .entryList(QDir::Files | QDir::Hidden),
              before);

    // The next load, with the disk sound again, draws both and has nothing to report.
    ASSERT_TRUE(practise.Load(stem));
    EXPECT_TRUE(practise.loadWarning().isEmpty()) << practise.loadWarning().toStdString();
    EXPECT_TRUE(decodes(stem + QStringLiteral(".jpg")));
    EXPECT_TRUE(decodes(stem + QStringLiteral("Small.jpg")));
}

// A restore that keeps an existing practise draws its missing pictures; when they cannot be
// saved, the restore says so with the practise's name instead of passing as clean.
TEST(RedrawFailure, ARestoreKeepingAPractiseReportsAFailedRedraw) {
    FaultInstallation inst;
    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 2));
    const QString backup = inst.path(QStringLiteral("graphic.gbp"));
    ASSERT_TRUE(writeGraphicBackup(inst, backup));
    removePictures(stem);

    RestoreOptions options = restoreOptionsFor(
        BackupKind::Graphic, InstallationFolders::fromSettings(inst.theSettings()));
    options.rewrite = practiseRewriter(BackupKind::Graphic, inst.theSettings(), inst.language());
    setSaveFaultHook([](SaveStep, const QString&) { return false; });
    const RestoreReport failed = restoreKindBackup(backup, options);
    setSaveFaultHook({});
    EXPECT_EQ(failed.skipped, 1);
    EXPECT_FALSE(failed.ok());
    ASSERT_EQ(failed.writeFailures.size(), 1);
    EXPECT_TRUE(failed.writeFailures.first().contains(
        QDir::toNativeSeparators(stem + QStringLiteral(".gmp"))))
        << failed.writeFailures.first().toStdString();

    // Run again on a sound disk, the restore draws them and is clean.
    const RestoreReport again = restoreKindBackup(backup, options);
    EXPECT_TRUE(again.ok()) << again.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(decodes(stem + QStringLiteral(".jpg")));
    EXPECT_TRUE(decodes(stem + QStringLiteral("Small.jpg")));
}

// korvex-cli draws the practise all the same (exit 0) and prints the reason as a warning.
TEST(RedrawFailure, TheCommandLineWarnsWithTheSystemsReasonOnAFullDisk) {
    SmallFileSystem fs(1024 * 1024);
    if (!fs.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root; the full-disk redraw did not run";
    const QString root = QDir(fs.path()).filePath(QStringLiteral("inst"));
    FaultInstallation inst(root);
    const QString stem = inst.graphicStem("Drill");
    ASSERT_TRUE(saveDrill(inst, stem, 2));
    removePictures(stem);
    fs.fill(0);
    QTemporaryDir out;
    QProcess cli;
    cli.start(QStringLiteral(KORVEX_APP_DIR "/korvex-cli"),
              {QStringLiteral("render"), stem + QStringLiteral(".gmp"),
               QDir(out.path()).filePath(QStringLiteral("drill.png"))});
    ASSERT_TRUE(cli.waitForFinished(60000));
    fs.empty();
    const QString stderrText = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 0) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.contains(QStringLiteral("warning"))) << stderrText.toStdString();
    EXPECT_TRUE(stderrText.contains(QStringLiteral("No space left on device")))
        << stderrText.toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(out.path()).filePath(QStringLiteral("drill.png"))));
    EXPECT_FALSE(QFileInfo::exists(stem + QStringLiteral(".jpg")));
}

} // namespace
