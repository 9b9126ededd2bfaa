// The binomial test: the probability of the observed number of successes or a more extreme one.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>

namespace quillon {

// Inputs: the number of trials, the probability of success on each trial, the number of successes.
Outcome binomialProbability(InputTexts inputs);

struct BinomialTail {
    float successes = 0.0f; // the count tested, rounded to a whole number
    bool upper = false;     // the tail of that many successes or more; otherwise that many or fewer
    float probability = 0.0f;
};

// The tail on the far side of the expected number of successes; nothing when it needs more terms
// than the sum counts. successes lies from 1 to trials.
std::optional<BinomialTail> binomialTail(float trials, float p, float successes);

} // namespace quillon
