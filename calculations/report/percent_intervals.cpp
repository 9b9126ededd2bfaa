#include "calculations/report/percent_intervals.h"

#include "calculations/report/confidence_level.h"
#include "calculations/report/wilson_interval.h"

#include <boost/math/special_functions/beta.hpp>

#include <cmath>

namespace quillon::report {

namespace {

// binom.test: qbeta(alpha / 2, k, n - k + 1) and qbeta(1 - alpha / 2, k + 1, n - k), with the
// ends 0 and 1 where k is 0 or n. The upper bound is taken through the complement.
DefinedBounds clopperPearson(double k, double n, double level) {
    const double alpha = 1.0 - level;
    try {
        const double lower = k <= 0.0 ? 0.0 : boost::math::ibeta_inv(k, n - k + 1.0, alpha / 2.0);
        const double upper = k >= n ? 1.0 : boost::math::ibetac_inv(k + 1.0, n - k, alpha / 2.0);
        return finiteOrNot(Bounds{lower, upper});
    } catch (const std::exception&) {
        return DefinedBounds::notDefined("not defined: too large to compute");
    }
}

} // namespace

PercentIntervals percentIntervals(double proportion, double size, double level) {
    std::string fault;
    if (!isConfidenceLevel(level))
        fault = badLevelReason;
    else if (!(size >= 1.0) || !std::isfinite(size))
        fault = "not defined: the sample size is below 1";
    else if (!(proportion >= 0.0 && proportion <= 1.0))
        fault = "not defined: the percent is not between 0 and 100";
    if (!fault.empty())
        return {DefinedBounds::notDefined(fault), DefinedBounds::notDefined(fault),
                DefinedNumber::notDefined(fault)};

    const WilsonBounds wilson = wilsonBounds(proportion * size, size, twoSidedZ(level));
    PercentIntervals result{finiteOrNot(Bounds{wilson.lower, wilson.upper}),
                            DefinedBounds::notDefined("not defined"),
                            DefinedNumber::notDefined("not defined")};
    if (size != std::floor(size)) {
        const char* const reason = "not defined: the sample size is not a whole number";
        result.exact = DefinedBounds::notDefined(reason);
        result.count = DefinedNumber::notDefined(reason);
        return result;
    }
    // Boost's beta inversion gives up or stalls with both shape parameters beyond about 1E15;
    // up to a billion it answers within a few milliseconds everywhere.
    if (size > maximumExactSize) {
        const char* const reason =
            "not defined: the exact interval is not formed above 1,000,000,000 cases";
        result.exact = DefinedBounds::notDefined(reason);
        result.count = DefinedNumber::notDefined(reason);
        return result;
    }
    const double count = std::nearbyint(proportion * size);
    result.count = finiteOrNot(count);
    result.exact = clopperPearson(count, size, level);
    return result;
}

} // namespace quillon::report
