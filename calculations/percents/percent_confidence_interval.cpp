#include "calculations/percents/percent_confidence_interval.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/population_correction.h"

namespace quillon {

Outcome percentConfidenceInterval(InputTexts inputs) {
    const float percent = readSingle(inputs[0]);
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

    const float correction = populationCorrection(population, size);
    alpha = clampedAlpha(alpha);
    const float p = single(percent / 100.0);
    const float q = single(1.0 - p);
    const float standardError =
        single(squareRoot(divide(double{correction} * p * q, double{size} - 1.0)));
    const float df = single(double{size} - 1.0);
    // In percentage points; the continuity term 1 / (2n) is added unscaled, a fraction of a point
    // rather than the 100 / (2n) points the scale would suggest.
    const HalfWidth width{.scale = 100.0 * standardError,
                          .offset = divide(1.0, 2.0 * size),
                          .pattern = kGeneralPattern};
    const float halfWidth = width.of(gridCriticalT(alpha, df, width));
    const float shownLevel = single((1.0 - alpha) * 100.0);
    const float centre = single(100.0 * p);
    const float lower = single(double{centre} - halfWidth);
    const float upper = single(double{centre} + halfWidth);

    const std::string text =
        "Standard error of the proportion = " + format(standardError, kGeneralPattern) +
        kBlankLine + "Degrees of freedom = " + plainForm(df) + kBlankLine + plainForm(shownLevel) +
        "% Confidence interval  = " + format(centre, kGeneralPattern) + " " +
        std::string(kPlusMinus) + " " + format(halfWidth, kGeneralPattern) + kBlankLine +
        "Confidence interval range = " + format(lower, kGeneralPattern) + " to " +
        format(upper, kGeneralPattern);
    return answer(text, text);
}

} // namespace quillon
