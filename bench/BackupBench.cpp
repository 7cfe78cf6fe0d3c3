// Full backup and full restore of an installation holding 500 graphic practises (each
// with 10 figures and 6 lines on the large canvas). The restore draws every practise's
// picture and thumbnail again, as restoring does.
#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/FigurePictures.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace korvex;

namespace {

constexpr int kPractises = 500;

// A throw-away installation with settings, figure pictures and a rink.
struct Installation {
    QTemporaryDir dir;
    std::unique_ptr<TSettings> settings;
    TLanguage language;

    Installation() {
        const QDir root(dir.path());
        saveTextLines(
            root.filePath(QStringLiteral("Settings.txt")),
            {QStringLiteral("Version=141"), QStringLiteral("VersionText=1.41"),
             QStringLiteral("GMSaveDir=GraphicPractises"),
             QStringLiteral("TXSaveDir=TextPractises"), QStringLiteral("TPSaveDir=TrainingPlans"),
             QStringLiteral("DMSaveDir=Documents"), QStringLiteral("CPSaveDir=PlayerCards"),
             QStringLiteral("DRSaveDir=Diaries"), QStringLiteral("TCSaveDir=Tactics"),
             QStringLiteral("PlayerArchiveSaveDir=PlayerArchive"),
             QStringLiteral("PlayCourtSaveDir=Playgrounds"), QStringLiteral("PhotosSaveDir=Photos"),
             QStringLiteral("LanguageOpenDir=Language"),
             QStringLiteral("PictureOpenDir=Pictures")});
        saveTextLines(root.filePath(QStringLiteral("plain.txt")),
                      {QStringLiteral("Language=English"), QStringLiteral("FormSize=1"),
                       QStringLiteral("CountPlayers=-1"), QStringLiteral("IndexOfGroundLine=4"),
                       QStringLiteral("Rink")});
        cipherSettingsFile(root.filePath(QStringLiteral("plain.txt")),
                           root.filePath(QStringLiteral("Settings.def")));
        settings = std::make_unique<TSettings>(dir.path());
        settings->setSaveOnDestroy(false);
        settings->Load();
        root.mkpath(QStringLiteral("Pictures"));
        QImage figure(21, 15, QImage::Format_RGB32);
        figure.fill(QColor(0, 0, 200));
        for (const QString& name : allFigurePictureFileNames())
            figure.save(root.filePath(QStringLiteral("Pictures/") + name), "BMP");
        root.mkpath(QStringLiteral("Playgrounds"));
        QImage rink(675, 420, QImage::Format_RGB32);
        rink.fill(QColor(230, 240, 255));
        saveBytes(root.filePath(QStringLiteral("Playgrounds/Rink.jpg")), encodeJpeg(rink));
    }
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

void BM_FullRestore500(benchmark::State& state) {
    Installation& source = populated();
    const QString file = QDir(source.dir.path()).filePath(QStringLiteral("restore.abp"));
    QString error;
    writeFullBackup(source.folders(), file, &error);
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<Installation>();
        state.ResumeTiming();
        FullBackupHooks hooks;
        hooks.rewriter = [&target](BackupKind kind) {
            return practiseRewriter(kind, *target->settings, target->language);
        };
        const FullRestoreReport report = restoreFullBackup(target->folders(), file, hooks);
        if (!report.ok() || report.reports.first().added != kPractises)
            state.SkipWithError("restore failed");
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}

// The restore without drawing the pictures again: the share of reading the bundle and
// writing the files.
void BM_FullRestore500WithoutRedraw(benchmark::State& state) {
    Installation& source = populated();
    const QString file = QDir(source.dir.path()).filePath(QStringLiteral("plain.abp"));
    QString error;
    writeFullBackup(source.folders(), file, &error);
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<Installation>();
        state.ResumeTiming();
        FullBackupHooks hooks;
        hooks.rewriter = [](BackupKind) { return ItemRewriter(); };
        restoreFullBackup(target->folders(), file, hooks);
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FullBackup500)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FullRestore500)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FullRestore500WithoutRedraw)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
