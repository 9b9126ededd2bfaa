// The rule that keeps what a routine's own steps give wherever it is true to the digits the
// windows print, and gives the true value elsewhere. Where the steps are that close, every answer
// keeps its text to the character.
//
// Probabilities print with four decimals. A probability from the steps is kept where it lies within
// 5E-5, half a unit of the fourth decimal, of the true tail: it then prints within one unit of the
// truth, and so does half the sum or difference of two of them (the range windows). Elsewhere the
// true tail answers, stored as a single.
//
// Critical values print with three decimals. One found by a search on the steps is kept where its
// printed value lies within 0.05% of the true quantile, or within 0.0006 of it where that is more
// (a step of the .0001 grid and the rounding to three decimals: all that a search on the true tail
// itself promises near 0). Elsewhere the search runs again on the true tail.
#pragma once

#include <functional>

namespace quillon {

inline constexpr double kKeptProbabilityDistance = 5e-5;
inline constexpr double kKeptCriticalShare = 0.0005;
inline constexpr double kKeptCriticalDistance = 0.0006;

// The probability from the steps where it lies within kKeptProbabilityDistance of the truth,
// otherwise the truth stored as a single.
float keptOrTrueProbability(float bySteps, double truth);

// The same with the truth computed by `truth`. Where it cannot be formed (it raises
// ArithmeticError: degrees of freedom beyond about 1E10, where the steps' approximations lie far
// closer to it than the kept distance) the value from the steps stands.
float keptOrTrueProbability(float bySteps, const std::function<double()>& truth);

// The value as the windows print it: three decimals, read back.
double printedCriticalValue(float value);

// Whether a critical value found for the target prints within kKeptCriticalShare of the true
// quantile, or within kKeptCriticalDistance where that is more. The true quantile is not formed:
// the true tail, which falls as the value grows, is taken at both ends of the band around the
// printed value.
bool printsTrueCriticalValue(float value, float target,
                             const std::function<double(double)>& trueTail);

} // namespace quillon
