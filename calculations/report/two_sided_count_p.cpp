#include "calculations/report/two_sided_count_p.h"

#include <algorithm>
#include <cmath>

namespace quillon::report {
namespace {

// Halving spans the whole double range in about 1100 steps; past 2^53 a step of one count may
// not move, and the bound keeps such a search finite.
constexpr int kMaximumSteps = 2200;

} // namespace

double twoSidedCountP(const UnimodalCount& count, double observed) {
    const double limit = count.probability(observed) * (1.0 + 1e-7);
    if (observed == count.mean)
        return 1.0;
    if (observed < count.mean) {
        // The first count from ceil(mean) on that is no more probable than the observed one.
        double low = std::ceil(count.mean);
        double high = count.largest + 1.0; // past the end: nothing there is more probable
        for (int step = 0; step < kMaximumSteps && low < high; ++step) {
            const double middle = std::floor(low + (high - low) / 2.0);
            if (count.probability(middle) <= limit)
                high = middle;
            else
                low = middle + 1.0;
        }
        const double far = low > count.largest ? 0.0 : count.atLeast(low);
        return std::min(1.0, count.atMost(observed) + far);
    }
    // The first count from 0 on that is more probable than the observed one: those below it are
    // no more probable.
    double low = 0.0;
    double high = std::floor(count.mean) + 1.0;
    for (int step = 0; step < kMaximumSteps && low < high; ++step) {
        const double middle = std::floor(low + (high - low) / 2.0);
        if (count.probability(middle) > limit)
            high = middle;
        else
            low = middle + 1.0;
    }
    const double near = low == 0.0 ? 0.0 : count.atMost(low - 1.0);
    return std::min(1.0, near + count.atLeast(observed));
}

} // namespace quillon::report
