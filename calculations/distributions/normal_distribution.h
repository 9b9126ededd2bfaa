// The normal distribution: the two-tailed probability of a z value, the critical z for a
// probability, and the probability of a value within and outside a range.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input: the z value.
Outcome zProbability(InputTexts inputs);
// Input: the two-tailed probability.
Outcome criticalZ(InputTexts inputs);
// Inputs in order: mean, standard deviation, lower limit, upper limit.
Outcome zRangeProbability(InputTexts inputs);

} // namespace quillon
