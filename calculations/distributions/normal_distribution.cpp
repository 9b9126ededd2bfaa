#include "calculations/distributions/normal_distribution.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/plain_quantity.h"
#include "calculations/common/typed_storage.h"
#include "calculations/distributions/distribution_support.h"
#include "core/critical_value.h"
#include "core/distributions.h"
#include "core/true_tails.h"

#include <cmath>
#include <utility>
#include <vector>

namespace quillon {
namespace {

template <typename Real> Outcome zRangeProbabilityIn(InputTexts inputs) {
    const Real mean = readStored<Real>(inputs[0]);
    const Real sd = readStored<Real>(inputs[1]);
    const Real lower = readStored<Real>(inputs[2]);
    const Real upper = readStored<Real>(inputs[3]);
    const RangeProbability range = rangeProbability(mean, sd, lower, upper, zProb, trueZTail);
    const Quantity meanShown = plainQuantity("mean", mean);
    const Quantity sdShown = plainQuantity("sd", sd);
    const Quantity lowerShown = plainQuantity("lower", lower);
    const Quantity upperShown = plainQuantity("upper", upper);
    const std::string sample = "Mean=" + meanShown.text + " (SD=" + sdShown.text + ")";
    std::vector<Quantity> quantities = rangeQuantities(range);
    quantities.insert(quantities.end(), {meanShown, sdShown, lowerShown, upperShown});
    return answer(rangeAnswer(range), rangeClipboard(sample, lowerShown, upperShown, range),
                  std::move(quantities));
}

} // namespace

Outcome zProbability(InputTexts inputs) {
    const float z = std::fabs(readSingle(inputs[0]));
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {1, z == 0.0f, "The z value must not be 0."}}))
        return *refusal;
    const float p = zProb(z);
    const std::string pText = probabilityText(p);
    const Quantity zShown = plainQuantity("z", z);
    return answer("Two-tailed probability = " + pText, "z=" + zShown.text + ", p=" + pText,
                  {{"p", double{p}, pText}, zShown});
}

Outcome criticalZ(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, !isAcceptedProbability(target), kProbabilityRangeReason}}))
        return *refusal;
    const CriticalValue found = criticalValue(Distribution::normal(), target);
    const std::string zText = measurementText(found.value);
    const Quantity foundP = foundProbabilityQuantity(found);
    return answer("z value = " + zText, "z=" + zText + ", p=" + foundP.text,
                  {{"critical_z", double{found.value}, zText}, foundP});
}

Outcome zRangeProbability(InputTexts inputs) {
    // Every box is read as a single first, so a value beyond its range is an overflow here.
    for (std::size_t box = 0; box < 4; ++box)
        static_cast<void>(readSingle(inputs[box]));
    const float sd = readSingle(inputs[1]);
    if (const auto refusal = firstEmptyBox(inputs, {1, 2, 3, 4}))
        return *refusal;
    if (!(sd > 0.0f))
        return refuse(2, "The standard deviation must be greater than 0.");
    return inTypedStorage(inputs, {1, 2, 3, 4}, [inputs]<typename Real>(Real) {
        return zRangeProbabilityIn<Real>(inputs);
    });
}

} // namespace quillon
