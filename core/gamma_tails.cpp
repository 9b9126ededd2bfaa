// Regularized incomplete gamma function: the power series of the lower tail (A&S 6.5.29) below
// x = a + 1, the continued fraction of the upper tail (A&S 6.5.31, modified Lentz evaluation)
// above; the other tail is the complement. Below x = a + 1 with a < 1 the upper tail is small
// (about a E1(x) for a tiny a) and comes directly from the series of gamma(a, x) term by term
// (A&S 6.5.29 with e^-x expanded). For a >= 10 the factor
// x^a e^-x / Gamma(a) is formed around x = a with Stirling's series, where a log x and
// log Gamma(a) would cancel.
#include "core/gamma_tails.h"

#include "core/arithmetic.h"
#include "core/stirling_terms.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Relative change at which a series or continued fraction counts as converged.
constexpr double kConverged = 1e-15;
// Stands in for a zero denominator in the Lentz evaluation.
constexpr double kTiny = 1e-300;
// Both take some sqrt(a) steps near x = a; a bound, so that nothing hangs.
constexpr int kMaxSteps = 1000000;
constexpr double kEulerGamma = 0.57721566490153286061;
// zeta(2) / 2, the second coefficient of log Gamma(1 + a) about 0.
constexpr double kHalfZeta2 = 0.82246703342411321824;

double awayFromZero(double value) {
    return std::fabs(value) < kTiny ? kTiny : value;
}

// log Gamma(1 + a); below 1E-5, where 1 + a would lose the digits of a, its series
// -gamma a + zeta(2)/2 a^2 (the next term, zeta(3)/3 a^3, is below 1E-15 of the first).
double logGammaOnePlus(double a) {
    if (a < 1e-5)
        return (-kEulerGamma + kHalfZeta2 * a) * a;
    return std::lgamma(1.0 + a);
}

// log(x^a e^-x / Gamma(a)).
double logGammaFront(double a, double x) {
    if (a < kLargeParameter)
        return a * std::log(x) - x - std::lgamma(a);
    // a log(x/a) - (x - a) = -a ((x/a - 1) - log(x/a)), and Stirling's series for Gamma(a).
    return -a * logRatioRemainder(x / a, (x - a) / a) + 0.5 * std::log(a / (2.0 * kPi)) -
           stirlingRemainder(a);
}

// P(a, x) by the series P = x^a e^-x / Gamma(a + 1) (1 + x/(a+1) + x^2/((a+1)(a+2)) + ...).
double lowerBySeries(double a, double x) {
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= kMaxSteps; ++n) {
        term *= x / (a + n);
        sum += term;
        if (term < sum * kConverged) {
            if (a < kLargeParameter)
                return std::exp(a * std::log(x) - x - logGammaOnePlus(a) + std::log(sum));
            return std::exp(logGammaFront(a, x) - std::log(a) + std::log(sum));
        }
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

// Q(a, x) for a < 1 and x < 2 from gamma(a, x) = x^a sum (-x)^n / (n! (a + n)):
// Q = (1 - x^a / Gamma(a + 1)) - x^a / Gamma(a + 1) a sum_(n >= 1) (-x)^n / (n! (a + n)),
// the first part by expm1 so that a tiny a keeps its digits. The alternating terms stay below
// 2^n / n!, so they lose no more than a digit.
double upperForSmallParameter(double a, double x) {
    const double logPower = a * std::log(x) - logGammaOnePlus(a);
    double power = 1.0;
    double sum = 0.0;
    for (int n = 1; n <= kMaxSteps; ++n) {
        power *= -x / n;
        const double term = power / (a + n);
        sum += term;
        if (std::fabs(term) <= std::fabs(sum) * kConverged)
            return -std::expm1(logPower) - std::exp(logPower) * a * sum;
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

// Q(a, x) = front * 1/(x+1-a- 1(1-a)/(x+3-a- 2(2-a)/(x+5-a- ...))).
double upperByFraction(double a, double x) {
    double denominator = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / awayFromZero(denominator);
    double fraction = d;
    for (int n = 1; n <= kMaxSteps; ++n) {
        const double numerator = -n * (n - a);
        denominator += 2.0;
        d = 1.0 / awayFromZero(numerator * d + denominator);
        c = awayFromZero(denominator + numerator / c);
        const double change = d * c;
        fraction *= change;
        if (std::fabs(change - 1.0) < kConverged)
            return std::exp(logGammaFront(a, x)) * fraction;
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

double withinZeroAndOne(double value) {
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

GammaTails gammaTails(double a, double x) {
    if (!(a > 0.0) || std::isinf(a) || !(x >= 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (x == 0.0)
        return {0.0, 1.0};
    if (std::isinf(x))
        return {1.0, 0.0};
    if (x < a + 1.0) {
        const double lower = withinZeroAndOne(lowerBySeries(a, x));
        if (a < 1.0)
            return {lower, withinZeroAndOne(upperForSmallParameter(a, x))};
        return {lower, 1.0 - lower};
    }
    const double upper = withinZeroAndOne(upperByFraction(a, x));
    return {1.0 - upper, upper};
}

} // namespace quillon
