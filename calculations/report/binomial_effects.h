// The exact interval of a proportion and the two-sided exact p of the binomial test.
//
// Clopper and Pearson (1934): the ends are the beta quantiles B((1 - level) / 2; x, n - x + 1) and
// B((1 + level) / 2; x + 1, n - x), 0 for x = 0 and 1 for x = n. The two-sided p sums the
// probabilities of the outcomes no more probable than the one observed (relative tolerance
// 1 + 1e-7); the outcomes beyond a crossing are found by halving, since the binomial
// probabilities fall steadily away from the mode.
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct BinomialEffects {
    DefinedNumber proportion = DefinedNumber::notDefined("not defined"); // x / n
    ConfidenceInterval proportionInterval;
    DefinedNumber pTwoSided = DefinedNumber::notDefined("not defined");
};

// Beyond this many trials the incomplete beta function no longer converges in reasonable time
// (and counts above 2^53 are no longer whole numbers apart).
inline constexpr double kBinomialMaximumTrials = 1.0e15;

// n trials (a whole number, 1 to kBinomialMaximumTrials), x successes (whole, 0 to n), p the
// probability of success under test (0 to 1).
BinomialEffects binomialEffects(double trials, double successes, double p, double level = 0.95);

} // namespace quillon::report
