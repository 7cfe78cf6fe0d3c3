// Full backup and full restore of an installation holding 500 graphic practises (each
// with 10 figures and 6 lines on the large canvas). The restore draws every practise's
// picture and thumbnail again, as restoring does.
#include "BenchFixtures.h"
#include "RawJpeg.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace korvex;

namespace {

constexpr int kPractises = 500;

// The shared installation, with the folders a backup covers.
struct Installation : BenchInstallation {
    InstallationFolders folders() const { return InstallationFolders::fromSettings(*settings); }
};

// The installation with the 500 practises, made once.
Installation& populated() {
    static Installation* inst = [] {
        auto* made = new Installation;
        TGraphicPractise practise(*made->settings, made->language);
        for (int p = 0; p < kPractises; ++p) {
            const QString folder =
                QStringLiteral("GraphicPractises/Category %1/Sub %2").arg(p % 5).arg(p % 4);
            QDir(made->dir.path()).mkpath(folder);
            practise.Clear();
            practise.setGroundName(QStringLiteral("Rink"));
            practise.loadStandardGround();
            for (int i = 0; i < 10; ++i) {
                auto figure = std::make_unique<TFigure>(practise.figures().settings());
                figure->setKind(static_cast<quint8>((p + i) % 11));
                figure->setPosition(QPoint(20 + (p * 7 + i * 97) % 640, 20 + (i * 53) % 380));
                practise.figures().add(std::move(figure));
            }
            for (int i = 0; i < 6; ++i) {
                auto line = std::make_unique<TLine>(&practise.drawingSettings());
                for (int k = 0; k < 4; ++k)
                    line->addPoint(
                        QPoint(30 + (p + i * 13 + k * 90) % 620, 30 + (i * 29 + k * 60) % 360));
                line->setLineKind(static_cast<quint8>(i % 7));
                line->setCurved(i % 2 == 0);
                practise.lines().add(std::move(line));
            }
            practise.Save(
                QDir(made->dir.path()).filePath(folder + QStringLiteral("/Drill %1").arg(p)));
        }
        return made;
    }();
    return *inst;
}

void BM_FullBackup500(benchmark::State& state) {
    Installation& source = populated();
    const QString file = QDir(source.dir.path()).filePath(QStringLiteral("all.abp"));
    for (auto _ : state) {
        QString error;
        if (!writeFullBackup(source.folders(), file, &error))
            state.SkipWithError("backup failed");
    }
    state.counters["backupMB"] = QFileInfo(file).size() / 1e6;
}

// Restores the full backup of the populated installation into a fresh installation in
// every iteration; making and removing the target is not timed. With `redraw` the
// practises' pictures are drawn again, as restoring does.
void runFullRestore(benchmark::State& state, const QString& fileName, bool redraw) {
    Installation& source = populated();
    const QString file = QDir(source.dir.path()).filePath(fileName);
    QString error;
    writeFullBackup(source.folders(), file, &error);
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<Installation>();
        state.ResumeTiming();
        FullBackupHooks hooks;
        if (redraw) {
            hooks.rewriter = [&target](BackupKind kind) {
                return practiseRewriter(kind, *target->settings, target->language);
            };
        } else {
            hooks.rewriter = [](BackupKind) { return ItemRewriter(); };
        }
        const FullRestoreReport report = restoreFullBackup(target->folders(), file, hooks);
        if (redraw && (!report.ok() || report.reports.first().added != kPractises))
            state.SkipWithError("restore failed");
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}

void BM_FullRestore500(benchmark::State& state) {
    runFullRestore(state, QStringLiteral("restore.abp"), true);
}

// The restore without drawing the pictures again: the share of reading the bundle and
// writing the files.
void BM_FullRestore500WithoutRedraw(benchmark::State& state) {
    runFullRestore(state, QStringLiteral("plain.abp"), false);
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The full backup against its floor in the same iteration: reading every file the backup
// holds and one sync of the file system ("ratio"), and the same with the files written out
// as one file before the sync ("ratio_copy"), the least any backup must do.
void BM_BackupRatio(benchmark::State& state) {
    Installation& source = populated();
    const InstallationFolders folders = source.folders();
    const QString file = QDir(source.dir.path()).filePath(QStringLiteral("ratio.abp"));
    const QString copy = QDir(source.dir.path()).filePath(QStringLiteral("copy.bin"));
    QStringList files;
    for (BackupKind kind : fullBackupOrder()) {
        for (const QString& relative : collectBackupFiles(
                 folders.root, backupWalkFolder(kind, folders, true), kindExtension(kind)))
            files.append(QDir(folders.root).filePath(relative));
    }
    bench::Took figure;
    bench::Took floor;
    bench::Took copyFloor;
    for (auto _ : state) {
        const bench::Took backup = bench::secondsOf([&] {
            QString error;
            if (!writeFullBackup(folders, file, &error))
                state.SkipWithError("backup failed");
        });
        floor += bench::secondsOf([&] {
            qint64 bytes = 0;
            for (const QString& path : files)
                bytes += readWhole(path).size();
            benchmark::DoNotOptimize(bytes);
            syncFileSystem(folders.root);
        });
        copyFloor += bench::secondsOf([&] {
            QFile out(copy);
            out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            for (const QString& path : files)
                out.write(readWhole(path));
            out.flush();
            ::fdatasync(out.handle());
        });
        figure += backup;
        state.SetIterationTime(backup.wall);
    }
    bench::reportRatio(state, figure, floor);
    bench::reportRatio(state, figure, copyFloor, "_copy");
    state.counters["backupMB"] = QFileInfo(file).size() / 1e6;
}

// The full restore (pictures drawn again) against its floor in the same iteration:
// libjpeg-turbo decoding and encoding again the 1,000 pictures the restore wrote, once.
void BM_RestoreRatio(benchmark::State& state) {
    Installation& source = populated();
    const QString file = QDir(source.dir.path()).filePath(QStringLiteral("ratio-restore.abp"));
    QString error;
    writeFullBackup(source.folders(), file, &error);
    bench::Took figure;
    bench::Took floor;
    int pictures = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<Installation>();
        state.ResumeTiming();
        const bench::Took restore = bench::secondsOf([&] {
            FullBackupHooks hooks;
            hooks.rewriter = [&target](BackupKind kind) {
                return practiseRewriter(kind, *target->settings, target->language);
            };
            const FullRestoreReport report = restoreFullBackup(target->folders(), file, hooks);
            if (!report.ok() || report.reports.first().added != kPractises)
                state.SkipWithError("restore failed");
        });
        QList<QByteArray> jpegs;
        QDirIterator it(QDir(target->dir.path()).filePath(QStringLiteral("GraphicPractises")),
                        {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            jpegs.append(readWhole(it.next()));
        pictures = int(jpegs.size());
        floor += bench::secondsOf([&] {
            for (const QByteArray& jpeg : jpegs)
                benchmark::DoNotOptimize(bench::rawEncode(bench::rawDecode(jpeg)));
        });
        figure += restore;
        state.SetIterationTime(restore.wall);
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    bench::reportRatio(state, figure, floor);
    state.counters["pictures"] = pictures;
}

} // namespace

BENCHMARK(BM_FullBackup500)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FullRestore500)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FullRestore500WithoutRedraw)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BackupRatio)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3)
    ->Apply(korvex::bench::withMinMax);
BENCHMARK(BM_RestoreRatio)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Apply(korvex::bench::withMinMax);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
