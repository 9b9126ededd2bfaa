#include "calculations/sample_size/error_for_sample_size.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "calculations/common/typed_storage.h"
#include "calculations/sample_size/sample_size_support.h"
#include "core/critical_search.h"

#include <array>

namespace quillon {
namespace {

// The first error (percentage points) on the .01 grid whose required size is at or below the
// sample: raised by 1 while the size it needs still exceeds the sample, then from the last error
// whose size did by .1, then by .01. The first step of every pass is taken unconditionally: from
// 2^24 on, n + 1 equals n in single precision and would otherwise skip the first pass and leave a
// negative error. A pass is bounded like a critical value search, and given up when it cannot end.
template <typename Real> Real maximumError(float z, Real rate, Real sampleSize, Real population) {
    Real error = 0;
    Real needed = stored<Real>(static_cast<double>(sampleSize) + 1.0);
    for (const Real step : std::array{Real{1}, static_cast<Real>(0.1), static_cast<Real>(0.01)}) {
        Real previousNeeded = needed;
        long steps = 0;
        do {
            if (++steps > maxProbesPerPass)
                throw ArithmeticError(ArithmeticFault::Overflow);
            previousNeeded = needed;
            error = stored<Real>(static_cast<double>(error) + step);
            needed = requiredSizeForPercent(z, rate, stored<Real>(error / 100.0), population);
        } while (needed > sampleSize);
        error = stored<Real>(static_cast<double>(error) - step);
        needed = previousNeeded;
    }
    return stored<Real>(static_cast<double>(error) + static_cast<Real>(0.01));
}

// The level stays a single: it only sets the probability the critical z is searched for.
template <typename Real> Outcome errorForSampleSizeIn(InputTexts inputs, float level, float alpha) {
    const Real population = populationOrUnlimited(readStored<Real>(inputs[0]));
    const Real rate = readProportion<Real>(inputs[1]);
    const Real sampleSize = readStored<Real>(inputs[2]);
    const float z = gridCriticalZ(alpha);
    const Real error = maximumError(z, rate, sampleSize, population);

    const std::string errorDigits = format(error, "#0.0");
    const std::string errorText =
        "Maximum error = " + std::string(kPlusMinus) + " " + errorDigits + "%";
    const std::string clipboard = line("Population size =", plainForm(population)) +
                                  line("Estimate of the population rate = ", plainForm(rate)) +
                                  line("Sample size =", plainForm(sampleSize)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line(errorText, "");
    return answer(errorText + kBlankLine, clipboard,
                  {{"maximum_error", static_cast<double>(error), errorDigits}});
}

} // namespace

Outcome errorForSampleSize(InputTexts inputs) {
    const float typedPopulation = readSingle(inputs[0]);
    const float rate = readProportion(inputs[1]);
    const float sampleSize = readSingle(inputs[2]);
    const float level = readSingle(inputs[3]);
    const float alpha = alphaOfLevel(level);
    // An empty population stands for an unlimited one; the other boxes read an empty text as 0,
    // which their checks refuse.
    if (const auto refusal =
            firstRefusal({{1, !isPopulationAccepted(typedPopulation), kPopulationRangeReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, !isRateAccepted(rate), kRateRangeReason},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, sampleSize < 2.0f, "The sample size must be 2 or more."},
                          {4, isEmpty(inputs[3]), kEmptyBoxReason},
                          {4, !isLevelAccepted(alpha), kLevelRangeReason}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3}, [inputs, level, alpha]<typename Real>(Real) {
        return errorForSampleSizeIn<Real>(inputs, level, alpha);
    });
}

} // namespace quillon
