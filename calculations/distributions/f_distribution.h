// The F distribution: the upper-tail probability of an F-ratio and the critical F for a
// probability.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 the F-ratio, Input2 numerator and Input3 denominator degrees of freedom.
Outcome fProbability(InputTexts inputs);
// Input1 the probability, Input2 numerator and Input3 denominator degrees of freedom.
Outcome criticalF(InputTexts inputs);

} // namespace quillon
