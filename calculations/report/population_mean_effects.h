// Effect size of a sample mean against a population mean: the difference mean - mu with its t
// interval (with the finite population correction the test uses), and d = (mean - mu) / SD with
// the noncentral t interval.
#pragma once

#include "calculations/report/standardized_mean_difference.h"

namespace quillon::report {

// populationSize 0 means an infinite population (no correction); otherwise the standard error
// takes the correction (N - n) / (N - 1).
StandardizedMeanDifference populationMeanEffects(double mean, double sd, double n,
                                                 double populationMean, double populationSize = 0.0,
                                                 double level = 0.95);

} // namespace quillon::report
