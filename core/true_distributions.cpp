// Regularized incomplete beta and gamma functions by the modified Lentz evaluation of their
// continued fractions (Abramowitz and Stegun 26.5.8 for the beta function, 6.5.31 for the upper
// gamma function) and the power series of the lower gamma function (A&S 6.5.29) below x = a + 1.
// Both stay far inside a single's rounding: the beta function for parameters up to about 1E9 (its
// fraction, taken at 1 - x close to 1, loses the digits of a small x further out: about 1E-5 at
// 1E12), the gamma function for the parameters up to 15 it serves.
#include "core/true_distributions.h"

#include "core/arithmetic.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Relative change at which a series or continued fraction counts as converged.
constexpr double kConverged = 1e-15;
// Stands in for a zero denominator in the Lentz evaluation.
constexpr double kTiny = 1e-300;
// The fractions take a few hundred steps for parameters up to 1E6 and some 400,000 near the
// middle of parameters of 1E15; one that has not converged by this bound is an error, not a hang.
constexpr int kMaxSteps = 1000000;
// Below this both log Gamma and the powers of x stay small enough to be combined directly.
constexpr double kLargeParameter = 10.0;
constexpr double kPi = 3.14159265358979323846;

double awayFromZero(double value) {
    return std::fabs(value) < kTiny ? kTiny : value;
}

// The continued fraction of I_x(a, b) without its leading factor x^a (1-x)^b / (a B(a, b));
// converges fast for x < (a + 1) / (a + b + 2).
double betaFraction(double a, double b, double x) {
    double c = 1.0;
    double d = 1.0 / awayFromZero(1.0 - (a + b) * x / (a + 1.0));
    double fraction = d;
    for (int m = 1; m <= kMaxSteps; ++m) {
        const double twoM = 2.0 * m;
        const double evenTerm = m * (b - m) * x / ((a - 1.0 + twoM) * (a + twoM));
        d = 1.0 / awayFromZero(1.0 + evenTerm * d);
        c = awayFromZero(1.0 + evenTerm / c);
        fraction *= d * c;
        const double oddTerm = -(a + m) * (a + b + m) * x / ((a + twoM) * (a + 1.0 + twoM));
        d = 1.0 / awayFromZero(1.0 + oddTerm * d);
        c = awayFromZero(1.0 + oddTerm / c);
        const double change = d * c;
        fraction *= change;
        if (std::fabs(change - 1.0) < kConverged)
            return fraction;
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

// delta(a) = log Gamma(a) - ((a - 1/2) log a - a + log sqrt(2 pi)), the remainder of Stirling's
// series (A&S 6.1.41), for a >= 10; the first omitted term is below 1E-12.
double stirlingRemainder(double a) {
    const double aSquared = a * a;
    return (1.0 / 12.0 -
            (1.0 / 360.0 - (1.0 / 1260.0 - 1.0 / (1680.0 * aSquared)) / aSquared) / aSquared) /
           a;
}

// t - log(1 + t) for t > -1, by its power series near 0 where the difference cancels.
double logRemainder(double t) {
    if (std::fabs(t) > 0.25)
        return t - std::log1p(t);
    double sum = 0.0;
    double power = t;
    for (int k = 2; k <= 40; ++k) {
        power *= -t;
        sum += power / k;
    }
    return -sum;
}

// log(x^a (1-x)^b / B(a, b)). Large parameters make log Gamma and a log x huge and their
// difference small, so the parts are arranged to cancel before they are formed (the method of
// DiDonato and Morris, ACM TOMS 708).
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
    // Around the mode x0 = a / (a + b): a log(x/x0) + b log(y/y0) = -a r(x/x0 - 1) - b r(y/y0 - 1)
    // with r(t) = t - log(1 + t), and x0^a y0^b / B(a, b) from Stirling's series.
    const double total = a + b;
    const double xDeparture = (x * total - a) / a;
    const double yDeparture = (y * total - b) / b;
    return 0.5 * std::log(a * b / (2.0 * kPi * total)) - a * logRemainder(xDeparture) -
           b * logRemainder(yDeparture) - stirlingRemainder(a) - stirlingRemainder(b) +
           stirlingRemainder(total);
}

} // namespace

double regularizedBeta(double a, double b, double x, double y) {
    if (!(a > 0.0) || !(b > 0.0) || !(x >= 0.0) || !(y >= 0.0) || !(x <= 1.0) || !(y <= 1.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (x == 0.0)
        return 0.0;
    if (y == 0.0)
        return 1.0;
    const double front = std::exp(logBetaFront(a, b, x, y));
    // I_x(a, b) = 1 - I_(1-x)(b, a): evaluate the fraction on the side where it converges fast.
    if (x < (a + 1.0) / (a + b + 2.0))
        return front * betaFraction(a, b, x) / a;
    return 1.0 - front * betaFraction(b, a, y) / b;
}

double regularizedUpperGamma(double a, double x) {
    if (!(a > 0.0) || !(x >= 0.0) || std::isinf(x))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (x == 0.0)
        return 1.0;
    const double front = std::exp(a * std::log(x) - x - std::lgamma(a));
    if (x < a + 1.0) {
        // P(a, x) = front * (1/a + x/(a(a+1)) + x^2/(a(a+1)(a+2)) + ...)
        double term = 1.0 / a;
        double sum = term;
        for (int n = 1; n <= kMaxSteps; ++n) {
            term *= x / (a + n);
            sum += term;
            if (std::fabs(term) < std::fabs(sum) * kConverged)
                return 1.0 - front * sum;
        }
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    // Q(a, x) = front * 1/(x+1-a- 1(1-a)/(x+3-a- 2(2-a)/(x+5-a- ...)))
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
            return front * fraction;
    }
    throw ArithmeticError(ArithmeticFault::Overflow);
}

} // namespace quillon
