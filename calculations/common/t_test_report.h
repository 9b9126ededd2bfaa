// The answer and clipboard texts of a t-test.
#pragma once

#include <string>

namespace quillon {

// "t-statistic = ", "Degrees of freedom = " and "Two-tailed probability = " lines, a blank line
// between each; the degrees of freedom keep the blank of their plain form.
std::string tTestLines(float t, float df, float probability);
std::string tTestLines(double t, float df, float probability);

// t(df)=t, p=probability. A t stored in double prints with the double's form.
std::string tTestSummary(float t, float df, float probability);
std::string tTestSummary(double t, float df, float probability);

} // namespace quillon
