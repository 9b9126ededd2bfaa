// The percent tests: two percents of the same respondents, two percents of independent samples,
// and the confidence interval around a percent.
#pragma once

#include "calculations/catalogue.h"

namespace quillon {

// Input1 first percent, Input2 second percent, Input3 sample size.
Outcome calculatePercent1(InputTexts inputs);

// Input1 first percent, Input2 its sample size, Input3 second percent, Input4 its sample size.
Outcome calculatePercent2(InputTexts inputs);

// Input1 percent, Input2 sample size, Input3 population size (empty or 0: unlimited), Input4
// confidence level in percent.
Outcome calculatePercent3(InputTexts inputs);

} // namespace quillon
