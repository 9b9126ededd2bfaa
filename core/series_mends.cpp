#include "core/series_mends.h"

#include "core/arithmetic.h"
#include "core/true_distributions.h"

namespace quillon {

double trueFTail(float f, double df1, double df2) {
    const double numerator = df1 * double{f};
    const double w = df2 / (df2 + numerator);
    const double complement = numerator / (df2 + numerator);
    return regularizedBeta(df2 / 2.0, df1 / 2.0, w, complement);
}

double trueTTail(float t, double n) {
    const double tSquared = double{t} * double{t};
    const double w = n / (n + tSquared);
    const double complement = tSquared / (n + tSquared);
    return regularizedBeta(n / 2.0, 0.5, w, complement);
}

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
