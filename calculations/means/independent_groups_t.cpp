#include "calculations/means/independent_groups_t.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {

Outcome independentGroupsT(InputTexts inputs) {
    const float mean1 = readSingle(inputs[0]);
    const float deviation1 = readSingle(inputs[1]);
    const float size1 = readSingle(inputs[2]);
    const float mean2 = readSingle(inputs[3]);
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

    const float variance1 = single(power(deviation1, 2.0));
    const float variance2 = single(power(deviation2, 2.0));
    const float pooled =
        single(divide((double{size1} - 1.0) * variance1 + (double{size2} - 1.0) * variance2,
                      double{size1} + size2 - 2.0));
    const float standardError =
        single(power((divide(1.0, size2) + divide(1.0, size1)) * pooled, 0.5));
    const float t = single(std::fabs(divide(double{mean1} - mean2, standardError)));
    const float df = single(double{size1} + size2 - 2.0);
    const float probability = tProb(t, df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability));
}

} // namespace quillon
