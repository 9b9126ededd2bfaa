#include "calculations/means/population_mean_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/t_test_report.h"
#include "calculations/common/typed_storage.h"
#include "calculations/means/sample_of_mean.h"
#include "core/distributions.h"

#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

template <typename Real> Outcome populationMeanTIn(InputTexts inputs) {
    const auto [mean, deviation, size, correction] = storedSampleOfMean<Real>(inputs);
    const Real populationMean = readStored<Real>(inputs[4]);
    const Real standardError = standardErrorOfMean(deviation, size, correction);
    const Real df = stored<Real>(static_cast<double>(size) - 1.0);
    // Signed: a sample mean below the population mean shows a negative t.
    const Real t = stored<Real>(divide(static_cast<double>(mean) - populationMean, standardError));
    const float probability = tProb(single(t), df);
    const std::string standardErrorText = format(standardError, kGeneralPattern);
    const std::string text = "Standard error of the mean = " + standardErrorText + kBlankLine +
                             tTestLines(t, df, probability);
    std::vector<Quantity> quantities = tTestQuantities(t, df, probability);
    quantities.insert(quantities.begin(), {"standard_error", standardError, standardErrorText});
    return answer(text, tTestSummary(t, df, probability), std::move(quantities));
}

} // namespace

Outcome populationMeanT(InputTexts inputs) {
    // A value beyond the single range is an overflow before any check.
    static_cast<void>(readSingle(inputs[4]));
    const SampleOfMean sample = readSampleOfMean(inputs);
    if (sample.refusal)
        return *sample.refusal;
    if (isEmpty(inputs[4]))
        return refuse(5, kEmptyBoxReason);

    return inTypedStorage(inputs, {1, 2, 3, 4, 5}, [inputs]<typename Real>(Real) {
        return populationMeanTIn<Real>(inputs);
    });
}

} // namespace quillon
