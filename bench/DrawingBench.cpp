// Timings of the drawing engine: recomputing curved lines and drawing a whole practise.
#include "BenchFixtures.h"
#include "drawing/DrawingSettings.h"
#include "drawing/TFigures.h"
#include "drawing/TLines.h"

using namespace korvex;

namespace {

DrawingSettings& largeSettings() {
    static DrawingSettings settings = DrawingSettings::large(QStringLiteral(KORVEX_APP_DIR));
    return settings;
}

// A skating path of `points` control points: it starts somewhere on the canvas and turns
// every 40 to 100 pixels, as drills on a rink do.
std::unique_ptr<TLine> wavyLine(int points, int seed, bool curved) {
    auto line = std::make_unique<TLine>(&largeSettings());
    int x = 40 + (seed * 131) % 560;
    int y = 40 + (seed * 71) % 320;
    for (int i = 0; i < points; ++i) {
        line->addPoint(QPoint(x, y));
        x = std::clamp(x + ((seed + i) % 2 ? 1 : -1) * (40 + (seed * 17 + i * 29) % 60), 10, 665);
        y = std::clamp(y + ((seed / 2 + i) % 3 - 1) * (30 + (seed * 13 + i * 7) % 40), 10, 410);
    }
    line->setCurved(curved);
    return line;
}

void recomputeCurve(benchmark::State& state) {
    auto line = wavyLine(int(state.range(0)), 1, true);
    for (auto _ : state) {
        line->recompute();
        benchmark::DoNotOptimize(line->path().data());
    }
}
BENCHMARK(recomputeCurve)->Arg(3)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

// 50 lines of every kind, end and colour (a third of them curved) and 30 figures on the
// large canvas. The paths are computed once beforehand, as they are when a practise is
// loaded; the timing is the drawing itself.
void drawPractise(benchmark::State& state) {
    const bool withLines = state.range(0) & 1;
    const bool withFigures = state.range(0) & 2;
    const DrawingSettings& settings = largeSettings();
    const quint32 colours[] = {0x000000, 0x0000FF, 0x00C000, 0xFF0000, 0x800080, 0x0080FF};
    TLines lines(&settings);
    for (int i = 0; i < 50; ++i) {
        TLine* line = lines.add(wavyLine(2 + i % 5, i, i % 3 == 0));
        line->setLineKind(quint8(i % 7));
        line->setEndKind(quint8(i % 5));
        line->setColour(colours[i % 6]);
        line->ensureComputed();
    }
    TFigures figures(&settings);
    const quint8 kinds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15};
    for (int i = 0; i < 30; ++i) {
        auto figure = std::make_unique<TFigure>(&settings);
        if (!figure->setKind(kinds[i % 15])) {
            state.SkipWithError("figure pictures are missing; build korvex_figure_pictures");
            return;
        }
        figure->setPosition(QPoint(30 + (i * 97) % 620, 30 + (i * 61) % 360));
        figure->setText(QString::number(i + 1));
        figures.add(std::move(figure));
    }
    QImage ground(settings.canvasWidth, settings.canvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        ground.fill(Qt::white);
        if (withLines)
            lines.draw(ground);
        if (withFigures)
            figures.draw(ground);
        benchmark::DoNotOptimize(ground.constBits());
    }
}
// 3: the whole practise; 1: its lines only; 2: its figures only.
BENCHMARK(drawPractise)->Arg(3)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
