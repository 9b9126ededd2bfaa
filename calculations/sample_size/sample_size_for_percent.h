// Survey planning: the sample size for a percent or a mean within a given error, and the error
// that a given sample size achieves for a percent.
#pragma once

#include "calculations/catalogue.h"

namespace quillon {

// Input1 population size (empty or 0: unlimited), Input2 rate (%), Input3 acceptable error (%),
// Input4 confidence level (%).
Outcome calculateSample1(InputTexts inputs);

// Input1 population standard deviation, Input2 acceptable error (data units), Input3 confidence
// level (%).
Outcome calculateSample2(InputTexts inputs);

// Input1 population size (empty or 0: unlimited), Input2 rate (%), Input3 sample size, Input4
// confidence level (%).
Outcome calculateSample3(InputTexts inputs);

} // namespace quillon
