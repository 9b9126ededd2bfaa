// The ratio of two variances, sd1^2 / sd2^2, with its interval from the central F distribution on
// n1 - 1 and n2 - 1 degrees of freedom: [ratio / F(1 - a/2), ratio / F(a/2)] (the interval of the
// F-test of two variances; Snedecor and Cochran (1989)). The caller passes the groups in the order
// it reports them, so that the ratio is the F-ratio it shows.
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct VarianceRatioInterval {
    DefinedNumber ratio;
    DefinedBounds ratioInterval;
};

VarianceRatioInterval varianceRatioInterval(double sd1, double n1, double sd2, double n2,
                                            double level = 0.95);

} // namespace quillon::report
