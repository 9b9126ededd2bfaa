// The p-values and the odds ratio of Fisher's exact test of a 2 x 2 table.
//
// Under fixed margins the top-left cell follows the noncentral hypergeometric distribution with
// the odds ratio as its parameter (Fisher 1935; Cornfield 1956). The one-sided p-values are its
// central tails; the two-sided p sums the tables no more probable than the one observed (relative
// tolerance 1 + 1e-7). The odds ratio is the conditional maximum-likelihood estimate, and its
// interval inverts the two tails of the noncentral distribution at (1 - level) / 2 each.
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct FisherExactEffects {
    DefinedNumber pointProbability = DefinedNumber::notDefined("not defined"); // of this table
    DefinedNumber pLess = DefinedNumber::notDefined("not defined");            // odds ratio below 1
    DefinedNumber pGreater = DefinedNumber::notDefined("not defined");         // odds ratio above 1
    DefinedNumber pTwoSided = DefinedNumber::notDefined("not defined");
    DefinedNumber oddsRatio = DefinedNumber::notDefined("not defined"); // conditional estimate
    ConfidenceInterval oddsRatioInterval;
};

// The largest total taken, so that every result comes in a few milliseconds.
inline constexpr double kFisherMaximumTotal = 1.0e5;

// The cells row 1 column 1, row 1 column 2, row 2 column 1, row 2 column 2: whole numbers, not
// negative, their total 1 to kFisherMaximumTotal.
FisherExactEffects fisherExactEffects(double a, double b, double c, double d, double level = 0.95);

} // namespace quillon::report
