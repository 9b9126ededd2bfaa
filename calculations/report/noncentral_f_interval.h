// The confidence interval of the noncentrality parameter lambda from an observed F: the
// noncentral F distribution inverted at both tails (Steiger (2004), the interval of eta squared
// by inverting the noncentral F).
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

// Bounds [lower, upper] with P(F' <= f | lower) = 1 - (1 - level)/2 and P(F' <= f | upper) =
// (1 - level)/2 for F' noncentral F on df1 and df2 degrees of freedom; a bound that would fall
// below 0 is 0. Not defined for df1 or df2 <= 0, a level outside (0, 1), or an F too large for the
// exact distribution.
DefinedBounds noncentralFInterval(double f, double df1, double df2, double level);

// The largest df1 x F inverted exactly (under 10 ms at worst); larger ones are not defined.
inline constexpr double largestInvertibleLambda = 1.0e5;

} // namespace quillon::report
