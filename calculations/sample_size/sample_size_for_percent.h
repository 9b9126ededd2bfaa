// The sample size a percent needs to lie within a given error.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: population size (empty or 0: unlimited), rate (%), acceptable error (%),
// confidence level (%).
Outcome sampleSizeForPercent(InputTexts inputs);

} // namespace quillon
