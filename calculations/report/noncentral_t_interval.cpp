#include "calculations/report/noncentral_t_interval.h"

#include "calculations/report/monotone_root.h"

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>

#include <cmath>

namespace quillon::report {

namespace {

// Beyond this df the noncentral t equals the normal shifted by its noncentrality in double
// precision, and the exact series only loses time.
constexpr double normalLimitDf = 1.0e10;

double lowerTail(double t, double df, double ncp) {
    if (df > normalLimitDf)
        return boost::math::cdf(boost::math::normal_distribution<double>(ncp, 1.0), t);
    return boost::math::cdf(boost::math::non_central_t_distribution<double>(df, ncp), t);
}

DefinedBounds approximateInterval(double t, double df, double tail) {
    const double centre = t * (1.0 - 1.0 / (4.0 * df));
    // hypot keeps sqrt(1 + t^2 / (2 df)) finite for any finite t.
    const double scale = std::hypot(1.0, t / std::sqrt(2.0 * df));
    const double z = boost::math::quantile(
        boost::math::complement(boost::math::normal_distribution<double>(), tail));
    return finiteOrNot(Bounds{centre - z * scale, centre + z * scale});
}

} // namespace

DefinedBounds noncentralTInterval(double t, double df, double level) {
    if (!isConfidenceLevel(level))
        return DefinedBounds::notDefined(badLevelReason);
    if (!(df > 0.0) || !std::isfinite(df))
        return DefinedBounds::notDefined("not defined: too few cases for an interval");
    if (!std::isfinite(t))
        return DefinedBounds::notDefined("not defined: the t-statistic is too large to compute");
    const double tail = (1.0 - level) / 2.0;
    if (std::fabs(t) > largestInvertibleT) {
        if (df >= approximateFromDf)
            return approximateInterval(t, df, tail);
        return DefinedBounds::notDefined("not defined: the t-statistic is too large for an exact "
                                         "interval");
    }
    // The lower tail at t falls as the noncentrality grows; the scale of the search follows the
    // spread of t around its noncentrality.
    const double spread = std::sqrt(1.0 + t * t / (2.0 * df)) + 1.0;
    const auto falling = [&](double target) {
        return [=](double ncp) { return lowerTail(t, df, ncp) - target; };
    };
    return boundsAtTails([&](double target) { return fallingRoot(falling(target), t, spread); },
                         tail);
}

} // namespace quillon::report
