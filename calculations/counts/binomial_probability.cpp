// Counts3: the binomial test. The probability of the observed number of successes or more (when
// it lies above the expected number) or fewer, summed term by term from 0. The coefficient is
// built up directly until it grows past 1E35 or the term's logarithm falls below -80, and from
// then on in logarithms, so that the sum neither overflows nor loses its terms to underflow.
#include "calculations/counts/fisher_exact_probability.h"

#include "calculations/common/calculation_support.h"
#include "calculations/counts/count_tail_answer.h"

#include <cstdint>

namespace quillon {
namespace {

// The loop counts 16-bit; a tail needing more terms is refused.
constexpr double kMaximumTerms = 32767.0;

} // namespace

Outcome calculateCounts3(InputTexts inputs) {
    const float trials = readSingle(inputs[0]);
    float p = readSingle(inputs[1]);
    float successes = readSingle(inputs[2]);

    if (isEmpty(inputs[0]) || trials < 2.0f)
        return refuse(1);
    if (isEmpty(inputs[1]) || p < 0.0001f || p > 0.9999f)
        return refuse(2);
    if (isEmpty(inputs[2]) || successes < 1.0f)
        return refuse(3);
    // More successes than trials cannot happen; summed as written it would report the chance of
    // every trial failing (11 of 10 at .5 would give .0010).
    if (successes > trials)
        return refuse(3);

    // A count is whole: one rounding (halves to even, as the loop bound always rounded) serves the
    // tail, the sum and the label alike, so 2.5 cannot be summed as 2 and labelled 3.
    successes = single(roundHalfEven(successes));

    // The upper tail P(successes >= x) is the lower tail P(failures <= n - x).
    bool upper = false;
    float tailCount = successes;
    // m, the whole part of the expected number of successes, decides the tail.
    const float m = single(wholePart(double(trials) * p));
    if (successes > m) {
        upper = true;
        p = single(1.0 - p);
        tailCount = single(double(trials) - successes);
    }
    const float q = single(1.0 - p);

    if (roundHalfEven(tailCount) > kMaximumTerms)
        return refuse(1);
    const std::int16_t lastTerm = toInt16(tailCount);

    float sum = single(exponential(trials * logarithm(q)));
    const double lp = logarithm(p);
    const double lq = logarithm(q);
    double coef = 1.0;
    double lc = 0.0;
    bool logarithmic = false;
    // An int counter: a 16-bit one would overflow stepping past a last term of 32767.
    for (int k = 1; k <= lastTerm; ++k) {
        const double lt = k * lp + (double(trials) - k) * lq;
        if (!logarithmic && (coef > 1E35 || lt < -80.0)) {
            logarithmic = true;
            lc = logarithm(coef);
        }
        if (!logarithmic) {
            coef = divide(coef * (double(trials) - k + 1), k);
            sum = single(sum + coef * exponential(lt));
        } else {
            lc = lc + logarithm(divide(double(trials) - k + 1, k));
            if (lt + lc > -86.0)
                sum = single(sum + exponential(lt + lc));
        }
    }

    return countTailAnswer(successes, upper ? "more successes " : "fewer successes ", sum);
}

} // namespace quillon
