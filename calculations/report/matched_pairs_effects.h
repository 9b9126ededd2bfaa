// Effect size of matched pairs: the mean of the differences (first minus second) with its t
// interval, and d_z = mean difference / SD of the differences with the noncentral t interval.
#pragma once

#include "calculations/report/standardized_mean_difference.h"

#include <vector>

namespace quillon::report {

// From the summaries of the differences.
StandardizedMeanDifference matchedPairsEffects(double meanDifference, double sdDifference,
                                               double pairs, double level = 0.95);

// From the pairs themselves (first[i] with second[i]; the shorter length counts).
StandardizedMeanDifference matchedPairsEffects(const std::vector<double>& first,
                                               const std::vector<double>& second,
                                               double level = 0.95);

} // namespace quillon::report
