#include "calculations/report/variance_ratio_interval.h"

#include "calculations/report/degrees_of_freedom_limit.h"

#include <boost/math/distributions/fisher_f.hpp>

#include <cmath>

namespace quillon::report {

VarianceRatioInterval varianceRatioInterval(double sd1, double n1, double sd2, double n2,
                                            double level) {
    const auto notDefined = [](const char* reason) {
        return VarianceRatioInterval{DefinedNumber::notDefined(reason),
                                     DefinedBounds::notDefined(reason)};
    };
    for (const double value : {sd1, n1, sd2, n2})
        if (!std::isfinite(value))
            return notDefined("not defined: too large to compute");
    if (n1 < 2.0 || n2 < 2.0)
        return notDefined("not defined: a sample size is below 2");
    if (sd1 == 0.0 || sd2 == 0.0)
        return notDefined("not defined: a standard deviation is 0");
    // The SDs divided before squaring: their ratio stays finite where the squares would not.
    const double quotient = std::fabs(sd1) / std::fabs(sd2);
    VarianceRatioInterval result{finiteOrNot(quotient * quotient),
                                 DefinedBounds::notDefined(badLevelReason)};
    if (!result.ratio.isDefined()) {
        result.ratioInterval = DefinedBounds::notDefined(result.ratio.reason());
        return result;
    }
    if (!isConfidenceLevel(level))
        return result;
    try {
        const boost::math::fisher_f_distribution<double> f(boundedDf(n1 - 1.0),
                                                           boundedDf(n2 - 1.0));
        const double tail = (1.0 - level) / 2.0;
        const double ratio = result.ratio.value();
        result.ratioInterval =
            finiteOrNot(Bounds{ratio / boost::math::quantile(boost::math::complement(f, tail)),
                               ratio / boost::math::quantile(f, tail)});
    } catch (const std::exception&) {
        result.ratioInterval = DefinedBounds::notDefined("not defined: too large to compute");
    }
    return result;
}

} // namespace quillon::report
