#include "calculations/percents/one_sample_percents_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/population_correction.h"
#include "calculations/common/t_test_report.h"
#include "core/distributions.h"

#include <cmath>

namespace quillon {

namespace {

bool isPercentStrictlyInside(float percent) {
    return percent > 0.0f && percent < 100.0f;
}

} // namespace

Outcome calculatePercent1(InputTexts inputs) {
    const float percent1 = readSingle(inputs[0]);
    const float percent2 = readSingle(inputs[1]);
    const float size = readSingle(inputs[2]);
    if (!isPercentStrictlyInside(percent1))
        return refuse(1);
    if (!isPercentStrictlyInside(percent2))
        return refuse(2);
    if (size == 0.0f)
        return refuse(3);

    const float p1 = single(percent1 / 100.0);
    const float p2 = single(percent2 / 100.0);
    const float difference = single(double{p1} - p2);
    // Both proportions come from the same respondents, so their covariance enters the error.
    const double variance = divide(double{p1} + p2 - power(double{p1} - p2, 2.0), size);
    const float standardError = single(squareRoot(variance));
    const float t = single(std::fabs(divide(difference, standardError)));
    const float df = single(double{size} - 1.0);
    const float probability = tProb(t, df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability));
}

Outcome calculatePercent2(InputTexts inputs) {
    const float percent1 = readSingle(inputs[0]);
    const float size1 = readSingle(inputs[1]);
    const float percent2 = readSingle(inputs[2]);
    const float size2 = readSingle(inputs[3]);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (size1 == 0.0f)
        return refuse(2);
    if (isEmpty(inputs[2]))
        return refuse(3);
    if (size2 == 0.0f)
        return refuse(4);

    const float p1 = single(percent1 / 100.0);
    const float p2 = single(percent2 / 100.0);
    const float pooled =
        single(divide(double{size1} * p1 + double{size2} * p2, double{size1} + size2));
    const float pooledComplement = single(1.0 - pooled);
    const float difference = single(double{p1} - p2);
    const double variance =
        double{pooled} * pooledComplement * (divide(1.0, size1) + divide(1.0, size2));
    const float standardError = single(squareRoot(variance));
    // Both percents 0 (or both 100) leave 0 / 0 here, which raises rather than answers.
    const float t = single(std::fabs(divide(difference, standardError)));
    const float df = single(double{size1} + size2 - 2.0);
    const float probability = tProb(t, df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability));
}

Outcome calculatePercent3(InputTexts inputs) {
    const float percent = readSingle(inputs[0]);
    const float size = readSingle(inputs[1]);
    const float population = readSingle(inputs[2]);
    const float level = readSingle(inputs[3]);
    float alpha = single(1.0 - level / 100.0);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (size == 0.0f)
        return refuse(2);
    if (population > 0.0f && population < size)
        return refuse(3);
    if (alpha <= 0.0f || alpha >= 1.0f)
        return refuse(4);

    const float correction = populationCorrection(population, size);
    alpha = clampedAlpha(alpha);
    const float p = single(percent / 100.0);
    const float q = single(1.0 - p);
    const float standardError =
        single(squareRoot(divide(double{correction} * p * q, double{size} - 1.0)));
    const float df = single(double{size} - 1.0);
    const float t = criticalT(alpha, df);
    // In percentage points, but the continuity term 1 / (2n) is added unscaled, so the intervals
    // match those this window has always given.
    const float halfWidth = single(100.0 * t * standardError + divide(1.0, 2.0 * size));
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
