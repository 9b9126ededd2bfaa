// The F distribution: the upper-tail probability of an F-ratio and the critical F for a
// probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: the F-ratio, numerator degrees of freedom, denominator degrees of freedom.
Outcome fProbability(InputTexts inputs);
// Inputs in order: the probability, numerator degrees of freedom, denominator degrees of freedom.
Outcome criticalF(InputTexts inputs);

} // namespace quillon
