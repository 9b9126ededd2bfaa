#include "calculations/distributions/normal_distribution.h"

#include "calculations/common/calculation_support.h"
#include "calculations/distributions/distribution_support.h"
#include "core/distributions.h"
#include "core/true_tails.h"

#include <cmath>

namespace quillon {

Outcome zProbability(InputTexts inputs) {
    const float z = std::fabs(readSingle(inputs[0]));
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {1, z == 0.0f, "The z value must not be 0."}}))
        return *refusal;
    const float p = zProb(z);
    return answer("Two-tailed probability = " + probabilityText(p),
                  "z=" + trimmedPlainForm(z) + ", p=" + probabilityText(p));
}

Outcome criticalZ(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, !isAcceptedProbability(target), kProbabilityRangeReason}}))
        return *refusal;
    const CriticalValue found = searchFromZero(zProb, target);
    return answer("z value = " + measurementText(found.value),
                  "z=" + measurementText(found.value) +
                      ", p=" + probabilityText(found.probability));
}

Outcome zRangeProbability(InputTexts inputs) {
    const float mean = readSingle(inputs[0]);
    const float sd = readSingle(inputs[1]);
    const float lower = readSingle(inputs[2]);
    const float upper = readSingle(inputs[3]);
    if (const auto refusal = firstEmptyBox(inputs, {1, 2, 3, 4}))
        return *refusal;
    if (!(sd > 0.0f))
        return refuse(2, "The standard deviation must be greater than 0.");
    const RangeProbability range = rangeProbability(mean, sd, lower, upper, zProb, trueZTail);
    const std::string sample =
        "Mean=" + trimmedPlainForm(mean) + " (SD=" + trimmedPlainForm(sd) + ")";
    return answer(rangeAnswer(range), rangeClipboard(sample, lower, upper, range));
}

} // namespace quillon
