#include "calculations/percents/two_sample_percents_t.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "calculations/common/typed_storage.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {
namespace {

bool isPercent(float percent) {
    return percent >= 0.0f && percent <= 100.0f;
}

template <typename Real> Outcome twoSamplePercentsTIn(InputTexts inputs) {
    const Real p1 = stored<Real>(readStored<Real>(inputs[0]) / 100.0);
    const Real size1 = readStored<Real>(inputs[1]);
    const Real p2 = stored<Real>(readStored<Real>(inputs[2]) / 100.0);
    const Real size2 = readStored<Real>(inputs[3]);
    const Real pooled =
        stored<Real>(divide(static_cast<double>(size1) * p1 + static_cast<double>(size2) * p2,
                            static_cast<double>(size1) + size2));
    const Real pooledComplement = stored<Real>(1.0 - pooled);
    const Real difference = stored<Real>(static_cast<double>(p1) - p2);
    const double variance =
        static_cast<double>(pooled) * pooledComplement * (divide(1.0, size1) + divide(1.0, size2));
    const Real standardError = stored<Real>(squareRoot(variance));
    // Both percents 0 (or both 100) leave 0 / 0 here, which raises rather than answers.
    const Real t = stored<Real>(std::fabs(divide(difference, standardError)));
    const Real df = stored<Real>(static_cast<double>(size1) + size2 - 2.0);
    const float probability = tProb(single(t), df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability),
                  tTestQuantities(t, df, probability));
}

} // namespace

Outcome twoSamplePercentsT(InputTexts inputs) {
    const float percent1 = readSingle(inputs[0]);
    const float size1 = readSingle(inputs[1]);
    const float percent2 = readSingle(inputs[2]);
    const float size2 = readSingle(inputs[3]);
    // A percent beyond 0 to 100 or a negative size gives an error or a meaningless t.
    constexpr std::string_view kPercentRange = "The percent must be from 0 to 100.";
    constexpr std::string_view kSizeRange = "The sample size must be greater than 0.";
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {1, !isPercent(percent1), kPercentRange},
                                           {2, isEmpty(inputs[1]), kEmptyBoxReason},
                                           {2, size1 <= 0.0f, kSizeRange},
                                           {3, isEmpty(inputs[2]), kEmptyBoxReason},
                                           {3, !isPercent(percent2), kPercentRange},
                                           {4, isEmpty(inputs[3]), kEmptyBoxReason},
                                           {4, size2 <= 0.0f, kSizeRange}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3, 4}, [inputs]<typename Real>(Real) {
        return twoSamplePercentsTIn<Real>(inputs);
    });
}

} // namespace quillon
