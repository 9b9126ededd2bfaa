// Regularized incomplete beta and gamma functions for every parameter a window can pass.
//
// The beta function takes the tail that its method gives directly and the other as the
// complement, so that no small probability is formed as 1 minus a number close to 1:
// - both parameters at least 1E5: the uniform asymptotic expansion (beta_asymptotics), the tail
//   below the mean;
// - one parameter far larger than the other: the incomplete gamma function it tends to;
// - otherwise the continued fraction A&S 26.5.8 by the modified Lentz evaluation, on the side of
//   (a + 1) / (a + b + 2) where it converges fast. It runs in extended precision, with x close to 1
//   formed from 1 - x: there its value hangs on the last digits of x (a relative 1E-16 of x moves
//   it by about 3E-17 max(a, b) / sqrt(min(a, b))).
// Every result lies within 0 to 1; a result that strays further than rounding from that range is
// an error (InvalidOperation), never an answer.
#include "core/true_distributions.h"

#include "core/arithmetic.h"
#include "core/beta_asymptotics.h"
#include "core/gamma_tails.h"
#include "core/stirling_terms.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Both parameters from here on take the asymptotic expansion.
constexpr double kExpansionParameter = 1e5;
// Relative change at which the continued fraction counts as converged.
constexpr long double kConverged = 1e-17L;
// Stands in for a zero denominator in the Lentz evaluation.
constexpr long double kTiny = 1e-300L;
// The fraction takes a few thousand steps for the parameters it serves (up to about 1E12 against
// 1E5); one that has not converged by this bound is an error, not a hang.
constexpr int kMaxSteps = 1000000;
// How far rounding may carry a probability beyond 0 or 1 before it counts as a fault.
constexpr double kRoundingSlack = 1e-9;

long double awayFromZero(long double value) {
    return std::fabs(value) < kTiny ? kTiny : value;
}

// The continued fraction of I_x(a, b) without its leading factor x^a (1-x)^b / (a B(a, b));
// converges fast for x < (a + 1) / (a + b + 2).
long double betaFraction(long double a, long double b, long double x) {
    long double c = 1.0L;
    long double d = 1.0L / awayFromZero(1.0L - (a + b) * x / (a + 1.0L));
    long double fraction = d;
    for (int m = 1; m <= kMaxSteps; ++m) {
        const long double twoM = 2.0L * m;
        const long double evenTerm = m * (b - m) * x / ((a - 1.0L + twoM) * (a + twoM));
        d = 1.0L / awayFromZero(1.0L + evenTerm * d);
        c = awayFromZero(1.0L + evenTerm / c);
        fraction *= d * c;
        const long double oddTerm = -(a + m) * (a + b + m) * x / ((a + twoM) * (a + 1.0L + twoM));
        d = 1.0L / awayFromZero(1.0L + oddTerm * d);
        c = awayFromZero(1.0L + oddTerm / c);
        const long double change = d * c;
        fraction *= change;
        if (std::fabs(change - 1.0L) < kConverged)
            return fraction;
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

// log(x^a (1-x)^b / B(a, b)), arranged so that large parameters cancel before they are formed.
double logBetaFront(double a, double b, double x, double y) {
    // The logarithm of a value close to 1 comes from its complement.
    const double logX = x < 0.5 ? std::log(x) : std::log1p(-y);
    const double logY = y < 0.5 ? std::log(y) : std::log1p(-x);
    const double small = std::min(a, b);
    const double large = std::max(a, b);
    if (large < kLargeParameter)
        return a * logX + b * logY - std::lgamma(a) - std::lgamma(b) + std::lgamma(a + b);
    if (small < kLargeParameter) {
        // log B(small, large) with Stirling's series for the large parameter.
        const double logBeta = std::lgamma(small) + stirlingRemainder(large) -
                               stirlingRemainder(small + large) + small -
                               small * std::log(small + large) +
                               (large - 0.5) * std::log1p(-small / (small + large));
        return a * logX + b * logY - logBeta;
    }
    // Around the mean x0 = a / (a + b): a log(x/x0) + b log(y/y0) = -a r(x/x0 - 1) - b r(y/y0 - 1)
    // with r(t) = t - log(1 + t), and x0^a y0^b / B(a, b) from Stirling's series. The departure
    // x (a + b) - a = b - y (a + b) comes from the smaller of x and y.
    const double total = a + b;
    const double departure = x <= 0.5 ? x * total - a : b - y * total;
    return 0.5 * std::log(a * b / (2.0 * kPi * total)) -
           a * logRatioRemainder(x * total / a, departure / a) -
           b * logRatioRemainder(y * total / b, -departure / b) - stirlingRemainder(a) -
           stirlingRemainder(b) + stirlingRemainder(total);
}

// I_x(a, b) by the continued fraction, for x below (a + 1) / (a + b + 2).
double betaLowerTailByFraction(double a, double b, double x, double y) {
    const long double front = std::exp(static_cast<long double>(logBetaFront(a, b, x, y)));
    const long double exactX = x <= 0.5 ? static_cast<long double>(x) : 1.0L - y;
    return static_cast<double>(front * betaFraction(a, b, exactX) / a);
}

// Whether x lies below (a + 1) / (a + b + 2), judged from the smaller of x and y.
bool belowFractionSwitch(double a, double b, double x, double y) {
    if (x <= 0.5)
        return x * (a + b + 2.0) < a + 1.0;
    return y * (a + b + 2.0) > b + 1.0;
}

// Whether x lies below the mean a / (a + b), judged from the smaller of x and y.
bool belowMean(double a, double b, double x, double y) {
    if (x <= 0.5)
        return x < 1.0 / (1.0 + b / a);
    return y > 1.0 / (1.0 + a / b);
}

double probabilityOrFault(double value) {
    if (!(value >= -kRoundingSlack && value <= 1.0 + kRoundingSlack))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

double regularizedBeta(double a, double b, double x, double y) {
    if (!(a > 0.0) || !(b > 0.0) || std::isinf(a) || std::isinf(b) || !(x >= 0.0) || !(y >= 0.0) ||
        !(x <= 1.0) || !(y <= 1.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (x == 0.0)
        return 0.0;
    if (y == 0.0)
        return 1.0;
    if (std::min(a, b) >= kExpansionParameter) {
        if (belowMean(a, b, x, y))
            return probabilityOrFault(betaLowerTailForLargeParameters(a, b, x, y));
        return probabilityOrFault(1.0 - betaLowerTailForLargeParameters(b, a, y, x));
    }
    if (betaGammaLimitHolds(a, b))
        return probabilityOrFault(betaByGammaLimit(a, b, x, y));
    // I_x(a, b) = 1 - I_(1-x)(b, a): evaluate the fraction on the side where it converges fast.
    if (belowFractionSwitch(a, b, x, y))
        return probabilityOrFault(betaLowerTailByFraction(a, b, x, y));
    return probabilityOrFault(1.0 - betaLowerTailByFraction(b, a, y, x));
}

double regularizedUpperGamma(double a, double x) {
    if (std::isinf(x))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return gammaTails(a, x).upper;
}

} // namespace quillon
