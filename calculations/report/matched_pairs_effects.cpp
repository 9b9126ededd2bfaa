#include "calculations/report/matched_pairs_effects.h"

#include <algorithm>
#include <cmath>

namespace quillon::report {

StandardizedMeanDifference matchedPairsEffects(double meanDifference, double sdDifference,
                                               double pairs, double level) {
    return standardizedMeanDifference(meanDifference, sdDifference, pairs, level);
}

StandardizedMeanDifference matchedPairsEffects(const std::vector<double>& first,
                                               const std::vector<double>& second, double level) {
    const std::size_t count = std::min(first.size(), second.size());
    if (count == 0)
        return matchedPairsEffects(0.0, 0.0, 0.0, level);
    // Two passes: the mean first, then the squares about it, which keeps the SD exact when the
    // differences sit far from 0.
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += first[i] - second[i];
    const double n = static_cast<double>(count);
    const double mean = sum / n;
    double squares = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double deviation = first[i] - second[i] - mean;
        squares += deviation * deviation;
    }
    const double sd = count > 1 ? std::sqrt(squares / (n - 1.0)) : 0.0;
    return matchedPairsEffects(mean, sd, n, level);
}

} // namespace quillon::report
