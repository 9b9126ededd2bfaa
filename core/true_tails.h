// The true tails of the normal, t, F and chi-square distributions in double, from the
// complementary error function and the regularized incomplete beta and gamma functions: what the
// routines answer wherever their own steps cannot serve, and what every value of those steps (and
// of the numbers the windows build from them) is checked against.
#pragma once

namespace quillon {

// The true two-tailed probability of a standard normal deviate, erfc(|z| / sqrt 2).
double trueZTail(double z);

// The true two-tailed probability of t with n degrees of freedom, I_w(n/2, 1/2) with
// w = n / (n + t^2).
double trueTTail(double t, double n);

// The true upper tail of an F-ratio, I_w(df2/2, df1/2) with w = df2 / (df2 + df1 f); 1 for an f
// of 0 or below.
double trueFTail(double f, double df1, double df2);

// The true upper tail of chi-square, Q(df/2, x/2); 1 for an x of 0 or below.
double trueChiSquareTail(double x, double df);

} // namespace quillon
