// The error within which a given sample size places a percent.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: population size (empty or 0: unlimited), rate (%), sample size, confidence level
// (%).
Outcome errorForSampleSize(InputTexts inputs);

} // namespace quillon
