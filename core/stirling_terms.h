// Pieces shared by the incomplete beta and gamma functions for large parameters, where log Gamma
// and a log x are huge and their difference small: the remainder of Stirling's series and
// t - log(1 + t) without cancellation (the arrangement of DiDonato and Morris, ACM TOMS 708).
#pragma once

#include <cmath>

namespace quillon {

// Below this both log Gamma and the powers of x stay small enough to be combined directly.
inline constexpr double kLargeParameter = 10.0;
inline constexpr double kPi = 3.14159265358979323846;

// delta(a) = log Gamma(a) - ((a - 1/2) log a - a + log sqrt(2 pi)), the remainder of Stirling's
// series (A&S 6.1.41), for a >= 10; the first omitted term is below 1E-12.
inline double stirlingRemainder(double a) {
    const double aSquared = a * a;
    return (1.0 / 12.0 -
            (1.0 / 360.0 - (1.0 / 1260.0 - 1.0 / (1680.0 * aSquared)) / aSquared) / aSquared) /
           a;
}

// t - log(1 + t) for t > -1, by its power series near 0 where the difference cancels.
inline double logRemainder(double t) {
    if (std::fabs(t) > 0.25)
        return t - std::log1p(t);
    double sum = 0.0;
    double power = t;
    for (int k = 2; k <= 40; ++k) {
        power *= -t;
        sum += power / k;
    }
    return -sum;
}

// ratio - 1 - log(ratio), given ratio and departure = ratio - 1 each formed with its own digits:
// close to 1 the series above takes the departure, far from 1 the logarithm takes the ratio
// (a small ratio formed as 1 + departure would have lost its digits).
inline double logRatioRemainder(double ratio, double departure) {
    if (std::fabs(departure) <= 0.25)
        return logRemainder(departure);
    return departure - std::log(ratio);
}

} // namespace quillon
