// Two-tailed probability of Student's t, from the F series: t squared with n degrees of freedom is
// an F-ratio with 1 and n. Degrees of freedom above 999 count as 999. The true value (the
// incomplete beta function) answers where the series cannot serve: degrees of freedom that are
// not whole, and |t| below 1E-3, where single-precision cancellation swamps the odd-degree terms.
#include "core/distributions.h"

#include "core/arithmetic.h"
#include "core/f_series.h"
#include "core/true_distributions.h"

#include <cmath>

namespace quillon {

namespace {

// P(|T| >= |t|) = I_w(n/2, 1/2) with w = n / (n + t^2).
float trueTProb(float t, float n) {
    const double tSquared = double{t} * double{t};
    const double w = double{n} / (double{n} + tSquared);
    const double complement = tSquared / (double{n} + tSquared);
    return single(regularizedBeta(double{n} / 2.0, 0.5, w, complement));
}

} // namespace

float tProb(float t, double df) {
    if (!(df > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float n = df > 999.0 ? 999.0f : single(df);
    if (!(n > 0.0f))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float f = single(double{t} * double{t});
    if (f <= 0.0f)
        return 1.0f;
    if (!isWhole(n) || std::fabs(t) < 1E-03f)
        return trueTProb(t, n);
    try {
        return fSeries(f, 1.0, n, kDoublePi);
    } catch (const ArithmeticError&) {
        return fNormalApproximation(f, 1.0, n);
    }
}

} // namespace quillon
