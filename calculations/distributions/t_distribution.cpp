#include "calculations/distributions/t_distribution.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/plain_quantity.h"
#include "calculations/common/typed_storage.h"
#include "calculations/distributions/distribution_support.h"
#include "core/critical_value.h"
#include "core/distributions.h"
#include "core/distributions_by_steps.h"
#include "core/true_tails.h"

#include <cmath>
#include <utility>
#include <vector>

namespace quillon {
namespace {

// The degrees of freedom go to the routines as a single.
template <typename Real> Outcome tRangeProbabilityIn(InputTexts inputs) {
    const Real mean = readStored<Real>(inputs[0]);
    const Real sd = readStored<Real>(inputs[1]);
    const Real n = readStored<Real>(inputs[2]);
    const Real lower = readStored<Real>(inputs[3]);
    const Real upper = readStored<Real>(inputs[4]);
    const float df = single(static_cast<double>(n) - 1.0);
    const RangeProbability range = rangeProbability(
        mean, sd, lower, upper, [df](float t) { return tProbBySteps(t, df); },
        [df](double t) { return trueTTail(t, df); });
    const Quantity meanShown = plainQuantity("mean", mean);
    const Quantity sdShown = plainQuantity("sd", sd);
    const Quantity nShown = plainQuantity("n", n);
    const Quantity lowerShown = plainQuantity("lower", lower);
    const Quantity upperShown = plainQuantity("upper", upper);
    const std::string sample =
        "Mean=" + meanShown.text + ", SD=" + sdShown.text + " (N=" + nShown.text + ")";
    std::vector<Quantity> quantities = rangeQuantities(range);
    quantities.insert(quantities.end(), {meanShown, sdShown, nShown, lowerShown, upperShown});
    return answer(rangeAnswer(range), rangeClipboard(sample, lowerShown, upperShown, range),
                  std::move(quantities));
}

} // namespace

Outcome tProbability(InputTexts inputs) {
    const float t = std::fabs(readSingle(inputs[0]));
    const double df = readNumber(inputs[1]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, t == 0.0f, "The t value must not be 0."},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df < 1.0, "The degrees of freedom must be 1 or more."}}))
        return *refusal;
    const float p = tProb(t, df);
    const std::string pText = probabilityText(p);
    const Quantity dfShown = plainQuantity("df", df);
    const Quantity tShown = plainQuantity("t", t);
    return answer("Two-tailed probability = " + pText,
                  "t(" + dfShown.text + ")=" + tShown.text + ", p=" + pText,
                  {{"p", double{p}, pText}, dfShown, tShown});
}

Outcome criticalT(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df = readNumber(inputs[1]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, !isAcceptedProbability(target), kProbabilityRangeReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df < 1.0, "The degrees of freedom must be 1 or more."}}))
        return *refusal;
    const CriticalValue found = criticalValue(Distribution::t(df), target);
    const std::string tText = measurementText(found.value);
    const Quantity dfShown = plainQuantity("df", df);
    const Quantity foundP = foundProbabilityQuantity(found);
    return answer("t value = " + tText, "t(" + dfShown.text + ")=" + tText + ", p=" + foundP.text,
                  {{"critical_t", double{found.value}, tText}, dfShown, foundP});
}

Outcome tRangeProbability(InputTexts inputs) {
    // Every box is read as a single first, so a value beyond its range is an overflow here.
    static_cast<void>(readSingle(inputs[0]));
    const float sd = readSingle(inputs[1]);
    const float n = readSingle(inputs[2]);
    static_cast<void>(readSingle(inputs[3]));
    static_cast<void>(readSingle(inputs[4]));
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, sd <= 0.0f, "The standard deviation must be greater than 0."},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, n < 2.0f, "The sample size must be 2 or more."},
                          {4, isEmpty(inputs[3]), kEmptyBoxReason},
                          {5, isEmpty(inputs[4]), kEmptyBoxReason}}))
        return *refusal;
    return inTypedStorage(inputs, {1, 2, 3, 4, 5}, [inputs]<typename Real>(Real) {
        return tRangeProbabilityIn<Real>(inputs);
    });
}

} // namespace quillon
