// The F-ratio of two standard deviations and its probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: first standard deviation, its sample size, second standard deviation, its sample
// size.
Outcome varianceRatioF(InputTexts inputs);

} // namespace quillon
