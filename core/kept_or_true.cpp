#include "core/kept_or_true.h"

#include "core/arithmetic.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace quillon {

float keptOrTrueProbability(float bySteps, double truth) {
    if (std::fabs(double{bySteps} - truth) <= kKeptProbabilityDistance)
        return bySteps;
    return single(truth);
}

float keptOrTrueProbability(float bySteps, const std::function<double()>& truth) {
    double trueTail = 0.0;
    try {
        trueTail = truth();
    } catch (const ArithmeticError&) {
        return bySteps;
    }
    return keptOrTrueProbability(bySteps, trueTail);
}

double printedCriticalValue(float value) {
    return readNumber(format(value, kGeneralPattern));
}

bool printsTrueCriticalValue(float value, float target,
                             const std::function<double(double)>& trueTail) {
    const double printed = printedCriticalValue(value);
    // The quantile q is within the band when |printed - q| <= max(share q, distance), that is
    // when q lies from `lowest` to `highest`.
    const double lowest =
        std::min(printed / (1.0 + kKeptCriticalShare), printed - kKeptCriticalDistance);
    const double highest =
        std::max(printed / (1.0 - kKeptCriticalShare), printed + kKeptCriticalDistance);
    // No quantile lies below 0.
    const bool quantileNotBelow = lowest <= 0.0 || trueTail(lowest) >= double{target};
    return quantileNotBelow && trueTail(highest) <= double{target};
}

} // namespace quillon
