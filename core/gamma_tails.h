// Both tails of the regularized incomplete gamma function, each with its own digits, for the
// chi-square routine and for the incomplete beta function with one huge parameter.
#pragma once

namespace quillon {

struct GammaTails {
    double lower; // P(a, x) = gamma(a, x) / Gamma(a)
    double upper; // Q(a, x) = Gamma(a, x) / Gamma(a) = 1 - P(a, x)
};

// P(a, x) and Q(a, x) for a > 0 and x >= 0 (an infinite x gives the limit 1 and 0), both within
// 0 to 1. A series or fraction that has not converged within its bound (parameters far beyond
// 1E9) raises ArithmeticError (Overflow).
GammaTails gammaTails(double a, double x);

} // namespace quillon
