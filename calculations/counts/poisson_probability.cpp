// Counts4: the Poisson events test. Twice the one-sided Poisson tail beyond the observed count:
// twice P(events <= O) when O is at most the expected E, otherwise twice P(events >= O), formed as
// 2 - 2 P(events <= O - 1). The series e^-E (1 + E + E^2/2! + ...) is summed without e^-E, rescaled
// by e^-50 whenever its term passes 1E22, and e^-E with the rescalings is put back in logarithms.
#include "calculations/counts/fisher_exact_probability.h"

#include "calculations/common/calculation_support.h"
#include "calculations/counts/count_tail_answer.h"

#include <cstdint>

namespace quillon {
namespace {

// The loop counts 16-bit; a tail needing more terms is refused.
constexpr double kMaximumTerms = 32767.0;

// Stands for exp(-50); these are the digits the sum has always been rescaled by.
constexpr double kRescale = 1.92875216527315E-22;

// The running term and sum are stored as singles until the first rescaling, as doubles after it.
double stored(double value, std::int16_t scale) {
    if (scale == 0)
        return single(value);
    return checkedDouble(value);
}

} // namespace

Outcome calculateCounts4(InputTexts inputs) {
    float observed = readSingle(inputs[0]);
    const float expected = readSingle(inputs[1]);

    if (isEmpty(inputs[0]))
        return refuse(1);
    if (isEmpty(inputs[1]))
        return refuse(2);
    // Negative frequencies give no fault but a number that means nothing (observed -5 against 2
    // would show .8120), or a sum without a logarithm.
    if (observed < 0.0f)
        return refuse(1);
    if (expected < 0.0f)
        return refuse(2);

    // A count is whole: one rounding (halves to even, as the loop bound always rounded) serves the
    // tail, the sum and the label alike.
    observed = single(roundHalfEven(observed));

    bool upper = false;
    float tailCount = observed;
    if (observed > expected) {
        tailCount = single(double(observed) - 1.0);
        upper = true;
    }
    if (roundHalfEven(tailCount) > kMaximumTerms)
        return refuse(1);
    const std::int16_t lastTerm = toInt16(tailCount);

    // The terms for 0 and 1 events, e^-E left out.
    double sum = 1.0;
    if (tailCount != 0.0f)
        sum = single(double(expected) + 1.0);
    double term = expected;
    std::int16_t scale = 0;
    for (int k = 2; k <= lastTerm; ++k) {
        term = stored(divide(term * expected, k), scale);
        if (term > 1E22) {
            term = term * kRescale;
            sum = sum * kRescale;
            scale = toInt16(scale + 1);
        }
        if (term < 1E-31)
            break;
        sum = stored(sum + term, scale);
    }

    const double logP = logarithm(sum) - expected + 50.0 * scale;
    float probability = 0.0f;
    if (logP <= 80.0)
        probability = single(2.0 * exponential(logP));
    if (upper)
        probability = single(2.0 - probability);

    return countTailAnswer(observed, upper ? "more events " : "fewer events ", probability);
}

} // namespace quillon
