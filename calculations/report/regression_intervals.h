#pragma once
// Simple linear regression of y on x by least squares: the intervals of the slope and the
// intercept from Student's t with n - 2 degrees of freedom (R's confint of lm), and the adjusted
// r squared, 1 - (1 - r^2)(n - 1) / (n - 2) (R's summary of lm). Everything is formed from the
// sums the calculation already has: the means and the sums of squares and products about them.
#include "calculations/report/defined.h"

namespace quillon::report {

struct RegressionSums {
    double n;     // number of pairs
    double meanX; // mean of x
    double meanY; // mean of y
    double sxx;   // sum of squares of x about its mean
    double syy;   // sum of squares of y about its mean
    double sxy;   // sum of products about the means
};

struct RegressionIntervals {
    DefinedNumber slope;
    DefinedBounds slopeInterval;
    DefinedNumber intercept;
    DefinedBounds interceptInterval;
    DefinedNumber rSquared;
    DefinedNumber adjustedRSquared;
};

// Not defined: fewer than 3 pairs, or no spread in x (nothing at all); no spread in y leaves
// r squared and its adjustment undefined while the line (slope 0) and its intervals stand.
RegressionIntervals regressionIntervals(const RegressionSums& sums, double level = 0.95);

} // namespace quillon::report
