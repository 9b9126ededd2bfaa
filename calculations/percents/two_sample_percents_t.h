// The t-test between the percents of two independent samples.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 first percent, Input2 its sample size, Input3 second percent, Input4 its sample size.
Outcome twoSamplePercentsT(InputTexts inputs);

} // namespace quillon
