#include "calculations/report/correlation_interval.h"

#include "calculations/report/confidence_level.h"

#include <cmath>

namespace quillon::report {

namespace {

DefinedBounds fisherZInterval(double r, double n, double level, double varianceFactor) {
    if (!isConfidenceLevel(level))
        return DefinedBounds::notDefined(badLevelReason);
    if (!(n >= 4.0) || !std::isfinite(n))
        return DefinedBounds::notDefined("not defined: fewer than 4 pairs");
    if (!(std::fabs(r) < 1.0))
        return DefinedBounds::notDefined("not defined: the correlation is not between -1 and 1");
    const double z = std::atanh(r);
    const double half = twoSidedZ(level) * std::sqrt(varianceFactor / (n - 3.0));
    return finiteOrNot(Bounds{std::tanh(z - half), std::tanh(z + half)});
}

} // namespace

DefinedBounds correlationInterval(double r, double n, double level) {
    return fisherZInterval(r, n, level, 1.0);
}

DefinedBounds rankCorrelationInterval(double rho, double n, double level) {
    return fisherZInterval(rho, n, level, 1.0 + rho * rho / 2.0);
}

} // namespace quillon::report
