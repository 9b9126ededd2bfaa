#pragma once
// Two intervals of one percent beside the window's own:
// - Wilson (1927), the score interval (R's prop.test without continuity correction), from the
//   proportion as typed;
// - Clopper and Pearson (1934), the exact interval from beta quantiles (R's binom.test), from
//   the nearest whole count to proportion x size, since a percent of a sample stands for a count.
// Both are for an unlimited population: the window's own interval applies the correction for a
// finite one.
#include "calculations/report/defined.h"

namespace quillon::report {

// The largest size for which the exact interval is formed.
inline constexpr double maximumExactSize = 1e9;

struct PercentIntervals {
    DefinedBounds wilson;
    DefinedBounds exact;
    DefinedNumber count; // the whole count the exact interval is formed from
};

// proportion in [0, 1], size >= 1 (whole for the exact interval), level in (0, 1).
PercentIntervals percentIntervals(double proportion, double size, double level = 0.95);

} // namespace quillon::report
