// Upper-tail probability of an F-ratio: the exact series for whole degrees of freedom, the normal
// approximation when the series fails, and the true value (the incomplete beta function) where the
// series cannot serve: degrees of freedom that are not whole, and ratios below 1E-6, where
// single-precision cancellation swamps the odd-degree terms.
#include "core/distributions.h"

#include "core/arithmetic.h"
#include "core/f_series.h"
#include "core/true_distributions.h"

namespace quillon {

namespace {

// P(F' >= f) = I_w(df2/2, df1/2) with w = df2 / (df2 + df1 f).
float trueFProb(float f, double df1, double df2) {
    const double numerator = df1 * double{f};
    const double w = df2 / (df2 + numerator);
    const double complement = numerator / (df2 + numerator);
    return single(regularizedBeta(df2 / 2.0, df1 / 2.0, w, complement));
}

} // namespace

float fProb(float f, double df1, double df2) {
    if (!(df1 > 0.0) || !(df2 > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (f <= 0.0f)
        return 1.0f;
    if (!isWhole(df1) || !isWhole(df2) || f < 1E-06f)
        return trueFProb(f, df1, df2);
    try {
        return fSeries(f, df1, df2, kSinglePi);
    } catch (const ArithmeticError&) {
        // The series overflows for large degrees of freedom; an error here reaches the caller.
        return fNormalApproximation(f, df1, df2);
    }
}

} // namespace quillon
