// The t-test of a sample mean against a population mean.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Input1 sample mean, Input2 unbiased standard deviation, Input3 sample size, Input4 population
// size (empty or 0: unlimited), Input5 population mean.
Outcome populationMeanT(InputTexts inputs);

} // namespace quillon
