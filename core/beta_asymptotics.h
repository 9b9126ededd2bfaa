// The regularized incomplete beta function I_x(a, b) for huge parameters, where its continued
// fraction would take too many steps or lose the digits of x close to 1: one expansion for both
// parameters large, one limit for one parameter large against the other.
#pragma once

namespace quillon {

// I_x(a, b) below the mean (x <= a / (a + b)) for a, b >= 1E5, by the uniform asymptotic
// expansion of Temme in the first two of its terms; relative error at most 5E-9 there.
double betaLowerTailForLargeParameters(double a, double b, double x, double y);

// I_x(a, b) with one parameter far larger than the other, by the incomplete gamma function it
// tends to: the relative error is about 16 small^3 / large^2, which `betaGammaLimitHolds` keeps
// below 1E-9.
bool betaGammaLimitHolds(double a, double b);
double betaByGammaLimit(double a, double b, double x, double y);

} // namespace quillon
