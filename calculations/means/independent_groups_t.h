// The t-test between the means of two independent groups, from summary values.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1..Input3 mean, unbiased standard deviation and size of the first group; Input4..Input6
// those of the second.
Outcome independentGroupsT(InputTexts inputs);

} // namespace quillon
