// The confidence interval around a mean, for a limited or an unlimited population.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 mean, Input2 unbiased standard deviation, Input3 sample size, Input4 population size
// (empty or 0: unlimited), Input5 confidence level (%).
Outcome meanConfidenceInterval(InputTexts inputs);

} // namespace quillon
