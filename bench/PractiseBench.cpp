// Saving and loading a graphic practise with 50 lines and 30 figures on the large canvas,
// and the JPEG encoding part of the save (picture and thumbnail) on its own.
#include "BenchFixtures.h"
#include "RawJpeg.h"
#include "storage/TGraphicPractise.h"
#include "storage/Thumbnail.h"

using namespace korvex;

namespace {

// The shared installation with a folder for the practise.
struct Installation : BenchInstallation {
    Installation() {
        const QDir root(dir.path());
        root.mkpath(QStringLiteral("GraphicPractises/C/S"));
    }

    QString stem() const { return dir.filePath(QStringLiteral("GraphicPractises/C/S/bench")); }
};

void fill(TGraphicPractise& practise) {
    practise.setGroundName(QStringLiteral("Rink"));
    practise.loadStandardGround();
    for (int i = 0; i < 30; ++i) {
        auto figure = std::make_unique<TFigure>(practise.figures().settings());
        figure->setKind(static_cast<quint8>(i % 11));
        figure->setPosition(QPoint(20 + (i * 97) % 640, 20 + (i * 53) % 380));
        figure->setText(QString::number(i + 1));
        practise.figures().add(std::move(figure));
    }
    for (int i = 0; i < 50; ++i) {
        auto line = std::make_unique<TLine>(&practise.drawingSettings());
        for (int p = 0; p < 4; ++p)
            line->addPoint(QPoint(30 + (i * 13 + p * 90) % 620, 30 + (i * 29 + p * 60) % 360));
        line->setLineKind(static_cast<quint8>(i % 7));
        line->setEndKind(static_cast<quint8>(i % 5));
        line->setCurved(i % 2 == 0);
        practise.lines().add(std::move(line));
    }
}

// Saving the same practise again and again: from the second save on its drawing is the last
// save's, so the pictures are not drawn again (BM_SaveRatio times the save after an edit).
void BM_SavePractise(benchmark::State& state) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    fill(practise);
    for (auto _ : state) {
        if (!practise.Save(inst.stem()))
            state.SkipWithError("save failed");
    }
}

void BM_LoadPractise(benchmark::State& state) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    fill(practise);
    practise.Save(inst.stem());
    for (auto _ : state) {
        if (!practise.Load(inst.stem()))
            state.SkipWithError("load failed");
    }
}

// The JPEG share of a save: encoding the picture and its thumbnail.
void BM_SaveJpegEncoding(benchmark::State& state) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    fill(practise);
    const QImage picture = practise.RenderPicture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeJpeg(picture));
        benchmark::DoNotOptimize(encodeJpeg(boxFilterThumbnail(picture)));
    }
}

// The rendering share of a save: ground, 50 lines and 30 figures.
void BM_RenderPractise(benchmark::State& state) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    fill(practise);
    for (auto _ : state)
        benchmark::DoNotOptimize(practise.RenderPicture());
}

// A whole save (data file, picture, thumbnail, written, synced and renamed into place)
// against its floor measured in the same iteration: libjpeg-turbo encoding the same
// 675 x 420 and 225 x 140 pixels directly. `edit` changes the practise before each save, as
// the coach does before the program saves, and returns the picture the editor drew to show
// the change (a null picture where nothing was shown). Drawing it for the screen is not
// timed; handing it to the practise is, with the save.
template <typename Edit> void saveRatio(benchmark::State& state, Edit edit) {
    Installation inst;
    TGraphicPractise practise(*inst.settings, inst.language);
    fill(practise);
    const QImage picture = practise.RenderPicture().convertToFormat(QImage::Format_RGB32);
    const QImage thumbnail = boxFilterThumbnail(picture).convertToFormat(QImage::Format_RGB32);
    // The first save makes the files and warms what is made once; every timed save replaces
    // the files, as saving an open practise does.
    practise.Save(inst.stem());
    bench::rawEncode(picture);
    bench::Took figure;
    bench::Took floor;
    int round = 0;
    for (auto _ : state) {
        const QImage shown = edit(practise, ++round);
        const bench::Took saved = bench::secondsOf([&] {
            if (!shown.isNull())
                practise.keepRenderedPicture(shown);
            if (!practise.Save(inst.stem()))
                state.SkipWithError("save failed");
        });
        floor += bench::secondsOf([&] {
            benchmark::DoNotOptimize(bench::rawEncode(picture));
            benchmark::DoNotOptimize(bench::rawEncode(thumbnail));
        });
        figure += saved;
        state.SetIterationTime(saved.wall);
    }
    bench::reportRatio(state, figure, floor);
}

// The save after a drawing edit in the editor (a figure moved): the editor drew the changed
// practise to show it and hands that picture over; the save encodes it.
void BM_SaveRatio(benchmark::State& state) {
    saveRatio(state, [](TGraphicPractise& practise, int round) {
        practise.figures().at(0)->setPosition(QPoint(20 + round % 2, 20));
        return practise.RenderPicture();
    });
}

// The same edit made where nothing shows it (korvex-cli, an import): the save draws the
// picture itself.
void BM_SaveUnshownRatio(benchmark::State& state) {
    saveRatio(state, [](TGraphicPractise& practise, int round) {
        practise.figures().at(0)->setPosition(QPoint(20 + round % 2, 20));
        return QImage();
    });
}

// The save after the description was edited: the drawing is the last save's, so are its
// picture and thumbnail.
void BM_SaveTextRatio(benchmark::State& state) {
    saveRatio(state, [](TGraphicPractise& practise, int round) {
        practise.description() = QStringList{QStringLiteral("Round %1").arg(round)};
        return QImage();
    });
}

} // namespace

BENCHMARK(BM_SavePractise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPractise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveJpegEncoding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPractise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRatio)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40)
    ->Apply(korvex::bench::withMinMax);
BENCHMARK(BM_SaveUnshownRatio)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40)
    ->Apply(korvex::bench::withMinMax);
BENCHMARK(BM_SaveTextRatio)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40)
    ->Apply(korvex::bench::withMinMax);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
