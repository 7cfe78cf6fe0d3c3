// The library search over an installation of 10,000 graphic practises written here: the
// time to read them all into the index, and the time of one-, two- and three-word queries
// (each asks for the first 60 hits, as the Find panel does, and checks them against their
// files).
#include "BenchFixtures.h"

#include "core/BinaryWriter.h"
#include "core/StreamRecords.h"
#include "storage/search/LibraryIndex.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace korvex {

namespace {

constexpr int kCategories = 20;
constexpr int kSubcategories = 10;
constexpr int kPerSubcategory = 50; // 20 x 10 x 50 = 10,000 practises

// A vocabulary of hockey words and made-up ones, some with accents, so that prefixes of
// every length have many and few matches.
QStringList vocabulary() {
    QStringList words = {QStringLiteral("bruslení"),  QStringLiteral("přihrávka"),
                         QStringLiteral("střela"),    QStringLiteral("Übung"),
                         QStringLiteral("forecheck"), QStringLiteral("breakout"),
                         QStringLiteral("Torwart"),   QStringLiteral("powerplay"),
                         QStringLiteral("crossover"), QStringLiteral("backhand")};
    const QStringList syllables = {
        QStringLiteral("ka"),  QStringLiteral("ro"),  QStringLiteral("mi"), QStringLiteral("tu"),
        QStringLiteral("sel"), QStringLiteral("van"), QStringLiteral("dě"), QStringLiteral("bri"),
        QStringLiteral("po"),  QStringLiteral("lüt")};
    QRandomGenerator random(7);
    while (words.size() < 3000) {
        QString word;
        const int length = 2 + int(random.bounded(3));
        for (int i = 0; i < length; ++i)
            word += syllables.at(int(random.bounded(qsizetype(syllables.size()))));
        words.append(word);
    }
    return words;
}

QByteArray practiseBytes(const QStringList& description, const QStringList& keywords) {
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(141);
    writeStreamStrings(out, description);
    writeStreamStrings(out, keywords);
    out.writeInt32(0); // figures
    out.writeInt32(0); // lines
    out.writeByte(0);
    writeStreamString(out, QStringLiteral("Rink"));
    out.writeBytes(QByteArray(64, '\0'));
    return bytes;
}

// The installation, written once for the whole run.
struct SearchLibrary {
    QTemporaryDir dir;
    QList<LibraryRoot> roots;
    LibraryIndex index;

    SearchLibrary() {
        const QStringList words = vocabulary();
        QRandomGenerator random(11);
        const auto pick = [&](int count) {
            QStringList picked;
            for (int i = 0; i < count; ++i)
                picked.append(words.at(int(random.bounded(qsizetype(words.size())))));
            return picked.join(QLatin1Char(' '));
        };
        const QString folder = dir.filePath(QStringLiteral("GraphicPractises"));
        for (int c = 0; c < kCategories; ++c) {
            for (int s = 0; s < kSubcategories; ++s) {
                const QString sub =
                    QStringLiteral("%1/Category %2/Sub %3").arg(folder).arg(c).arg(s);
                QDir().mkpath(sub);
                for (int p = 0; p < kPerSubcategory; ++p) {
                    const QByteArray bytes =
                        practiseBytes({pick(12), pick(10)}, {pick(2), pick(1)});
                    saveBytes(QStringLiteral("%1/%2 %3.gmp").arg(sub, pick(2)).arg(p), bytes);
                }
            }
        }
        roots = {{ItemKind::GraphicPractise, folder}};
        index = LibraryIndex(roots);
        index.rebuild();
    }
};

SearchLibrary& library() {
    static SearchLibrary instance;
    return instance;
}

void BM_IndexBuild(benchmark::State& state) {
    SearchLibrary& lib = library();
    for (auto _ : state) {
        LibraryIndex index(lib.roots);
        index.rebuild();
        benchmark::DoNotOptimize(index.count());
    }
    state.counters["items"] = lib.index.count();
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void query(benchmark::State& state, const QStringList& texts) {
    SearchLibrary& lib = library();
    qint64 matches = 0;
    int i = 0;
    for (auto _ : state) {
        int total = 0;
        // The Find panel's query: the first 60 hits, checked against their files.
        benchmark::DoNotOptimize(lib.index.query(texts.at(i++ % texts.size()), 60, &total));
        matches += total;
    }
    state.counters["matches/query"] = double(matches) / double(state.iterations());
}

void BM_QueryOneWord(benchmark::State& state) {
    query(state, {QStringLiteral("stre"), QStringLiteral("ka"), QStringLiteral("ubu"),
                  QStringLiteral("rovan")});
}
BENCHMARK(BM_QueryOneWord)->Unit(benchmark::kMillisecond);

void BM_QueryTwoWords(benchmark::State& state) {
    query(state, {QStringLiteral("stre bru"), QStringLiteral("ka ro"),
                  QStringLiteral("torwart pri"), QStringLiteral("mi tu")});
}
BENCHMARK(BM_QueryTwoWords)->Unit(benchmark::kMillisecond);

void BM_QueryThreeWords(benchmark::State& state) {
    query(state, {QStringLiteral("stre bru pre"), QStringLiteral("ka ro mi"),
                  QStringLiteral("powerplay torwart ubung"), QStringLiteral("sel van de")});
}
BENCHMARK(BM_QueryThreeWords)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace korvex

int main(int argc, char** argv) {
    return korvex::runBenchmarks(argc, argv);
}
