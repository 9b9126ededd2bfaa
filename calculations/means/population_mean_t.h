// The t-test of a sample mean against a population mean.
#pragma once

#include "calculations/common/outcome.h"

namespace quillon {

// Inputs in order: sample mean, unbiased standard deviation, sample size, population size (empty or
// 0: unlimited), population mean.
Outcome populationMeanT(InputTexts inputs);

} // namespace quillon
