// The confidence interval around a mean, for a limited or an unlimited population.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: mean, unbiased standard deviation, sample size, population size (empty or 0:
// unlimited), confidence level (%).
Outcome meanConfidenceInterval(InputTexts inputs);

} // namespace quillon
