// Start-up to the first painted main window, against the floor of an empty QMainWindow of
// the same size shown and painted once, both offscreen. Every iteration starts the program
// on a copy of the built runtime tree with its kept pictures (title cards, rinks) forgotten,
// as at a real start, then shows the empty window; `ratio` is program / floor. The Qt
// application, its fonts and its style exist before either is timed.
#include "BenchFixtures.h"

#include "core/FileHelpers.h"
#include "drawing/CanvasTexts.h"
#include "storage/RinkPictureCache.h"
#include "ui/TFormKorvex.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMainWindow>

#include <chrono>

using namespace korvex;

namespace {

// Notes the first paint event of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and runs the event loop until it has been painted once.
bool showAndPaint(QWidget& window) {
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    QElapsedTimer timeout;
    timeout.start();
    while (!watch.painted && timeout.elapsed() < 10000)
        QCoreApplication::processEvents();
    window.removeEventFilter(&watch);
    return watch.painted;
}

// A copy of the built runtime tree (settings, language, pictures, rinks), without programs.
bool copyRuntime(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isExecutable())
            continue;
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).path());
        if (!copyFile(path, target, nullptr))
            return false;
    }
    return true;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void BM_StartUpVsEmptyWindow(benchmark::State& state) {
    QTemporaryDir dir;
    if (!copyRuntime(QStringLiteral(KORVEX_APP_DIR), dir.path())) {
        state.SkipWithError("the runtime tree could not be copied; build korvex first");
        return;
    }
    double program = 0.0, floor = 0.0;
    for (auto _ : state) {
        clearTitleCards();
        RinkPictureCache::shared().clear();
        QSize size;
        {
            const auto t0 = std::chrono::steady_clock::now();
            TFormKorvex window(dir.path());
            const bool started = window.startUp() && showAndPaint(window);
            const auto t1 = std::chrono::steady_clock::now();
            if (!started) {
                state.SkipWithError("the program did not start or paint");
                return;
            }
            program += seconds(t1 - t0);
            state.SetIterationTime(seconds(t1 - t0));
            size = window.size();
        }
        const auto t2 = std::chrono::steady_clock::now();
        QMainWindow empty;
        empty.resize(size);
        const bool painted = showAndPaint(empty);
        const auto t3 = std::chrono::steady_clock::now();
        if (!painted) {
            state.SkipWithError("the empty window was not painted");
            return;
        }
        floor += seconds(t3 - t2);
    }
    state.counters["floor_ms"] = floor * 1e3 / double(state.iterations());
    state.counters["ratio"] = program / floor;
}
BENCHMARK(BM_StartUpVsEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Apply(addMinMax);

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
