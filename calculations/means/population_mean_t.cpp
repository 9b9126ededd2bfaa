#include "calculations/means/population_mean_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "calculations/means/sample_of_mean.h"
#include "core/distributions.h"

namespace quillon {

Outcome populationMeanT(InputTexts inputs) {
    const float populationMean = readSingle(inputs[4]);
    const SampleOfMean sample = readSampleOfMean(inputs);
    if (sample.refusal)
        return *sample.refusal;
    const auto [mean, deviation, size, correction, _] = sample;
    if (isEmpty(inputs[4]))
        return refuse(5, kEmptyBoxReason);

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

} // namespace quillon
