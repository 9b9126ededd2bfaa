#include "core/series_mends.h"

#include "core/arithmetic.h"

namespace quillon {

float fProbFromSeries(const FSeriesOutcome& series, float f, double df1, double df2) {
    if (series.failed) {
        // An error inside the approximation reaches the caller.
        const float approximation = fNormalApproximation(f, df1, df2);
        return approximation > 0.0f ? approximation : single(trueFTail(f, df1, df2));
    }
    if (series.probability < fSeriesRoundingError(df1, df2))
        return single(trueFTail(f, df1, df2));
    return series.probability;
}

float tProbFromSeries(const FSeriesOutcome& series, float t, float n) {
    const float f = single(double{t} * double{t});
    if (series.failed) {
        const float approximation = fNormalApproximation(f, 1.0, n);
        return approximation > 0.0f ? approximation : single(trueTTail(t, n));
    }
    if (series.probability < fSeriesRoundingError(1.0, n))
        return single(trueTTail(t, n));
    return series.probability;
}

} // namespace quillon
