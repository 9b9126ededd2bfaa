#include "calculations/means/independent_groups_t.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "calculations/common/typed_storage.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {
namespace {

template <typename Real> Outcome independentGroupsTIn(InputTexts inputs) {
    const Real mean1 = readStored<Real>(inputs[0]);
    const Real deviation1 = readStored<Real>(inputs[1]);
    const Real size1 = readStored<Real>(inputs[2]);
    const Real mean2 = readStored<Real>(inputs[3]);
    const Real deviation2 = readStored<Real>(inputs[4]);
    const Real size2 = readStored<Real>(inputs[5]);
    const Real variance1 = stored<Real>(power(deviation1, 2.0));
    const Real variance2 = stored<Real>(power(deviation2, 2.0));
    const Real pooled = stored<Real>(divide((static_cast<double>(size1) - 1.0) * variance1 +
                                                (static_cast<double>(size2) - 1.0) * variance2,
                                            static_cast<double>(size1) + size2 - 2.0));
    const Real standardError =
        stored<Real>(power((divide(1.0, size2) + divide(1.0, size1)) * pooled, 0.5));
    const Real t =
        stored<Real>(std::fabs(divide(static_cast<double>(mean1) - mean2, standardError)));
    const Real df = stored<Real>(static_cast<double>(size1) + size2 - 2.0);
    const float probability = tProb(single(t), df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability),
                  tTestQuantities(t, df, probability));
}

} // namespace

Outcome independentGroupsT(InputTexts inputs) {
    // Every box is read as a single first, so a value beyond its range is an overflow here.
    static_cast<void>(readSingle(inputs[0]));
    const float deviation1 = readSingle(inputs[1]);
    const float size1 = readSingle(inputs[2]);
    static_cast<void>(readSingle(inputs[3]));
    const float deviation2 = readSingle(inputs[4]);
    const float size2 = readSingle(inputs[5]);
    constexpr std::string_view kDeviationNotZero = "The standard deviation must not be 0.";
    // A negative size gives an error or a meaningless t.
    constexpr std::string_view kSizeRange = "The sample size must be greater than 0.";
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {2, isEmpty(inputs[1]), kEmptyBoxReason},
                                           {2, deviation1 == 0.0f, kDeviationNotZero},
                                           {3, isEmpty(inputs[2]), kEmptyBoxReason},
                                           {3, size1 <= 0.0f, kSizeRange},
                                           {4, isEmpty(inputs[3]), kEmptyBoxReason},
                                           {5, isEmpty(inputs[4]), kEmptyBoxReason},
                                           {5, deviation2 == 0.0f, kDeviationNotZero},
                                           {6, isEmpty(inputs[5]), kEmptyBoxReason},
                                           {6, size2 <= 0.0f, kSizeRange}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3, 4, 5, 6}, [inputs]<typename Real>(Real) {
        return independentGroupsTIn<Real>(inputs);
    });
}

} // namespace quillon
