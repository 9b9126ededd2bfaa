// The sample size a percent needs to lie within a given error.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 population size (empty or 0: unlimited), Input2 rate (%), Input3 acceptable error (%),
// Input4 confidence level (%).
Outcome sampleSizeForPercent(InputTexts inputs);

} // namespace quillon
