#include "calculations/report/standardized_mean_difference.h"

#include "calculations/report/noncentral_t_interval.h"
#include "calculations/report/t_interval.h"

#include <cmath>

namespace quillon::report {

StandardizedMeanDifference standardizedMeanDifference(double difference, double sd, double n,
                                                      double level, double correction) {
    StandardizedMeanDifference result{finiteOrNot(difference), DefinedBounds::notDefined(""),
                                      DefinedNumber::notDefined(""), DefinedBounds::notDefined("")};
    const auto allNotDefined = [&](const std::string& reason) {
        result.differenceInterval = DefinedBounds::notDefined(reason);
        result.d = DefinedNumber::notDefined(reason);
        result.dInterval = DefinedBounds::notDefined(reason);
        return result;
    };
    if (!std::isfinite(difference) || !std::isfinite(sd) || !std::isfinite(n))
        return allNotDefined("not defined: too large to compute");
    if (n < 2.0)
        return allNotDefined("not defined: the sample size is below 2");
    if (sd == 0.0)
        return allNotDefined("not defined: the standard deviation is 0");
    const double spread = std::fabs(sd);
    const double df = n - 1.0;
    if (correction > 0.0 && std::isfinite(correction))
        result.differenceInterval =
            tInterval(difference, spread / std::sqrt(n) * std::sqrt(correction), df, level);
    else
        result.differenceInterval = DefinedBounds::notDefined(
            "not defined: the population size is not above the sample size");
    result.d = finiteOrNot(difference / spread);
    if (!result.d.isDefined()) {
        result.dInterval = DefinedBounds::notDefined(result.d.reason());
        return result;
    }
    const double root = std::sqrt(n);
    const auto ncp = noncentralTInterval(result.d.value() * root, df, level);
    if (!ncp.isDefined())
        result.dInterval = ncp;
    else
        result.dInterval = finiteOrNot(Bounds{ncp.value().lower / root, ncp.value().upper / root});
    return result;
}

} // namespace quillon::report
