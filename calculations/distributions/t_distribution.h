// The t distribution: the two-tailed probability of a t value, the critical t for a probability,
// and the probability of a value within and outside a range judged by t.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: the t value, degrees of freedom.
Outcome tProbability(InputTexts inputs);
// Inputs in order: the two-tailed probability, degrees of freedom.
Outcome criticalT(InputTexts inputs);
// Inputs in order: mean, standard deviation, sample size, lower limit, upper limit.
Outcome tRangeProbability(InputTexts inputs);

} // namespace quillon
