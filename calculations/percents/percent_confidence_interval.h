// The confidence interval around a percent, for a limited or an unlimited population.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: percent, sample size, population size (empty or 0: unlimited), confidence level
// in percent.
Outcome percentConfidenceInterval(InputTexts inputs);

} // namespace quillon
