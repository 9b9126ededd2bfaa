#include "calculations/means/mean_confidence_interval.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/typed_storage.h"
#include "calculations/means/sample_of_mean.h"

#include <string>
#include <vector>

namespace quillon {
namespace {

// The level stays a single: it only sets the probability the critical t is searched for.
template <typename Real> Outcome meanConfidenceIntervalIn(InputTexts inputs, float alpha) {
    const auto [mean, deviation, size, correction] = storedSampleOfMean<Real>(inputs);
    const Real standardError = standardErrorOfMean(deviation, size, correction);
    const Real df = stored<Real>(static_cast<double>(size) - 1.0);
    const HalfWidth width{.scale = standardError, .pattern = kProbabilityPattern};
    const float t = gridCriticalT(alpha, single(df), width);
    const Real halfWidth = stored<Real>(width.scale * double{t} + width.offset);
    const float shownLevel = single((1.0 - alpha) * 100.0);
    const Real lower = stored<Real>(static_cast<double>(mean) - halfWidth);
    const Real upper = stored<Real>(static_cast<double>(mean) + halfWidth);

    const std::vector<Quantity> quantities{
        {"standard_error", standardError, format(standardError, kGeneralPattern)},
        {"df", df, trimmedPlainForm(df)},
        {"confidence_level", shownLevel, trimmedPlainForm(shownLevel)},
        {"mean", mean, format(mean, kProbabilityPattern)},
        {"half_width", halfWidth, format(halfWidth, kProbabilityPattern)},
        {"lower", lower, format(lower, kGeneralPattern)},
        {"upper", upper, format(upper, kGeneralPattern)}};
    const auto printed = [&quantities](std::size_t i) { return quantities[i].text; };
    const std::string text = "Standard error of the mean = " + printed(0) + kBlankLine +
                             "Degrees of freedom = " + plainForm(df) + kBlankLine +
                             plainForm(shownLevel) + "% Confidence interval  = " + printed(3) +
                             " " + std::string(kPlusMinus) + " " + printed(4) + kBlankLine +
                             "Confidence interval range = " + printed(5) + " to " + printed(6);
    return answer(text, text, quantities);
}

} // namespace

Outcome meanConfidenceInterval(InputTexts inputs) {
    const float level = readSingle(inputs[4]);
    float alpha = single(1.0 - level / 100.0);
    const SampleOfMean sample = readSampleOfMean(inputs);
    if (sample.refusal)
        return *sample.refusal;
    // An empty level reads as 0 and is refused.
    if (const auto refusal =
            firstRefusal({{5, isEmpty(inputs[4]), kEmptyBoxReason},
                          {5, alpha <= 0.0f || alpha >= 1.0f,
                           "The confidence level must be greater than 0 and less than 100."}}))
        return *refusal;

    alpha = clampedAlpha(alpha);
    return inTypedStorage(inputs, {1, 2, 3, 4}, [inputs, alpha]<typename Real>(Real) {
        return meanConfidenceIntervalIn<Real>(inputs, alpha);
    });
}

} // namespace quillon
