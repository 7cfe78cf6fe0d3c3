// Start-up to the first painted main window, against the floor of an empty QMainWindow of
// the same size shown and painted once, both whole processes on the offscreen platform:
// `korvex --quit-after-paint` run from a copy of the built installation, and this program
// run as `--empty-window WIDTH HEIGHT`. Each is timed from its launch to the line it writes
// when its window has been painted for the first time (closing down is not timed). Both run
// in turn in every iteration, so the machine's noise falls on both alike; `ratio` is
// program / floor.
#include "BenchFixtures.h"

#include "core/FileHelpers.h"
#include "ui/FirstPaintWatch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

using namespace korvex;

namespace {

// The floor: an empty main window of the given size, shown, painted once, closed.
int runEmptyWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    new FirstPaintWatch(&window, [&window] {
        std::printf("painted %d %d\n", window.width(), window.height());
        std::fflush(stdout);
        window.close();
    });
    window.show();
    return app.exec();
}

// A copy of the built installation (runtime tree and the program), without the tools.
bool copyInstallation(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isExecutable() && info.fileName() != QLatin1String("korvex"))
            continue;
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).path());
        if (!copyFile(path, target, nullptr) ||
            !QFile::setPermissions(target, QFile::permissions(path)))
            return false;
    }
    return true;
}

// Runs `program` and returns the seconds until it wrote its "painted" line (negative when it
// never did); `size` gets the window size it names. The process is then waited for, untimed.
double timeToFirstPaint(const QString& program, const QStringList& arguments, QSize* size) {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    process.start(program, arguments);
    double seconds = -1.0;
    while (seconds < 0 && process.waitForReadyRead(30000)) {
        while (process.canReadLine()) {
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.size() == 3 && words[0] == "painted") {
                seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                *size = QSize(words[1].toInt(), words[2].toInt());
                break;
            }
        }
    }
    process.waitForFinished(30000);
    return seconds;
}

void BM_StartUpVsEmptyWindow(benchmark::State& state) {
    QTemporaryDir dir;
    if (!copyInstallation(QStringLiteral(KORVEX_APP_DIR), dir.path())) {
        state.SkipWithError("the installation could not be copied; build korvex first");
        return;
    }
    const QString korvex = QDir(dir.path()).filePath(QStringLiteral("korvex"));
    const QString self = QCoreApplication::applicationFilePath();
    double program = 0.0, floor = 0.0;
    for (auto _ : state) {
        QSize size;
        const double started =
            timeToFirstPaint(korvex, {QStringLiteral("--quit-after-paint")}, &size);
        QSize emptySize;
        const double empty =
            timeToFirstPaint(self,
                             {QStringLiteral("--empty-window"), QString::number(size.width()),
                              QString::number(size.height())},
                             &emptySize);
        if (started < 0 || empty < 0 || emptySize != size) {
            state.SkipWithError("a window did not report its first paint");
            return;
        }
        program += started;
        floor += empty;
        state.SetIterationTime(started);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "--empty-window") == 0)
        return runEmptyWindow(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
