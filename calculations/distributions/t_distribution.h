// The t distribution: the two-tailed probability of a t value, the critical t for a probability,
// and the probability of a value within and outside a range judged by t.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 the t value, Input2 degrees of freedom.
Outcome tProbability(InputTexts inputs);
// Input1 the two-tailed probability, Input2 degrees of freedom.
Outcome criticalT(InputTexts inputs);
// Input1 mean, Input2 standard deviation, Input3 sample size, Input4 lower limit, Input5 upper
// limit.
Outcome tRangeProbability(InputTexts inputs);

} // namespace quillon
