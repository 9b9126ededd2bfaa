// The sample size a mean needs to lie within a given error.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 population standard deviation, Input2 acceptable error (data units), Input3 confidence
// level (%).
Outcome sampleSizeForMean(InputTexts inputs);

} // namespace quillon
