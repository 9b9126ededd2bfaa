// Degrees of freedom beyond 1e10 are taken as 1e10: there the t, F and noncentral F distributions
// differ from their limits by less than 1e-9 relative, and Boost's inverses no longer converge in
// bounded time for the huge sizes the windows accept (up to about 1e38).
#pragma once

#include <algorithm>

namespace quillon::report {

inline constexpr double largestExactDf = 1.0e10;

inline double boundedDf(double df) {
    return std::min(df, largestExactDf);
}

} // namespace quillon::report
