// Writing the animated GIF of a tactics practise of ten frames with twelve figures on a
// rink: frame by frame, and smooth (25 pictures a second at 200 ms per frame, 46 pictures).
#include "BenchFixtures.h"

#include "storage/AnimationGif.h"
#include "storage/TTacticsPractise.h"

#include <QBuffer>

using namespace korvex;

namespace {

constexpr int kFrames = 10;

void BM_AnimationGif(benchmark::State& state) {
    BenchInstallation inst;
    TTacticsPractise practise(*inst.settings, inst.language);
    practise.setGroundName(QStringLiteral("Rink"));
    practise.loadStandardGround();
    const DrawingSettings* ds = &practise.drawingSettings();
    for (int frame = 0; frame < kFrames; ++frame) {
        TFigures* figures = frame == 0 ? &practise.figures()
                                       : practise.animation().add(std::make_unique<TFigures>(ds));
        for (int i = 0; i < 12; ++i) {
            auto figure = std::make_unique<TFigure>(ds);
            figure->setKind(static_cast<quint8>(i % 7));
            figure->setPosition(QPoint(40 + i * 50 + frame * 8, 60 + (i * 71 + frame * 13) % 300));
            figures->add(std::move(figure));
        }
    }
    const bool smooth = state.range(0) != 0;
    for (auto _ : state) {
        QByteArray gif;
        QBuffer buffer(&gif);
        buffer.open(QIODevice::WriteOnly);
        QString error;
        if (!writeAnimationGif(practise, &buffer, 200, smooth, &error))
            state.SkipWithError(error.toUtf8().constData());
        benchmark::DoNotOptimize(gif.size());
    }
}
BENCHMARK(BM_AnimationGif)->Arg(0)->Arg(1)->ArgNames({"smooth"})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
