// The chi-square distribution: the upper-tail probability of a chi-square value and the critical
// chi-square for a probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 the chi-square value, Input2 degrees of freedom.
Outcome chiSquareProbability(InputTexts inputs);
// Input1 the probability, Input2 degrees of freedom.
Outcome criticalChiSquare(InputTexts inputs);

} // namespace quillon
