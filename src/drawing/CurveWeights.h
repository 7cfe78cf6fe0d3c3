#pragma once

#include <QPoint>
#include <QPointF>

#include <memory>
#include <vector>

namespace korvex {

// The sample weights of a curve of n control points: a Bezier curve in which every control
// point counts six times, sampled at t = 0, 1/4000, ..., 1. The weights depend on n only, so
// they are worked out once per count and kept (a few counts at a time); a curve is then a
// weighted sum per sample. The table holds, for every inner sample, the weight of each control
// point group that matters, in the order the sums take them, so every path keeps the exact
// bits of the direct evaluation.
class CurveWeights {
public:
    static constexpr int kSteps = 4000; // t = 0, 0.00025, ..., 1
    static constexpr int kRepeats = 6;  // every control point counts six times

    // Counts up to this are kept in the shared cache; a table of this many points holds
    // about 3 MB. Larger counts (only a damaged or hostile file has them) are worked out in
    // passes of kPassSteps samples, so no table grows with the count beyond that.
    static constexpr size_t kMaxCachedCount = 1000;
    static constexpr int kPassSteps = 250;

    // The weights of the inner samples firstStep .. lastStep (within 1 .. kSteps - 1).
    CurveWeights(size_t count, int firstStep, int lastStep);

    // The whole table for `count` (at most kMaxCachedCount) control points, from the shared
    // cache (safe from any thread).
    static std::shared_ptr<const CurveWeights> forCount(size_t count);

    size_t count() const { return m_count; }
    size_t bytes() const;

    // The curve point at inner sample `step` (firstStep .. lastStep); `x` and `y` hold the
    // control point coordinates.
    QPointF point(int step, const double* x, const double* y) const {
        const Sample& s = m_samples[size_t(step - m_firstStep)];
        const double* g = m_weights.data() + s.offset;
        double sumX = 0.0, sumY = 0.0;
        sumX += g[0] * x[s.home];
        sumY += g[0] * y[s.home];
        for (int k = 1; k <= s.above; ++k) {
            sumX += g[k] * x[s.home + k];
            sumY += g[k] * y[s.home + k];
        }
        g += s.above;
        for (int k = 1; k <= s.below; ++k) {
            sumX += g[k] * x[s.home - k];
            sumY += g[k] * y[s.home - k];
        }
        return QPointF(sumX / s.sumW, sumY / s.sumW);
    }

private:
    // One inner sample: the groups home, home + 1 .. home + above, then home - 1 .. home -
    // below, with their weights from `offset` on and their sum.
    struct Sample {
        int home;
        int above;
        int below;
        size_t offset;
        double sumW;
    };

    size_t m_count;
    int m_firstStep;
    std::vector<Sample> m_samples;
    std::vector<double> m_weights;
};

} // namespace korvex
