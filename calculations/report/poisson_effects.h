// The exact interval of a Poisson count and the two-sided exact p against an expected count.
//
// Garwood (1936): the ends are the gamma quantiles G((1 - level) / 2; x) and
// G((1 + level) / 2; x + 1), equal to half the chi-square quantiles on 2x and 2x + 2 degrees of
// freedom; the lower end is 0 for x = 0. The two-sided p sums the probabilities of the counts no
// more probable than the one observed (relative tolerance 1 + 1e-7).
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct PoissonEffects {
    ConfidenceInterval countInterval;
    DefinedNumber pTwoSided = DefinedNumber::notDefined("not defined");
};

// Above this observed count the gamma quantiles no longer come in a few milliseconds.
inline constexpr double kPoissonMaximumObserved = 1.0e9;

// observed: a whole number, 0 to kPoissonMaximumObserved; expected: at least 0.
PoissonEffects poissonEffects(double observed, double expected, double level = 0.95);

} // namespace quillon::report
