#include "calculations/means/variance_ratio_f.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/typed_storage.h"
#include "core/distributions.h"

#include <string>
#include <utility>

namespace quillon {
namespace {

template <typename Real> Outcome varianceRatioFIn(InputTexts inputs) {
    Real deviation1 = readStored<Real>(inputs[0]);
    Real size1 = readStored<Real>(inputs[1]);
    Real deviation2 = readStored<Real>(inputs[2]);
    Real size2 = readStored<Real>(inputs[3]);
    // The larger standard deviation goes over the smaller, so F is at least 1.
    if (deviation1 < deviation2) {
        std::swap(deviation1, deviation2);
        std::swap(size1, size2);
    }
    const Real variance1 = stored<Real>(power(deviation1, 2.0));
    const Real variance2 = stored<Real>(power(deviation2, 2.0));
    const Real f = stored<Real>(divide(variance1, variance2));
    const Real df1 = stored<Real>(static_cast<double>(size1) - 1.0);
    const Real df2 = stored<Real>(static_cast<double>(size2) - 1.0);
    const float probability = fProb(single(f), df1, df2);

    const std::string fText = format(f, kGeneralPattern);
    const std::string probabilityText = format(probability, kProbabilityPattern);
    const std::string text =
        "F-ratio = " + fText + kBlankLine + "Degrees of freedom =" + plainForm(df1) + " and" +
        plainForm(df2) + kBlankLine +
        "Probability that the difference was due to chance = " + probabilityText;
    const std::string clipboard = "F(" + trimmedPlainForm(df1) + "," + trimmedPlainForm(df2) +
                                  ")=" + trimmedPlainForm(f) + ", p=" + probabilityText;
    return answer(text, clipboard,
                  {{"f", f, fText},
                   {"df1", df1, trimmedPlainForm(df1)},
                   {"df2", df2, trimmedPlainForm(df2)},
                   {"p", probability, probabilityText}});
}

} // namespace

Outcome varianceRatioF(InputTexts inputs) {
    const float deviation1 = readSingle(inputs[0]);
    const float size1 = readSingle(inputs[1]);
    const float deviation2 = readSingle(inputs[2]);
    const float size2 = readSingle(inputs[3]);
    constexpr std::string_view kDeviationRange = "The standard deviation must be greater than 0.";
    constexpr std::string_view kSizeRange = "The sample size must be 2 or more.";
    if (const auto refusal = firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                                           {1, deviation1 <= 0.0f, kDeviationRange},
                                           {2, isEmpty(inputs[1]), kEmptyBoxReason},
                                           {2, size1 < 2.0f, kSizeRange},
                                           {3, isEmpty(inputs[2]), kEmptyBoxReason},
                                           {3, deviation2 <= 0.0f, kDeviationRange},
                                           {4, isEmpty(inputs[3]), kEmptyBoxReason},
                                           {4, size2 < 2.0f, kSizeRange}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3, 4},
                          [inputs]<typename Real>(Real) { return varianceRatioFIn<Real>(inputs); });
}

} // namespace quillon
