#include "calculations/report/noncentral_f_interval.h"

#include "calculations/report/degrees_of_freedom_limit.h"
#include "calculations/report/monotone_root.h"

#include <boost/math/distributions/non_central_f.hpp>

#include <cmath>

namespace quillon::report {

namespace {

double lowerTail(double f, double df1, double df2, double lambda) {
    return boost::math::cdf(
        boost::math::non_central_f_distribution<double>(boundedDf(df1), boundedDf(df2), lambda), f);
}

// The lambda whose lower tail at f is target, or 0 when even lambda = 0 leaves it below target.
std::optional<double> boundAt(double target, double f, double df1, double df2) {
    const auto falling = [=](double lambda) { return lowerTail(f, df1, df2, lambda) - target; };
    if (falling(0.0) <= 0.0)
        return 0.0;
    const double guess = std::fmax(df1 * f - df1, 1.0);
    return fallingRoot(falling, guess, std::sqrt(guess) + 1.0, 0.0);
}

} // namespace

DefinedBounds noncentralFInterval(double f, double df1, double df2, double level) {
    if (!isConfidenceLevel(level))
        return DefinedBounds::notDefined(badLevelReason);
    if (!(df1 > 0.0) || !(df2 > 0.0) || !std::isfinite(df1) || !std::isfinite(df2))
        return DefinedBounds::notDefined("not defined: too few cases for an interval");
    if (!(f >= 0.0) || !std::isfinite(f) || df1 * f > largestInvertibleLambda)
        return DefinedBounds::notDefined("not defined: the F-ratio is too large for an exact "
                                         "interval");
    const double tail = (1.0 - level) / 2.0;
    return boundsAtTails([&](double target) { return boundAt(target, f, df1, df2); }, tail);
}

} // namespace quillon::report
