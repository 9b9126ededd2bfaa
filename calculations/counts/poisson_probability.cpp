// Twice the one-sided Poisson tail beyond the observed count: twice P(events <= O) when O is at
// most the expected E, otherwise twice P(events >= O), formed as 2 - 2 P(events <= O - 1). The
// series e^-E (1 + E + E^2/2! + ...) is summed without e^-E, rescaled by e^-50 whenever its term
// passes 1E22, and e^-E with the rescalings is put back in logarithms.
#include "calculations/counts/poisson_probability.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/typed_storage.h"
#include "calculations/counts/count_tail_answer.h"

#include <cstdint>

namespace quillon {
namespace {

// The sum counts its terms 16-bit; a tail needing more terms is refused.
constexpr double kMaximumTerms = 32767.0;

// Near exp(-50) (1.9287498E-22) but not equal to it; the answers are printed with these digits,
// and the logarithm puts back exactly 50 per rescaling.
constexpr double kRescale = 1.92875216527315E-22;

// The running term and sum are stored as Real until the first rescaling, as doubles after it.
template <typename Real> double storedTerm(double value, std::int16_t scale) {
    if (scale == 0)
        return stored<Real>(value);
    return checkedDouble(value);
}

// P(events <= lastTerm) for the expected number of events, e^-E left out: the sum and the number
// of e^-50 rescalings it took.
struct ScaledSum {
    double sum = 1.0;
    std::int16_t scale = 0;
};

template <typename Real>
ScaledSum lowerTailSeries(Real expected, Real tailCount, std::int16_t lastTerm) {
    // The terms for 0 and 1 events.
    ScaledSum series;
    if (tailCount != 0)
        series.sum = stored<Real>(double(expected) + 1.0);
    double term = expected;
    for (int k = 2; k <= lastTerm; ++k) {
        term = storedTerm<Real>(divide(term * expected, k), series.scale);
        if (term > 1E22) {
            term = term * kRescale;
            series.sum = series.sum * kRescale;
            series.scale = toInt16(series.scale + 1);
        }
        if (term < 1E-31)
            break;
        series.sum = storedTerm<Real>(series.sum + term, series.scale);
    }
    return series;
}

} // namespace

template <typename Real>
std::optional<PoissonTailOf<Real>> poissonTail(Real observed, Real expected) {
    PoissonTailOf<Real> tail;
    // A count is whole: one rounding (halves to even) serves the tail, the sum and the label alike.
    tail.observed = stored<Real>(roundHalfEven(observed));

    Real tailCount = tail.observed;
    if (tail.observed > expected) {
        tailCount = stored<Real>(double(tail.observed) - 1.0);
        tail.upper = true;
    }
    if (roundHalfEven(tailCount) > kMaximumTerms)
        return std::nullopt;

    const ScaledSum series = lowerTailSeries(expected, tailCount, toInt16(tailCount));
    const double logP = logarithm(series.sum) - expected + 50.0 * series.scale;
    if (logP <= 80.0)
        tail.probability = stored<Real>(2.0 * exponential(logP));
    if (tail.upper)
        tail.probability = stored<Real>(2.0 - tail.probability);
    return tail;
}

template std::optional<PoissonTailOf<float>> poissonTail(float, float);
template std::optional<PoissonTailOf<double>> poissonTail(double, double);

namespace {

template <typename Real> Outcome poissonAnswer(InputTexts inputs) {
    const auto tail = poissonTail(readStored<Real>(inputs[0]), readStored<Real>(inputs[1]));
    if (!tail)
        return refuse(1, "The observed frequency must be at most 32767, or 32768 when above the "
                         "expected frequency.");
    return countTailAnswer(tail->observed, "events", tail->upper ? "more events " : "fewer events ",
                           tail->probability);
}

} // namespace

Outcome poissonProbability(InputTexts inputs) {
    const float observed = readSingle(inputs[0]);
    const float expected = readSingle(inputs[1]);
    // Negative frequencies give no fault but a number that means nothing (observed -5 against 2
    // would show .8120), or a sum without a logarithm.
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {1, observed < 0.0f, "The observed frequency must be 0 or more."},
                          {2, expected < 0.0f, "The expected frequency must be 0 or more."}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2},
                          [inputs]<typename Real>(Real) { return poissonAnswer<Real>(inputs); });
}

} // namespace quillon
