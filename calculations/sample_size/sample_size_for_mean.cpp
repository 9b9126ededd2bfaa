#include "calculations/sample_size/sample_size_for_mean.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/typed_storage.h"
#include "calculations/sample_size/sample_size_support.h"

namespace quillon {
namespace {

// The level stays a single: it only sets the probability the critical z is searched for.
template <typename Real> Outcome sampleSizeForMeanIn(InputTexts inputs, float level, float alpha) {
    const Real deviation = readStored<Real>(inputs[0]);
    const Real error = readStored<Real>(inputs[1]);
    const float z = gridCriticalZ(alpha);
    const Real size =
        stored<Real>(divide(power(z, 2.0) * power(deviation, 2.0), power(error, 2.0)));
    const Real required = stored<Real>(wholePart(size));

    const std::string text = "Required sample size =" + plainForm(required) + kBlankLine;
    const std::string clipboard = line("Population SD =", plainForm(deviation)) +
                                  line("Maximum acceptable error =", plainForm(error)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line("Required sample size =", plainForm(required));
    return answer(text, clipboard, {requiredSizeQuantity(required)});
}

} // namespace

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

    return inTypedStorage(inputs, {1, 2}, [inputs, level, alpha]<typename Real>(Real) {
        return sampleSizeForMeanIn<Real>(inputs, level, alpha);
    });
}

} // namespace quillon
