// The t-test between the percents of two independent samples.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: first percent, its sample size, second percent, its sample size.
Outcome twoSamplePercentsT(InputTexts inputs);

} // namespace quillon
