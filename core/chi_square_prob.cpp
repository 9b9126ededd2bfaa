// Upper-tail chi-square probability. Up to 30 degrees of freedom: the complement of the lower-tail
// series (Abramowitz and Stegun 26.4.6), its gamma function formed as a double factorial, with the
// factor sqrt(2/(pi x)) for odd degrees of freedom. Above 30: sqrt(2 x) - sqrt(2 df - 1) as a
// normal deviate (A&S 26.4.13) with the normal tail by A&S 26.2.16. Degrees of freedom up to 30
// that are not whole take the true value, the regularized upper incomplete gamma function.
// Any arithmetic fault gives 0. chiSquareProb keeps that value where it is true to its printed
// digits, and gives the true tail elsewhere.
#include "core/distributions.h"
#include "core/distributions_by_steps.h"

#include "core/arithmetic.h"
#include "core/kept_or_true.h"
#include "core/true_distributions.h"
#include "core/true_tails.h"

#include <cmath>

namespace quillon {

namespace {

float seriesChiSquareProb(float x, double df) {
    if (x == 0.0f)
        return 1.0f;
    // The series holds for x > 0. A negative x fails an odd df at the root of 2/x (giving 0), but
    // passes an even df to any value at all (1.82 with 2, .794 with 4): give the true 1 instead.
    if (x < 0.0f && isWhole(df / 2.0))
        return 1.0f;
    // df (df-2) (df-4) ... down to 2 or 3; 1 below 2.
    float doubleFactorial = 1.0f;
    for (double n = roundHalfEven(df); n >= 2.0; n -= 2.0)
        doubleFactorial = single(double{doubleFactorial} * n);
    const float minusHalfX = single(-double{x} / 2.0);
    if (minusHalfX < -88.0f)
        return 0.0f;
    const double j = wholePart((df + 1.0) / 2.0);
    const float k =
        single(divide(power(x, j) * exponential(double{minusHalfX}), double{doubleFactorial}));
    const double a = isWhole(df / 2.0) ? 1.0 : squareRoot(divide(divide(2.0, x), 3.141593));
    float term = 1.0f;
    float sum = 1.0f;
    float m = single(df);
    for (;;) {
        m = single(double{m} + 2.0);
        term = single(divide(double{x} * double{term}, m));
        if (term < 1E-07f)
            break;
        sum = single(double{sum} + double{term});
    }
    return single(std::fabs(1.0 - a * double{k} * double{sum}));
}

float approximateChiSquareProb(float x, double df) {
    float z = single(squareRoot(2.0 * double{x}) - squareRoot(2.0 * df - 1.0));
    const bool negative = z < 0.0f;
    if (negative)
        z = -z;
    const double exponent = -(double{z} * double{z}) / 2.0;
    if (exponent < -88.0)
        return negative ? 1.0f : 0.0f;
    const float d = single(exponential(exponent) / 2.5066282746);
    const float t = single(divide(1.0, std::fabs(double{z}) * 0.33267 + 1.0));
    const double u = double{t} * 0.4361836;
    const double v = u - double{t} * double{t} * 0.1201676;
    // The normal probability between 0 and z.
    const float g = single(0.5 - (double{t} * double{t} * double{t} * 0.937298 + v) * double{d});
    // The upper normal tail beyond z.
    const float q = single((1.0 - 2.0 * double{g}) / 2.0);
    return negative ? single(1.0 - double{q}) : q;
}

} // namespace

float chiSquareProbBySteps(float x, double df) {
    if (!(df > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    try {
        if (df > 30.0)
            return approximateChiSquareProb(x, df);
        if (!isWhole(df))
            return single(regularizedUpperGamma(df / 2.0, double{x} / 2.0));
        return seriesChiSquareProb(x, df);
    } catch (const ArithmeticError&) {
        return 0.0f;
    }
}

float chiSquareProb(float x, double df) {
    const float bySteps = chiSquareProbBySteps(x, df);
    return keptOrTrueProbability(bySteps, [&] { return trueChiSquareTail(x, df); });
}

} // namespace quillon
