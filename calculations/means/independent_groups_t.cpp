#include "calculations/means/independent_groups_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/population_correction.h"
#include "calculations/common/t_test_report.h"
#include "core/distributions.h"

#include <cmath>
#include <optional>
#include <utility>

namespace quillon {

namespace {

// sd / sqrt(n), reduced by the finite population correction.
float standardErrorOfMean(float deviation, float size, float correction) {
    return single(divide(deviation, squareRoot(size)) * squareRoot(correction));
}

// The sample both the interval and the comparison with a population mean work from: the first
// four boxes, checked in order, and the finite population correction (formed before the fifth box
// is checked, so a population of 1 faults first).
struct SampleOfMean {
    float mean = 0.0f;
    float deviation = 0.0f;
    float size = 0.0f;
    float correction = 1.0f;
    std::optional<Outcome> refusal;
};

SampleOfMean readSampleOfMean(InputTexts inputs) {
    SampleOfMean sample;
    sample.mean = readSingle(inputs[0]);
    sample.deviation = readSingle(inputs[1]);
    sample.size = readSingle(inputs[2]);
    const float population = readSingle(inputs[3]);
    if (isEmpty(inputs[0]))
        sample.refusal = refuse(1);
    else if (sample.deviation == 0.0f)
        sample.refusal = refuse(2);
    else if (sample.size == 0.0f)
        sample.refusal = refuse(3);
    else
        sample.correction = populationCorrection(population, sample.size);
    return sample;
}

} // namespace

Outcome calculateMeans2(InputTexts inputs) {
    const float mean1 = readSingle(inputs[0]);
    const float deviation1 = readSingle(inputs[1]);
    const float size1 = readSingle(inputs[2]);
    const float mean2 = readSingle(inputs[3]);
    const float deviation2 = readSingle(inputs[4]);
    const float size2 = readSingle(inputs[5]);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (deviation1 == 0.0f)
        return refuse(2);
    if (size1 == 0.0f)
        return refuse(3);
    if (isEmpty(inputs[3]))
        return refuse(4);
    if (deviation2 == 0.0f)
        return refuse(5);
    if (size2 == 0.0f)
        return refuse(6);

    const float variance1 = single(power(deviation1, 2.0));
    const float variance2 = single(power(deviation2, 2.0));
    const float pooled =
        single(divide((double{size1} - 1.0) * variance1 + (double{size2} - 1.0) * variance2,
                      double{size1} + size2 - 2.0));
    const float standardError =
        single(power((divide(1.0, size2) + divide(1.0, size1)) * pooled, 0.5));
    const float t = single(std::fabs(divide(double{mean1} - mean2, standardError)));
    const float df = single(double{size1} + size2 - 2.0);
    const float probability = tProb(t, df);
    return answer(tTestLines(t, df, probability), tTestSummary(t, df, probability));
}

Outcome calculateMeans3(InputTexts inputs) {
    const float level = readSingle(inputs[4]);
    float alpha = single(1.0 - level / 100.0);
    const SampleOfMean sample = readSampleOfMean(inputs);
    if (sample.refusal)
        return *sample.refusal;
    const auto [mean, deviation, size, correction, _] = sample;
    if (alpha <= 0.0f || alpha >= 1.0f)
        return refuse(5);

    alpha = clampedAlpha(alpha);
    const float standardError = standardErrorOfMean(deviation, size, correction);
    const float df = single(double{size} - 1.0);
    const float t = criticalT(alpha, df);
    const float halfWidth = single(double{t} * standardError);
    const float shownLevel = single((1.0 - alpha) * 100.0);
    const float lower = single(double{mean} - halfWidth);
    const float upper = single(double{mean} + halfWidth);

    const std::string text =
        "Standard error of the mean = " + format(standardError, kGeneralPattern) + kBlankLine +
        "Degrees of freedom = " + plainForm(df) + kBlankLine + plainForm(shownLevel) +
        "% Confidence interval  = " + format(mean, ".###0 ") + std::string(kPlusMinus) + " " +
        format(halfWidth, kProbabilityPattern) + kBlankLine +
        "Confidence interval range = " + format(lower, kGeneralPattern) + " to " +
        format(upper, kGeneralPattern);
    return answer(text, text);
}

Outcome calculateMeans4(InputTexts inputs) {
    const float populationMean = readSingle(inputs[4]);
    const SampleOfMean sample = readSampleOfMean(inputs);
    if (sample.refusal)
        return *sample.refusal;
    const auto [mean, deviation, size, correction, _] = sample;
    if (isEmpty(inputs[4]))
        return refuse(5);

    const float standardError = standardErrorOfMean(deviation, size, correction);
    const float df = single(double{size} - 1.0);
    // Signed: a sample mean below the population mean shows a negative t.
    const float t = single(divide(double{mean} - populationMean, standardError));
    const float probability = tProb(t, df);
    const std::string text =
        "Standard error of the mean = " + format(standardError, kGeneralPattern) + kBlankLine +
        tTestLines(t, df, probability);
    return answer(text, tTestSummary(t, df, probability));
}

Outcome calculateMeans5(InputTexts inputs) {
    float deviation1 = readSingle(inputs[0]);
    float size1 = readSingle(inputs[1]);
    float deviation2 = readSingle(inputs[2]);
    float size2 = readSingle(inputs[3]);
    if (isEmpty(inputs[0]) || deviation1 <= 0.0f)
        return refuse(1);
    if (isEmpty(inputs[1]) || size1 < 2.0f)
        return refuse(2);
    if (isEmpty(inputs[2]) || deviation2 <= 0.0f)
        return refuse(3);
    if (isEmpty(inputs[3]) || size2 < 2.0f)
        return refuse(4);

    // The larger standard deviation goes over the smaller, so F is at least 1.
    if (deviation1 < deviation2) {
        std::swap(deviation1, deviation2);
        std::swap(size1, size2);
    }
    const float variance1 = single(power(deviation1, 2.0));
    const float variance2 = single(power(deviation2, 2.0));
    const float f = single(divide(variance1, variance2));
    const float df1 = single(double{size1} - 1.0);
    const float df2 = single(double{size2} - 1.0);
    const float probability = fProb(f, df1, df2);

    const std::string text = "F-ratio = " + format(f, kGeneralPattern) + kBlankLine +
                             "Degrees of freedom =" + plainForm(df1) + " and" + plainForm(df2) +
                             kBlankLine + "Probability that the difference was due to chance = " +
                             format(probability, kProbabilityPattern);
    const std::string clipboard = "F(" + trimmedPlainForm(df1) + "," + trimmedPlainForm(df2) +
                                  ")=" + trimmedPlainForm(f) +
                                  ", p=" + format(probability, kProbabilityPattern);
    return answer(text, clipboard);
}

} // namespace quillon
