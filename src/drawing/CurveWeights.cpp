#include "drawing/CurveWeights.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace korvex {

namespace {

// Bernstein weights below this (relative to the largest, which is 1 before normalising)
// change a point by far less than 1e-9 pixels; the sums stop there.
constexpr double kNegligibleWeight = 1e-17;

// Tables kept at a time: a drawing has lines of a few point counts. The newest table is
// always kept; older ones go when the kept tables would hold more than kCachedBytes.
constexpr size_t kCachedCounts = 8;
constexpr size_t kCachedBytes = size_t(8) << 20;

} // namespace

CurveWeights::CurveWeights(size_t count, int firstStep, int lastStep)
    : m_count(count), m_firstStep(firstStep) {
    const size_t n = count;
    if (n == 0)
        return;
    const int degree = kRepeats * int(n) - 1; // N; the virtual points are Q[j] = P[j / 6]

    // The weight of Q[j] is b(j) = binom(N, j) t^j (1-t)^(N-j). Consecutive weights differ by
    // the factor ratio(j) q with ratio(j) = (N - j + 1) / j and q = t / (1 - t), so the six
    // weights of control point i are b(6i) times a polynomial of degree 5 in q whose
    // coefficients depend on N only:
    //   group(i) = b(6i) (1 + c1 q + c2 q^2 + ... + c5 q^5), c_k = ratio(6i+1) ... ratio(6i+k)
    // and b(6i + 6) = b(6i) step(i) q^6 with step(i) = c5 ratio(6i + 6).
    auto ratio = [degree](int j) { return double(degree - j + 1) / double(j); };
    std::vector<double> inverseRatio(size_t(degree) + 1, 0.0);
    for (int j = 1; j <= degree; ++j)
        inverseRatio[size_t(j)] = double(j) / double(degree - j + 1);
    std::vector<double> inverseStep(n, 0.0);
    std::vector<std::array<double, kRepeats>> coefficients(n);
    std::vector<double> step(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const int first = kRepeats * int(i);
        double c = 1.0;
        coefficients[i][0] = 1.0;
        for (int k = 1; k < kRepeats; ++k) {
            c *= ratio(first + k);
            coefficients[i][size_t(k)] = c;
        }
        if (i + 1 < n) {
            step[i] = c * ratio(first + kRepeats);
            inverseStep[i] = 1.0 / step[i];
        }
    }

    m_samples.reserve(size_t(std::max(0, lastStep - firstStep + 1)));
    for (int stepIndex = firstStep; stepIndex <= lastStep; ++stepIndex) {
        const double t = double(stepIndex) / kSteps;
        const double q = t / (1.0 - t);
        const double invQ = (1.0 - t) / t;
        double powers[kRepeats];
        powers[0] = 1.0;
        for (int k = 1; k < kRepeats; ++k)
            powers[k] = powers[k - 1] * q;
        const double q6 = powers[kRepeats - 1] * q;
        const double invQ2 = invQ * invQ;
        const double invQ6 = invQ2 * invQ2 * invQ2;
        auto groupSum = [&](size_t i, double firstWeight) {
            const auto& c = coefficients[i];
            double sum = 0.0;
            for (int k = 0; k < kRepeats; ++k)
                sum += c[size_t(k)] * powers[k];
            return firstWeight * sum;
        };

        // The weights peak at the binomial mode; give that weight 1 and walk outward group by
        // group, where the group sums only shrink; the point is normalised by the total (which
        // is 1 for the exact weights). Nothing can overflow, and negligible groups end the walk.
        int mode = int(std::floor((degree + 1) * t));
        if (mode > degree)
            mode = degree;
        const size_t home = size_t(mode / kRepeats);
        double homeWeight = 1.0; // b(6 home) relative to b(mode)
        for (int j = mode; j > kRepeats * int(home); --j)
            homeWeight *= invQ * inverseRatio[size_t(j)];

        Sample sample{int(home), 0, 0, m_weights.size(), 0.0};
        auto add = [&](double g) {
            sample.sumW += g;
            m_weights.push_back(g);
        };
        add(groupSum(home, homeWeight));
        double w = homeWeight;
        for (size_t i = home + 1; i < n; ++i) {
            w *= step[i - 1] * q6;
            const double g = groupSum(i, w);
            if (g < kNegligibleWeight)
                break;
            add(g);
            ++sample.above;
        }
        w = homeWeight;
        for (size_t i = home; i-- > 0;) {
            w *= invQ6 * inverseStep[i];
            const double g = groupSum(i, w);
            if (g < kNegligibleWeight)
                break;
            add(g);
            ++sample.below;
        }
        m_samples.push_back(sample);
    }
    m_weights.shrink_to_fit();
}

size_t CurveWeights::bytes() const {
    return m_samples.size() * sizeof(Sample) + m_weights.size() * sizeof(double);
}

std::shared_ptr<const CurveWeights> CurveWeights::forCount(size_t count) {
    // Most recently used first.
    static std::mutex mutex;
    static std::vector<std::shared_ptr<const CurveWeights>> cache;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        for (size_t k = 0; k < cache.size(); ++k) {
            if (cache[k]->count() == count) {
                auto found = cache[k];
                cache.erase(cache.begin() + std::ptrdiff_t(k));
                cache.insert(cache.begin(), found);
                return found;
            }
        }
    }
    // Worked out outside the lock, so other threads' curves are not held up; two threads
    // asking for a new count at once both work it out and one table is kept.
    auto table = std::make_shared<const CurveWeights>(count, 1, kSteps - 1);
    const std::lock_guard<std::mutex> lock(mutex);
    for (const auto& cached : cache)
        if (cached->count() == count)
            return cached;
    cache.insert(cache.begin(), table);
    size_t kept = 0, bytes = 0;
    while (kept < cache.size() && kept < kCachedCounts &&
           (kept == 0 || bytes + cache[kept]->bytes() <= kCachedBytes))
        bytes += cache[kept++]->bytes();
    cache.resize(kept);
    return table;
}

} // namespace korvex
