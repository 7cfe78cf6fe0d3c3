// Full backup and full restore of an installation holding 500 graphic practises (each
// with 10 figures and 6 lines on the large canvas). The restore draws every practise's
// picture and thumbnail again, as restoring does.
#include "BenchFixtures.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"

#include <QFileInfo>

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

} // namespace

BENCHMARK(BM_FullBackup500)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FullRestore500)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FullRestore500WithoutRedraw)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
