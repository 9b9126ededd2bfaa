// The confidence interval around a percent, for a limited or an unlimited population.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 percent, Input2 sample size, Input3 population size (empty or 0: unlimited), Input4
// confidence level in percent.
Outcome percentConfidenceInterval(InputTexts inputs);

} // namespace quillon
