// A plan of 20 graphic practises with a filled heading and two text notes: printed in its
// basic and advanced forms onto A4 pages of a PDF file, and written as its full HTML page
// with the 20 pictures.
#include "BenchFixtures.h"

#include "print/PageLayout.h"
#include "print/PlanPrint.h"
#include "print/PrintToPdf.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TrainingPlanHtml.h"

#include <QFile>

using namespace korvex;

namespace {

constexpr int kPractises = 20;

struct PlanInstallation : BenchInstallation {
    std::unique_ptr<TTrainingPlan> plan;

    PlanInstallation() {
        const QDir root(dir.path());
        root.mkpath(QStringLiteral("GraphicPractises/C/S"));
        root.mkpath(QStringLiteral("TrainingPlans/TrainingPlanCategory/Team"));
        root.mkpath(QStringLiteral("Data"));
        QFile::copy(QStringLiteral(KORVEX_APP_DIR "/Data/Html.txt"),
                    root.filePath(QStringLiteral("Data/Html.txt")));
        plan = std::make_unique<TTrainingPlan>(dir.path(), QStringLiteral("TrainingPlans"), false,
                                               &language, settings.get());
        plan->setName(QStringLiteral("Bench"));
        plan->heading.place = QStringLiteral("Winter stadium");
        plan->heading.aim = {QStringLiteral("Breakouts and support")};
        plan->description = {QStringLiteral("Full speed."), QStringLiteral("Short shifts.")};
        for (int n = 0; n < 2; ++n) {
            TTextData note;
            note.number = QString::number(n + 1);
            note.time = QStringLiteral("10");
            note.contains = {QStringLiteral("Warm-up in pairs, edges and crossovers")};
            note.methods = {QStringLiteral("Stations")};
            plan->textBlocks.append(note);
        }
        for (int i = 0; i < kPractises; ++i) {
            TGraphicPractise practise(*settings, language);
            practise.setGroundName(QStringLiteral("Rink"));
            for (int f = 0; f < 8; ++f) {
                auto figure = std::make_unique<TFigure>(practise.figures().settings());
                figure->setKind(static_cast<quint8>(f % 7));
                figure->setPosition(QPoint(60 + f * 70, 80 + (f * 37 + i * 11) % 260));
                practise.figures().add(std::move(figure));
            }
            const QString name = QStringLiteral("Drill %1").arg(i + 1);
            practise.Save(root.filePath(QStringLiteral("GraphicPractises/C/S/") + name));
            plan->paths.append(QStringLiteral("GraphicPractises\\C\\S\\") + name +
                               QStringLiteral(".gmp"));
            TPractisesData item;
            item.name = name;
            item.time = QStringLiteral("8");
            item.description = {QStringLiteral("Pass to the wing on the boards."),
                                QStringLiteral("Centre swings low and supports."),
                                QStringLiteral("Regroup at the red line and attack 2 on 1.")};
            plan->items.append(item);
        }
    }
};

void printPlan(benchmark::State& state, bool advanced) {
    PlanInstallation inst;
    const QString pdf = inst.dir.filePath(QStringLiteral("plan.pdf"));
    const PrintBody body = [&](PageCanvas& canvas, QString& error) {
        PageLayout layout(canvas);
        return advanced
                   ? printPlanAdvanced(layout, *inst.plan, inst.language, inst.dir.path(), error)
                   : printPlanBasic(layout, *inst.plan, inst.language, inst.dir.path(), error);
    };
    for (auto _ : state) {
        QString error;
        if (!printToPdf(pdf, QStringLiteral("Korvex - Bench"), body, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
}

void BM_PrintPlanBasicToPdf(benchmark::State& state) {
    printPlan(state, false);
}

void BM_PrintPlanAdvancedToPdf(benchmark::State& state) {
    printPlan(state, true);
}

void BM_WritePlanFullHtml(benchmark::State& state) {
    PlanInstallation inst;
    const QString page = inst.dir.filePath(QStringLiteral("out/plan.html"));
    QDir().mkpath(inst.dir.filePath(QStringLiteral("out")));
    for (auto _ : state) {
        QString error;
        if (!writeTrainingPlanHtml(*inst.plan, inst.language, inst.dir.path(), page, PlanPage::Full,
                                   &error))
            state.SkipWithError(error.toUtf8().constData());
    }
}

} // namespace

BENCHMARK(BM_PrintPlanBasicToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintPlanAdvancedToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePlanFullHtml)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return korvex::runBenchmarks(argc, argv);
}
