// The chi-square distribution: the upper-tail probability of a chi-square value and the critical
// chi-square for a probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: the chi-square value, degrees of freedom.
Outcome chiSquareProbability(InputTexts inputs);
// Inputs in order: the probability, degrees of freedom.
Outcome criticalChiSquare(InputTexts inputs);

} // namespace quillon
