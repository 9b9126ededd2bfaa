// The answer and clipboard texts of a t-test.
#pragma once

#include <string>

namespace quillon {

// "t-statistic = ", "Degrees of freedom = " and "Two-tailed probability = " lines, a blank line
// between each; the degrees of freedom keep the blank of their plain form.
std::string tTestLines(float t, float df, float probability);

// t(df)=t, p=probability
std::string tTestSummary(float t, float df, float probability);

} // namespace quillon
