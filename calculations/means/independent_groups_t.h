// Tests on means from summary values typed in: two independent means, the confidence interval
// around a mean, a sample mean against a population mean, and two standard deviations.
#pragma once

#include "calculations/catalogue.h"

namespace quillon {

// Input1..Input3 mean, unbiased standard deviation and size of the first group; Input4..Input6
// those of the second.
Outcome calculateMeans2(InputTexts inputs);

// Input1 mean, Input2 unbiased standard deviation, Input3 sample size, Input4 population size
// (empty or 0: unlimited), Input5 confidence level (%).
Outcome calculateMeans3(InputTexts inputs);

// Input1 sample mean, Input2 unbiased standard deviation, Input3 sample size, Input4 population
// size (empty or 0: unlimited), Input5 population mean.
Outcome calculateMeans4(InputTexts inputs);

// Input1 first standard deviation, Input2 its sample size, Input3 second standard deviation,
// Input4 its sample size.
Outcome calculateMeans5(InputTexts inputs);

} // namespace quillon
