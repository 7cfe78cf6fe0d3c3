// Building the explorer's grid for a subcategory of 200 graphic practises: listing the folder,
// reading 200 thumbnails and making the panels, on a shown view (offscreen).
#include "BenchFixtures.h"

#include "core/FileHelpers.h"
#include "storage/TGraphicPractise.h"
#include "ui/explorer/ExplorerComboBox.h"
#include "ui/explorer/TfrmExplorerMode.h"

#include <QApplication>
#include <QFile>

using namespace korvex;

namespace {

constexpr int kPractises = 200;

// The installation with one drawn practise saved and copied 200 times into C / S.
struct Installation : BenchInstallation {
    Installation() {
        const QDir root(dir.path());
        root.mkpath(QStringLiteral("GraphicPractises/C/S"));
        const QString folder = root.filePath(QStringLiteral("GraphicPractises/C/S"));
        TGraphicPractise practise(*settings, language);
        practise.setGroundName(QStringLiteral("Rink"));
        practise.loadStandardGround();
        for (int i = 0; i < 12; ++i) {
            auto figure = std::make_unique<TFigure>(practise.figures().settings());
            figure->setKind(static_cast<quint8>(i % 7));
            figure->setPosition(QPoint(40 + i * 50, 60 + (i * 71) % 300));
            practise.figures().add(std::move(figure));
        }
        for (int i = 0; i < 8; ++i) {
            auto line = std::make_unique<TLine>(&practise.drawingSettings());
            line->addPoint(QPoint(40 + i * 70, 60));
            line->addPoint(QPoint(90 + i * 60, 200));
            line->addPoint(QPoint(60 + i * 65, 360));
            line->setCurved(true);
            practise.lines().add(std::move(line));
        }
        const QString model = folder + QStringLiteral("/model");
        practise.Save(model);
        for (int i = 0; i < kPractises; ++i) {
            const QString stem =
                folder + QStringLiteral("/Drill %1").arg(i, 3, 10, QLatin1Char('0'));
            for (const char* suffix : {".gmp", ".jpg", "Small.jpg"})
                copyFile(model + QString::fromLatin1(suffix), stem + QString::fromLatin1(suffix));
        }
        for (const char* suffix : {".gmp", ".jpg", "Small.jpg"})
            QFile::remove(model + QString::fromLatin1(suffix));
    }
};

void BM_BuildGrid200(benchmark::State& state) {
    Installation inst;
    TfrmExplorerMode view(inst.language, *inst.settings, nullptr);
    view.initialise();
    view.resize(1024, 700);
    view.show();
    // The boxes name C / S as if the coach had picked them.
    view.findChild<ExplorerComboBox*>(QStringLiteral("cmbEXCategory"))
        ->setNames({QStringLiteral("C")}, QString());
    view.findChild<ExplorerComboBox*>(QStringLiteral("cmbEXSubCategory"))
        ->setNames({QStringLiteral("S")}, QString());
    for (auto _ : state) {
        view.BuildGrid();
        // The new panels are polished and the visible ones painted.
        QCoreApplication::processEvents();
        if (view.stems().size() != kPractises)
            state.SkipWithError("the grid does not hold every practise");
    }
    view.tearDown();
}
BENCHMARK(BM_BuildGrid200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
