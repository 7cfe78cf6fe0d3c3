// A curve of 10 control points (4,001 samples) as the program computes it, against the
// floor: a tight evaluation from a weight table made once per point count, every sample a
// plain weighted sum of the control points, de-duplicated the same way. Both run in turn in
// every iteration, so the machine's noise falls on both alike; `ratio` is program / floor.
#include "BenchFixtures.h"
#include "drawing/LineGeometry.h"

#include <chrono>
#include <cmath>

using namespace korvex;
using korvex::linegeometry::curvedPath;

namespace {

constexpr int kSteps = 4000;
constexpr int kRepeats = 6;

// Weights[step][i]: the Bernstein weight of control point i (counted six times) at
// t = step / 4000, made once.
std::vector<double> floorWeights(int count) {
    const int degree = kRepeats * count - 1;
    std::vector<double> weights(size_t(kSteps + 1) * size_t(count), 0.0);
    for (int step = 0; step <= kSteps; ++step) {
        const double t = double(step) / kSteps;
        for (int j = 0; j <= degree; ++j) {
            const double logBinom =
                std::lgamma(degree + 1.0) - std::lgamma(j + 1.0) - std::lgamma(degree - j + 1.0);
            const double w = std::exp(logBinom) * std::pow(t, j) * std::pow(1 - t, degree - j);
            weights[size_t(step) * size_t(count) + size_t(j / kRepeats)] += w;
        }
    }
    return weights;
}

std::vector<QPointF> floorCurve(const std::vector<double>& weights, const std::vector<double>& x,
                                const std::vector<double>& y) {
    const size_t n = x.size();
    std::vector<QPointF> path;
    path.reserve(1024);
    for (int step = 0; step <= kSteps; ++step) {
        const double* w = weights.data() + size_t(step) * n;
        double px = 0.0, py = 0.0;
        for (size_t i = 0; i < n; ++i) {
            px += w[i] * x[i];
            py += w[i] * y[i];
        }
        if (!path.empty() && std::fabs(px - path.back().x()) <= 0.3 &&
            std::fabs(py - path.back().y()) <= 0.3)
            continue;
        path.push_back(QPointF(px, py));
    }
    path.shrink_to_fit();
    return path;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void BM_Curve10PointsVsFloor(benchmark::State& state) {
    std::vector<QPoint> points;
    for (int i = 0; i < 10; ++i)
        points.push_back(QPoint(40 + 60 * i, 60 + (i * 97) % 300));
    std::vector<double> x, y;
    for (const QPoint& p : points) {
        x.push_back(p.x());
        y.push_back(p.y());
    }
    const std::vector<double> weights = floorWeights(int(points.size()));
    // The program's table for 10 points is made by its first curve, as in a drawing.
    const std::vector<QPointF> first = curvedPath(points);
    // The same curve within a sample or two (the floor's weights differ in the last bits,
    // which may move a sample across the 0.3 de-duplication).
    const long sizeDifference = long(floorCurve(weights, x, y).size()) - long(first.size());
    if (std::abs(sizeDifference) > 2)
        state.SkipWithError("the floor does not sample the same curve");
    double program = 0.0, floor = 0.0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        std::vector<QPointF> path = curvedPath(points);
        benchmark::DoNotOptimize(path.data());
        const auto t1 = std::chrono::steady_clock::now();
        std::vector<QPointF> reference = floorCurve(weights, x, y);
        benchmark::DoNotOptimize(reference.data());
        const auto t2 = std::chrono::steady_clock::now();
        program += seconds(t1 - t0);
        floor += seconds(t2 - t1);
        state.SetIterationTime(seconds(t1 - t0));
    }
    state.counters["floor_us"] = floor * 1e6 / double(state.iterations());
    state.counters["ratio"] = program / floor;
}
BENCHMARK(BM_Curve10PointsVsFloor)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(addMinMax);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
