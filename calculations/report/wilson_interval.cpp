#include "calculations/report/wilson_interval.h"

#include <algorithm>
#include <cmath>

namespace quillon::report {

// Written with p = x / n and z^2 / n, so that no square of a large size is formed.
WilsonBounds wilsonBounds(double x, double n, double z) {
    const double p = x / n;
    const double zzn = z * z / n;
    const double centre = (p + zzn / 2.0) / (1.0 + zzn);
    const double half = z * std::sqrt(p * (1.0 - p) / n + zzn / (4.0 * n)) / (1.0 + zzn);
    // The ends are exact where the proportion is 0 or 1; elsewhere rounding stays inside [0, 1].
    const double lower = p <= 0.0 ? 0.0 : std::clamp(centre - half, 0.0, 1.0);
    const double upper = p >= 1.0 ? 1.0 : std::clamp(centre + half, 0.0, 1.0);
    return {lower, upper};
}

} // namespace quillon::report
