// The Poisson events test: the two-sided probability of the observed number of events or a more
// extreme one, given the expected number.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>

namespace quillon {

// Inputs: the observed frequency, the expected frequency.
Outcome poissonProbability(InputTexts inputs);

struct PoissonTail {
    float observed = 0.0f; // the count tested, rounded to a whole number
    bool upper = false;    // the tail of that many events or more; otherwise that many or fewer
    float probability = 0.0f;
};

// Twice the one-sided tail beyond the observed count; nothing when it needs more terms than the sum
// counts. Neither frequency is negative.
std::optional<PoissonTail> poissonTail(float observed, float expected);

} // namespace quillon
