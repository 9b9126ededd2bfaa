// The F-ratio of two standard deviations and its probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 first standard deviation, Input2 its sample size, Input3 second standard deviation,
// Input4 its sample size.
Outcome varianceRatioF(InputTexts inputs);

} // namespace quillon
