#include "calculations/sample_size/sample_size_for_mean.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/sample_size/sample_size_support.h"

namespace quillon {

Outcome sampleSizeForMean(InputTexts inputs) {
    const float deviation = readSingle(inputs[0]);
    const float error = readSingle(inputs[1]);
    const float level = readSingle(inputs[2]);
    const float alpha = alphaOfLevel(level);
    // An empty box reads as 0, which every check refuses.
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, deviation == 0.0f, "The standard deviation must not be 0."},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, error == 0.0f, "The maximum acceptable difference must not be 0."},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, !isLevelAccepted(alpha), kLevelRangeReason}}))
        return *refusal;

    const float z = gridCriticalZ(alpha);
    const float size = single(divide(power(z, 2.0) * power(deviation, 2.0), power(error, 2.0)));
    const float required = single(wholePart(size));

    const std::string text = "Required sample size =" + plainForm(required) + kBlankLine;
    const std::string clipboard = line("Population SD =", plainForm(deviation)) +
                                  line("Maximum acceptable error =", plainForm(error)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line("Required sample size =", plainForm(required));
    return answer(text, clipboard);
}

} // namespace quillon
