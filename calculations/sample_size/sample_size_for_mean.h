// The sample size a mean needs to lie within a given error.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: population standard deviation, acceptable error (data units), confidence level
// (%).
Outcome sampleSizeForMean(InputTexts inputs);

} // namespace quillon
