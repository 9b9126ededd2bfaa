// The answer and clipboard texts of a t-test.
#pragma once

#include "calculations/common/outcome.h"

#include <string>
#include <vector>

namespace quillon {

// "t-statistic = ", "Degrees of freedom = " and "Two-tailed probability = " lines, a blank line
// between each; the degrees of freedom keep the blank of their plain form. t and df are singles or
// doubles, as the calculation stores them; the probability is always a single.
template <typename Real> std::string tTestLines(Real t, Real df, float probability);

// The three numbers of those lines as quantities "t", "df" and "p", each with the text the lines
// print for it (the degrees of freedom without their blank).
template <typename Real> std::vector<Quantity> tTestQuantities(Real t, Real df, float probability);

// t(df)=t, p=probability
template <typename Real> std::string tTestSummary(Real t, Real df, float probability);

} // namespace quillon
