// The normal distribution: the two-tailed probability of a z value, the critical z for a
// probability, and the probability of a value within and outside a range.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 the z value.
Outcome zProbability(InputTexts inputs);
// Input1 the two-tailed probability.
Outcome criticalZ(InputTexts inputs);
// Input1 mean, Input2 standard deviation, Input3 lower limit, Input4 upper limit.
Outcome zRangeProbability(InputTexts inputs);

} // namespace quillon
