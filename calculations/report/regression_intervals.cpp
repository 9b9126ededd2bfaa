#include "calculations/report/regression_intervals.h"

#include "calculations/report/confidence_level.h"

#include <algorithm>
#include <cmath>

namespace quillon::report {

namespace {

RegressionIntervals refused(const std::string& reason) {
    return {DefinedNumber::notDefined(reason), DefinedBounds::notDefined(reason),
            DefinedNumber::notDefined(reason), DefinedBounds::notDefined(reason),
            DefinedNumber::notDefined(reason), DefinedNumber::notDefined(reason)};
}

bool allFinite(const RegressionSums& s) {
    return std::isfinite(s.n) && std::isfinite(s.meanX) && std::isfinite(s.meanY) &&
           std::isfinite(s.sxx) && std::isfinite(s.syy) && std::isfinite(s.sxy);
}

} // namespace

// Squares of large sums are never formed: the residual sum is syy - b sxy and the intercept's
// term mean x^2 / sxx is (mean x / sqrt(sxx))^2.
RegressionIntervals regressionIntervals(const RegressionSums& s, double level) {
    if (!isConfidenceLevel(level))
        return refused(badLevelReason);
    if (!allFinite(s))
        return refused("not defined: too large to compute");
    if (!(s.n >= 3.0))
        return refused("not defined: fewer than 3 pairs");
    if (!(s.sxx > 0.0))
        return refused("not defined: there is no variance in the independent variable");

    const double df = s.n - 2.0;
    const double b = s.sxy / s.sxx;
    const double a = s.meanY - b * s.meanX;
    // Rounding can leave a perfect fit a hair below 0; a sum too large to form stays NaN.
    const double rawResidual = s.syy - b * s.sxy;
    const double residual = rawResidual < 0.0 ? 0.0 : rawResidual;
    const double se = std::sqrt(residual / df);
    const double t = twoSidedT(level, df);
    const double slopeHalf = t * se / std::sqrt(s.sxx);
    const double xOverSpread = s.meanX / std::sqrt(s.sxx);
    const double interceptHalf = t * se * std::sqrt(1.0 / s.n + xOverSpread * xOverSpread);

    RegressionIntervals result{finiteOrNot(b),
                               finiteOrNot(Bounds{b - slopeHalf, b + slopeHalf}),
                               finiteOrNot(a),
                               finiteOrNot(Bounds{a - interceptHalf, a + interceptHalf}),
                               DefinedNumber::notDefined("not defined"),
                               DefinedNumber::notDefined("not defined")};
    if (!(s.syy > 0.0)) {
        const char* const reason = "not defined: there is no variance in the dependent variable";
        result.rSquared = DefinedNumber::notDefined(reason);
        result.adjustedRSquared = DefinedNumber::notDefined(reason);
        return result;
    }
    const double r = std::clamp(s.sxy / (std::sqrt(s.sxx) * std::sqrt(s.syy)), -1.0, 1.0);
    const double rSquared = r * r;
    result.rSquared = finiteOrNot(rSquared);
    result.adjustedRSquared = finiteOrNot(1.0 - (1.0 - rSquared) * (s.n - 1.0) / df);
    return result;
}

} // namespace quillon::report
