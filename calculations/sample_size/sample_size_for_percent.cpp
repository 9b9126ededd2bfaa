#include "calculations/sample_size/sample_size_for_percent.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/typed_storage.h"
#include "calculations/sample_size/sample_size_support.h"

namespace quillon {
namespace {

// The level stays a single: it only sets the probability the critical z is searched for.
template <typename Real>
Outcome sampleSizeForPercentIn(InputTexts inputs, float level, float alpha) {
    const Real population = populationOrUnlimited(readStored<Real>(inputs[0]));
    const Real rate = readProportion<Real>(inputs[1]);
    const Real error = readProportion<Real>(inputs[2]);
    const float z = gridCriticalZ(alpha);
    const Real size = requiredSizeForPercent(z, rate, error, population);
    // Never raised to the next whole number.
    const Real required = stored<Real>(wholePart(size));

    const std::string text = "Required sample size =" + plainForm(required) + kBlankLine;
    const std::string clipboard = line("Population size =", plainForm(population)) +
                                  line("Estimate of the population rate = ", plainForm(rate)) +
                                  line("Maximum acceptable error =", plainForm(error)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line("Required sample size =", plainForm(required));
    return answer(text, clipboard, {requiredSizeQuantity(required)});
}

} // namespace

Outcome sampleSizeForPercent(InputTexts inputs) {
    const float typedPopulation = readSingle(inputs[0]);
    const float rate = readProportion(inputs[1]);
    const float error = readProportion(inputs[2]);
    const float level = readSingle(inputs[3]);
    const float alpha = alphaOfLevel(level);
    // An empty population stands for an unlimited one; the other boxes read an empty text as 0,
    // which their checks refuse.
    if (const auto refusal =
            firstRefusal({{1, !isPopulationAccepted(typedPopulation), kPopulationRangeReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, !isRateAccepted(rate), kRateRangeReason},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, error == 0.0f, "The maximum acceptable difference must not be 0."},
                          {4, isEmpty(inputs[3]), kEmptyBoxReason},
                          {4, !isLevelAccepted(alpha), kLevelRangeReason}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3}, [inputs, level, alpha]<typename Real>(Real) {
        return sampleSizeForPercentIn<Real>(inputs, level, alpha);
    });
}

} // namespace quillon
