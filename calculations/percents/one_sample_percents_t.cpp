#include "calculations/percents/one_sample_percents_t.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "calculations/common/typed_storage.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {
namespace {

bool isPercentStrictlyInside(float percent) {
    return percent > 0.0f && percent < 100.0f;
}

template <typename Real> Outcome oneSamplePercentsTIn(InputTexts inputs) {
    const Real p1 = stored<Real>(readStored<Real>(inputs[0]) / 100.0);
    const Real p2 = stored<Real>(readStored<Real>(inputs[1]) / 100.0);
    const Real size = readStored<Real>(inputs[2]);
    const Real difference = stored<Real>(static_cast<double>(p1) - p2);
    // Both proportions come from the same respondents, so their covariance enters the error.
    const double variance =
        divide(static_cast<double>(p1) + p2 - power(static_cast<double>(p1) - p2, 2.0), size);
    const Real standardError = stored<Real>(squareRoot(variance));
    const Real t = stored<Real>(std::fabs(divide(difference, standardError)));
    const Real df = stored<Real>(static_cast<double>(size) - 1.0);
    const float probability = tProb(single(t), df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability),
                  tTestQuantities(t, df, probability));
}

} // namespace

Outcome oneSamplePercentsT(InputTexts inputs) {
    const float percent1 = readSingle(inputs[0]);
    const float percent2 = readSingle(inputs[1]);
    const float size = readSingle(inputs[2]);
    constexpr std::string_view kPercentRange =
        "The percent must be greater than 0 and less than 100.";
    // An empty box reads as 0 and so fails its check.
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {1, !isPercentStrictlyInside(percent1), kPercentRange},
                                           {2, isEmpty(inputs[1]), kEmptyBoxReason},
                                           {2, !isPercentStrictlyInside(percent2), kPercentRange},
                                           {3, isEmpty(inputs[2]), kEmptyBoxReason},
                                           {3, size == 0.0f, "The sample size must not be 0."}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3}, [inputs]<typename Real>(Real) {
        return oneSamplePercentsTIn<Real>(inputs);
    });
}

} // namespace quillon
