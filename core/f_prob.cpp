// Upper-tail probability of an F-ratio: the exact series for whole degrees of freedom, the normal
// approximation when the series fails, and the true value (the incomplete beta function) where the
// series cannot serve: degrees of freedom that are not whole; ratios below 1E-6, where
// single-precision cancellation swamps the odd-degree terms; and series results below the rounding
// error the series accumulates, which are noise (exactly 0 for a large ratio, or a small value far
// from the true one where the true tail is smaller still). fProb keeps that value where it is true
// to its printed digits, and gives the true tail elsewhere.
#include "core/distributions.h"
#include "core/distributions_by_steps.h"

#include "core/arithmetic.h"
#include "core/f_series.h"
#include "core/kept_or_true.h"
#include "core/series_mends.h"

namespace quillon {

float fProbBySteps(float f, double df1, double df2) {
    if (!(df1 > 0.0) || !(df2 > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (f <= 0.0f)
        return 1.0f;
    if (!isWhole(df1) || !isWhole(df2) || f < kSmallestSeriesF)
        return single(trueFTail(f, df1, df2));
    const FSeriesOutcome series = runFSeries(fSeriesX(f, df1, df2), df1, df2, kSinglePi);
    return fProbFromSeries(series, f, df1, df2);
}

float fProb(float f, double df1, double df2) {
    const float bySteps = fProbBySteps(f, df1, df2);
    return keptOrTrueProbability(bySteps, [&] { return trueFTail(f, df1, df2); });
}

} // namespace quillon
