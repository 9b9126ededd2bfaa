// The t-test between two percents of the same respondents.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 first percent, Input2 second percent, Input3 sample size.
Outcome oneSamplePercentsT(InputTexts inputs);

} // namespace quillon
