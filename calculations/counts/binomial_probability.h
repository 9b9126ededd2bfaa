// The binomial test: the probability of the observed number of successes or a more extreme one.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>

namespace quillon {

// Inputs: the number of trials, the probability of success on each trial, the number of successes.
Outcome binomialProbability(InputTexts inputs);

// Stored as singles, or as doubles when a typed value has more digits than a single holds.
template <typename Real> struct BinomialTailOf {
    Real successes = 0; // the count tested, rounded to a whole number
    bool upper = false; // the tail of that many successes or more; otherwise that many or fewer
    Real probability = 0;
};
using BinomialTail = BinomialTailOf<float>;

// The tail on the far side of the expected number of successes; nothing when it needs more terms
// than the sum counts. successes lies from 1 to trials.
template <typename Real>
std::optional<BinomialTailOf<Real>> binomialTail(Real trials, Real p, Real successes);

} // namespace quillon
