// A mean difference against 0 in units of its standard deviation, from one sample (a sample mean
// against a population mean, or the differences of matched pairs): the difference with its t
// interval, and d = difference / SD with the interval of the noncentral t inverted at
// t = d x sqrt(n) and divided by sqrt(n) (Steiger and Fouladi (1997); Cumming (2012) for d_z).
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct StandardizedMeanDifference {
    DefinedNumber difference;
    DefinedBounds differenceInterval;
    DefinedNumber d;
    DefinedBounds dInterval;
};

// The difference's standard error is sd / sqrt(n) x sqrt(correction), the correction being the
// finite population correction (1 for an infinite population). d and its interval take no
// correction: they describe the sampled population, not the finite one.
StandardizedMeanDifference standardizedMeanDifference(double difference, double sd, double n,
                                                      double level, double correction = 1.0);

} // namespace quillon::report
