// True distribution functions in double precision, for the arguments where the single-precision
// series cannot give the right answer (degrees of freedom that are not whole, ratios close to 0).
// Both hold for every positive finite parameter and always give a value within 0 to 1.
#pragma once

namespace quillon {

// I_x(a, b), the regularized incomplete beta function, for a > 0, b > 0 and 0 <= x <= 1, with
// y = 1 - x formed by the caller so that a complement close to 0 keeps its digits; within 1E-8
// of the smaller of I_x and 1 - I_x for parameters of 1E-3 and more (with a tinier parameter, to
// about 1E-15). Arguments outside that domain (an infinite parameter included) raise
// ArithmeticError (InvalidOperation).
double regularizedBeta(double a, double b, double x, double y);

// Q(a, x) = Gamma(a, x) / Gamma(a), the regularized upper incomplete gamma function, for a > 0 and
// finite x >= 0, within 1E-10 relative. Arguments outside that domain raise ArithmeticError
// (InvalidOperation); parameters beyond about 1E10, which no routine passes, raise Overflow when
// the series or fraction does not converge within its bound.
double regularizedUpperGamma(double a, double x);

} // namespace quillon
