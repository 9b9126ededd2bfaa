#pragma once
// The confidence level of a two-sided interval and its critical values.

namespace quillon::report {

// The upper (1 + level) / 2 quantile of the standard normal distribution; NaN where it cannot be
// formed, which the report turns into "not defined: too large to compute".
double twoSidedZ(double level);

// The upper (1 + level) / 2 quantile of Student's t with df degrees of freedom (df > 0).
double twoSidedT(double level, double df);

} // namespace quillon::report
