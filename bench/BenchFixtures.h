#pragma once

// Set-up shared by the benchmark programs: a throw-away installation to load and save in,
// and the main function body that runs the registered benchmarks without a window system.
#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/FigurePictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace korvex {

// A throw-away installation with settings, figure pictures and a rink named "Rink".
struct BenchInstallation {
    QTemporaryDir dir;
    std::unique_ptr<TSettings> settings;
    TLanguage language;

    BenchInstallation() {
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
};

// Adds the least and the greatest repetition to the statistics that
// --benchmark_repetitions reports (mean, median and deviation come with the library).
inline void addMinMax(benchmark::internal::Benchmark* b) {
    b->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    b->ComputeStatistics(
        "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

// Runs every registered benchmark; without a chosen platform it draws offscreen.
inline int runBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace korvex
