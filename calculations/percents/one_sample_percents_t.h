// The t-test between two percents of the same respondents.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: first percent, second percent, sample size.
Outcome oneSamplePercentsT(InputTexts inputs);

} // namespace quillon
