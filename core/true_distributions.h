// True distribution functions in double precision, for the arguments where the single-precision
// series cannot give the right answer (degrees of freedom that are not whole, ratios close to 0).
#pragma once

namespace quillon {

// I_x(a, b), the regularized incomplete beta function, for a > 0, b > 0 and 0 <= x <= 1, with
// y = 1 - x formed by the caller so that a complement close to 0 keeps its digits. Arguments
// outside that domain raise ArithmeticError (InvalidOperation).
double regularizedBeta(double a, double b, double x, double y);

// Q(a, x) = Gamma(a, x) / Gamma(a), the regularized upper incomplete gamma function, for a > 0 and
// x >= 0. Arguments outside that domain raise ArithmeticError (InvalidOperation).
double regularizedUpperGamma(double a, double x);

} // namespace quillon
