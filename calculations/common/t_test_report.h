// The answer and clipboard texts of a t-test, and its results as numbers.
#pragma once

#include "calculations/common/outcome.h"

#include <string>
#include <vector>

namespace quillon {

// "t-statistic = ", "Degrees of freedom = " and "Two-tailed probability = " lines, a blank line
// between each; the degrees of freedom keep the blank of their plain form. t and df are singles or
// doubles, as the calculation stores them; the probability is always a single.
template <typename Real> std::string tTestLines(Real t, Real df, float probability);

// t(df)=t, p=probability
template <typename Real> std::string tTestSummary(Real t, Real df, float probability);

// "t", "df" and "p", each with the text its line prints (the degrees of freedom without the blank).
template <typename Real> std::vector<Quantity> tTestQuantities(Real t, Real df, float probability);

} // namespace quillon
