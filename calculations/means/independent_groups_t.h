// The t-test between the means of two independent groups, from summary values.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: mean, unbiased standard deviation and size of the first group, then those of the
// second.
Outcome independentGroupsT(InputTexts inputs);

} // namespace quillon
