// The probability of the observed number of successes or more (when it lies above the expected
// number) or fewer, summed term by term from 0. The coefficient is built up directly until it
// grows past 1E35 or the term's logarithm falls below -80, and from then on in logarithms, so that
// the sum neither overflows nor loses its terms to underflow.
#include "calculations/counts/binomial_probability.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/typed_storage.h"
#include "calculations/counts/count_tail_answer.h"

#include <cstdint>

namespace quillon {
namespace {

// The sum counts its terms 16-bit; a tail needing more terms is refused.
constexpr double kMaximumTerms = 32767.0;

// P(X <= lastTerm) for trials trials with success probability p (q = 1 - p), stored as Real.
template <typename Real> Real lowerTailSum(Real trials, Real p, Real q, std::int16_t lastTerm) {
    Real sum = stored<Real>(exponential(trials * logarithm(q)));
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
            sum = stored<Real>(sum + coef * exponential(lt));
        } else {
            lc = lc + logarithm(divide(double(trials) - k + 1, k));
            if (lt + lc > -86.0)
                sum = stored<Real>(sum + exponential(lt + lc));
        }
    }
    return sum;
}

} // namespace

template <typename Real>
std::optional<BinomialTailOf<Real>> binomialTail(Real trials, Real p, Real successes) {
    BinomialTailOf<Real> tail;
    // A count is whole: one rounding (halves to even) serves the tail, the sum and the label alike,
    // so 2.5 cannot be summed as 2 and labelled 3.
    tail.successes = stored<Real>(roundHalfEven(successes));

    // The upper tail P(successes >= x) is the lower tail P(failures <= n - x).
    Real tailCount = tail.successes;
    // m, the whole part of the expected number of successes, decides the tail.
    const Real m = stored<Real>(wholePart(double(trials) * p));
    if (tail.successes > m) {
        tail.upper = true;
        p = stored<Real>(1.0 - p);
        tailCount = stored<Real>(double(trials) - tail.successes);
    }
    const Real q = stored<Real>(1.0 - p);

    if (roundHalfEven(tailCount) > kMaximumTerms)
        return std::nullopt;
    tail.probability = lowerTailSum(trials, p, q, toInt16(tailCount));
    return tail;
}

template std::optional<BinomialTailOf<float>> binomialTail(float, float, float);
template std::optional<BinomialTailOf<double>> binomialTail(double, double, double);

namespace {

constexpr std::string_view kSuccessesRange =
    "The number of successes must be from 1 to the number of trials.";

template <typename Real> Outcome binomialAnswer(InputTexts inputs) {
    const Real trials = readStored<Real>(inputs[0]);
    const Real successes = readStored<Real>(inputs[2]);
    // Singles can be equal where the typed values are not (20000004 successes of 20000003 trials).
    if (successes > trials)
        return refuse(3, kSuccessesRange);
    const auto tail = binomialTail(trials, readStored<Real>(inputs[1]), successes);
    if (!tail)
        return refuse(1, "The tail tested may hold at most 32767 successes or failures.");
    return countTailAnswer(tail->successes, "successes",
                           tail->upper ? "more successes " : "fewer successes ", tail->probability);
}

} // namespace

Outcome binomialProbability(InputTexts inputs) {
    const float trials = readSingle(inputs[0]);
    const float p = readSingle(inputs[1]);
    const float successes = readSingle(inputs[2]);
    // More successes than trials cannot happen; summed as written it would report the chance of
    // every trial failing (11 of 10 at .5 would give .0010).
    if (const auto refusal = firstRefusal(
            {{1, isEmpty(inputs[0]), kEmptyBoxReason},
             {1, trials < 2.0f, "The number of trials must be 2 or more."},
             {2, isEmpty(inputs[1]), kEmptyBoxReason},
             {2, p < 0.0001f || p > 0.9999f, "The probability must be from .0001 to .9999."},
             {3, isEmpty(inputs[2]), kEmptyBoxReason},
             {3, successes < 1.0f || successes > trials, kSuccessesRange}}))
        return *refusal;

    return inTypedStorage(inputs, {1, 2, 3},
                          [inputs]<typename Real>(Real) { return binomialAnswer<Real>(inputs); });
}

} // namespace quillon
