// The error within which a given sample size places a percent.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 population size (empty or 0: unlimited), Input2 rate (%), Input3 sample size, Input4
// confidence level (%).
Outcome errorForSampleSize(InputTexts inputs);

} // namespace quillon
