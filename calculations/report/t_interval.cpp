#include "calculations/report/t_interval.h"

#include "calculations/report/degrees_of_freedom_limit.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>

namespace quillon::report {

DefinedBounds tInterval(double estimate, double standardError, double df, double level) {
    if (!isConfidenceLevel(level))
        return DefinedBounds::notDefined(badLevelReason);
    if (!(df > 0.0) || !std::isfinite(df))
        return DefinedBounds::notDefined("not defined: too few cases for an interval");
    if (!(standardError > 0.0))
        return DefinedBounds::notDefined("not defined: the standard error is 0");
    try {
        const double critical = boost::math::quantile(boost::math::complement(
            boost::math::students_t_distribution<double>(boundedDf(df)), (1.0 - level) / 2.0));
        const double half = critical * standardError;
        return finiteOrNot(Bounds{estimate - half, estimate + half});
    } catch (const std::exception&) {
        return DefinedBounds::notDefined("not defined: too large to compute");
    }
}

DefinedNumber twoSidedTProbability(double t, double df) {
    if (!(df > 0.0) || !std::isfinite(df))
        return DefinedNumber::notDefined("not defined: too few cases for a probability");
    if (std::isnan(t))
        return DefinedNumber::notDefined("not defined: the t-statistic cannot be formed");
    if (std::isinf(t))
        return DefinedNumber::of(0.0);
    try {
        return finiteOrNot(
            2.0 * boost::math::cdf(boost::math::complement(
                      boost::math::students_t_distribution<double>(boundedDf(df)), std::fabs(t))));
    } catch (const std::exception&) {
        return DefinedNumber::notDefined("not defined: too large to compute");
    }
}

} // namespace quillon::report
