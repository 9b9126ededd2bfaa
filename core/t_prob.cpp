// Two-tailed probability of Student's t, from the F series: t squared with n degrees of freedom is
// an F-ratio with 1 and n. Degrees of freedom above 999 count as 999. The true value (the
// incomplete beta function) answers where the series cannot serve: degrees of freedom that are
// not whole; |t| below 1E-3, where single-precision cancellation swamps the odd-degree terms; and
// series results below the rounding error the series accumulates, which are noise (exactly 0 for
// 1 degree of freedom above t = 5792.6). tProb keeps that value where it is true to its printed
// digits, and gives the true tail at the degrees of freedom as passed elsewhere.
#include "core/distributions.h"
#include "core/distributions_by_steps.h"

#include "core/arithmetic.h"
#include "core/f_series.h"
#include "core/kept_or_true.h"
#include "core/series_mends.h"

#include <cmath>

namespace quillon {

float tProbBySteps(float t, double df) {
    if (!(df > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float n = df > kMostTDegrees ? single(kMostTDegrees) : single(df);
    if (!(n > 0.0f))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float f = single(double{t} * double{t});
    if (f <= 0.0f)
        return 1.0f;
    if (!isWhole(n) || std::fabs(t) < kSmallestSeriesT)
        return single(trueTTail(t, n));
    const FSeriesOutcome series = runFSeries(fSeriesX(f, 1.0, n), 1.0, n, kDoublePi);
    return tProbFromSeries(series, t, n);
}

float tProb(float t, double df) {
    const float bySteps = tProbBySteps(t, df);
    return keptOrTrueProbability(bySteps, [&] { return trueTTail(t, df); });
}

} // namespace quillon
