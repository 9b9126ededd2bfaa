// The confidence interval of a noncentrality parameter from an observed t: the noncentral t
// distribution inverted at both tails (Steiger and Fouladi (1997), the interval-inversion method
// behind the interval of Cohen's d).
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

// Bounds [lower, upper] with P(T <= t | lower) = 1 - (1 - level)/2 and P(T <= t | upper) =
// (1 - level)/2 for T noncentral t on df degrees of freedom. Not defined for df <= 0, a level
// outside (0, 1), a t that is not finite, or |t| above largestInvertibleT on fewer than
// approximateFromDf degrees of freedom.
DefinedBounds noncentralTInterval(double t, double df, double level);

// The largest |t| inverted exactly (a few milliseconds at worst: the exact series grows with the
// noncentrality). Beyond it, on approximateFromDf degrees of freedom or more, the lower tail is the
// normal approximation that R's pt also takes for large noncentralities (Abramowitz and Stegun
// 26.7.10), P(T <= t | ncp) = Phi((t (1 - 1/(4 df)) - ncp) / sqrt(1 + t^2 / (2 df))), which
// inverts in closed form; its bounds are within about 1e-6 relative of the exact ones there, and
// too far from them on fewer df to be reported.
inline constexpr double largestInvertibleT = 300.0;
inline constexpr double approximateFromDf = 1.0e5;

} // namespace quillon::report
