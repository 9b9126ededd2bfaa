#include "calculations/percents/percent_confidence_interval.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/population_correction.h"
#include "calculations/common/typed_storage.h"

namespace quillon {
namespace {

// The level stays a single: it only sets the probability the critical t is searched for.
template <typename Real> Outcome percentConfidenceIntervalIn(InputTexts inputs, float alpha) {
    const Real percent = readStored<Real>(inputs[0]);
    const Real size = readStored<Real>(inputs[1]);
    const Real correction = populationCorrection(readStored<Real>(inputs[2]), size);
    const Real p = stored<Real>(percent / 100.0);
    const Real q = stored<Real>(1.0 - p);
    const Real standardError = stored<Real>(squareRoot(
        divide(static_cast<double>(correction) * p * q, static_cast<double>(size) - 1.0)));
    const Real df = stored<Real>(static_cast<double>(size) - 1.0);
    // In percentage points; the continuity term 1 / (2n) is added unscaled, a fraction of a point
    // rather than the 100 / (2n) points the scale would suggest.
    const HalfWidth width{.scale = 100.0 * standardError,
                          .offset = divide(1.0, 2.0 * size),
                          .pattern = kGeneralPattern};
    const float t = gridCriticalT(alpha, single(df), width);
    const Real halfWidth = stored<Real>(width.scale * double{t} + width.offset);
    const float shownLevel = single((1.0 - alpha) * 100.0);
    const Real centre = stored<Real>(100.0 * p);
    const Real lower = stored<Real>(static_cast<double>(centre) - halfWidth);
    const Real upper = stored<Real>(static_cast<double>(centre) + halfWidth);

    const std::string errorText = format(standardError, kGeneralPattern);
    const std::string centreText = format(centre, kGeneralPattern);
    const std::string halfWidthText = format(halfWidth, kGeneralPattern);
    const std::string lowerText = format(lower, kGeneralPattern);
    const std::string upperText = format(upper, kGeneralPattern);
    const std::string text = "Standard error of the proportion = " + errorText + kBlankLine +
                             "Degrees of freedom = " + plainForm(df) + kBlankLine +
                             plainForm(shownLevel) + "% Confidence interval  = " + centreText +
                             " " + std::string(kPlusMinus) + " " + halfWidthText + kBlankLine +
                             "Confidence interval range = " + lowerText + " to " + upperText;
    return answer(text, text,
                  {{"standard_error", static_cast<double>(standardError), errorText},
                   {"df", static_cast<double>(df), trimmedPlainForm(df)},
                   {"confidence_level", double{shownLevel}, trimmedPlainForm(shownLevel)},
                   {"percent", static_cast<double>(centre), centreText},
                   {"half_width", static_cast<double>(halfWidth), halfWidthText},
                   {"lower", static_cast<double>(lower), lowerText},
                   {"upper", static_cast<double>(upper), upperText}});
}

} // namespace

Outcome percentConfidenceInterval(InputTexts inputs) {
    // A value beyond the single range is an overflow before any check.
    static_cast<void>(readSingle(inputs[0]));
    const float size = readSingle(inputs[1]);
    const float population = readSingle(inputs[2]);
    const float level = readSingle(inputs[3]);
    float alpha = single(1.0 - level / 100.0);
    // An empty population size means no correction; an empty level reads as 0 and is refused.
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, size == 0.0f, "The sample size must not be 0."},
                          {3, population < 0.0f, "The population size must not be negative."},
                          {3, population > 0.0f && population < size,
                           "The population size must not be smaller than the sample size."},
                          {4, isEmpty(inputs[3]), kEmptyBoxReason},
                          {4, alpha <= 0.0f || alpha >= 1.0f,
                           "The confidence level must be greater than 0 and less than 100."}}))
        return *refusal;

    alpha = clampedAlpha(alpha);
    return inTypedStorage(inputs, {1, 2, 3}, [inputs, alpha]<typename Real>(Real) {
        return percentConfidenceIntervalIn<Real>(inputs, alpha);
    });
}

} // namespace quillon
