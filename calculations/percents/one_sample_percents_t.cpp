#include "calculations/percents/one_sample_percents_t.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {
namespace {

bool isPercentStrictlyInside(float percent) {
    return percent > 0.0f && percent < 100.0f;
}

} // namespace

Outcome oneSamplePercentsT(InputTexts inputs) {
    const float percent1 = readSingle(inputs[0]);
    const float percent2 = readSingle(inputs[1]);
    const float size = readSingle(inputs[2]);
    if (const auto refusal = firstRefusal({{1, !isPercentStrictlyInside(percent1)},
                                           {2, !isPercentStrictlyInside(percent2)},
                                           {3, size == 0.0f}}))
        return *refusal;

    const float p1 = single(percent1 / 100.0);
    const float p2 = single(percent2 / 100.0);
    const float difference = single(double{p1} - p2);
    // Both proportions come from the same respondents, so their covariance enters the error.
    const double variance = divide(double{p1} + p2 - power(double{p1} - p2, 2.0), size);
    const float standardError = single(squareRoot(variance));
    const float t = single(std::fabs(divide(difference, standardError)));
    const float df = single(double{size} - 1.0);
    const float probability = tProb(t, df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability));
}

} // namespace quillon
