// The rule that keeps what a routine's own steps give wherever it prints true to the digits the
// windows show, and gives the true value elsewhere. An answer is judged by its printed text, so
// every answer that already prints true keeps its text to the character.
//
// Probabilities print with four decimals. A probability from the steps is kept where its printed
// text lies within one unit of the fourth decimal (1E-4) of the true tail, and 1E-7 more: the
// values a window reads are held as singles, which moves the true tail by some 1E-8 from the one
// of the typed decimals. Below a true tail of .001, where one unit is a tenth of the value or
// more (.0003 for a true .000213 is 40% off), the printed text must be the truth's own rounding:
// within half a unit, and 1E-7 more. Elsewhere the true tail answers, stored as a single, and
// prints within half a unit of it. A window that prints a number built from several probabilities
// (the probability of a range: half the sum or difference of two tails, and its complement) judges
// its own printed numbers the same way: the numbers built from the routines' values stand where
// each prints within one unit of the same number built from the true tails, and the latter answers
// elsewhere.
//
// Critical values print with three decimals. One found by a search on the steps is kept where its
// printed value lies within 0.05% of the true quantile, or within 0.0006 of it where that is more
// (a step of the .0001 grid and the rounding to three decimals: all that a search on the true tail
// itself promises near 0). Elsewhere the search runs again on the true tail. The band is widened
// by a millionth of the value: the asked probability is held as a single, which moves the quantile
// by about that much from the one of the typed decimal.
//
// A confidence interval prints its half-width, scale * t + offset, rather than its critical t. The
// steps' t is kept where that printed half-width lies within what a critical value allows, plus
// the rounding of a critical value to three decimals (both scaled), plus half a unit of the
// half-width's own last printed digit, of the half-width at the true quantile: the half-width then
// prints as true as one built from a printed critical value that is itself kept.
#pragma once

#include <functional>
#include <string_view>

namespace quillon {

inline constexpr double kKeptProbabilityUnit = 1e-4;
inline constexpr double kKeptProbabilitySlack = 1e-7;
inline constexpr double kKeptSmallProbability = 1e-3;
inline constexpr double kKeptCriticalShare = 0.0005;
inline constexpr double kKeptCriticalDistance = 0.0006;
inline constexpr double kKeptCriticalRounding = 0.0005;
inline constexpr double kKeptTargetShare = 1e-6;

// The probability as the windows print it: four decimals, read back.
double printedProbability(float probability);

// Whether a probability prints within kKeptProbabilityUnit (and kKeptProbabilitySlack) of the
// truth; below a truth of kKeptSmallProbability within half of kKeptProbabilityUnit.
bool printsTrueProbability(float probability, double truth);

// The probability from the steps where it prints true (printsTrueProbability), otherwise the
// truth stored as a single.
float keptOrTrueProbability(float bySteps, double truth);

// The same with the truth computed by `truth`. Where it cannot be formed (it raises
// ArithmeticError: degrees of freedom beyond about 1E10, where the steps' approximations lie far
// closer to it than the kept distance) the value from the steps stands.
float keptOrTrueProbability(float bySteps, const std::function<double()>& truth);

// The value as the windows print it: three decimals, read back.
double printedCriticalValue(float value);

// Whether the true quantile q of the target lies where |value - q| <= max(kKeptCriticalShare q,
// kKeptCriticalDistance) + extra, the band widened by kKeptTargetShare of the value. The quantile
// is not formed: the true tail, which falls as the value grows, is taken at both ends of the band.
bool quantileWithinBand(double value, double extra, float target,
                        const std::function<double(double)>& trueTail);

// Whether a critical value found for the target prints within its band of the true quantile.
bool printsTrueCriticalValue(float value, float target,
                             const std::function<double(double)>& trueTail);

// An interval's half-width from its critical t: scale * t + offset in double, stored as a single,
// printed with `pattern`.
struct HalfWidth {
    double scale = 1.0;
    double offset = 0.0;
    std::string_view pattern;

    float of(float t) const;
};

// Whether the half-width from the critical t prints within its band (see above) of the half-width
// at the true quantile of the target.
bool printsTrueHalfWidth(const HalfWidth& halfWidth, float t, float target,
                         const std::function<double(double)>& trueTail);

} // namespace quillon
