// The exact series for the upper tail of an F-ratio with whole degrees of freedom, and the normal
// approximation that answers when the series fails. fProb runs both directly; tProb runs them on
// t squared with 1 and n degrees of freedom.
#pragma once

#include <array>
#include <cstddef>

namespace quillon {

// Pi as each routine stores it: fProb holds a single, tProb a double. The series forms W = 2/pi
// and the factor 4/pi of its arctangent term from it.
inline constexpr double kSinglePi = 3.1415927f;
inline constexpr double kDoublePi = 3.14159265358979;

// The largest degrees of freedom whose half the series' 16-bit pass counter holds; above it the
// series fails before its first step.
inline constexpr double kMostSeriesDegrees = 65535.0;

// x = df1 f / (df2 + df1 f) as the series stores it, a single. Where it rounds to 1 the series
// computes the tail of an infinite f, and its result lies below its rounding error.
float fSeriesX(float f, double df1, double df2);

// The rounding error the series accumulates: one unit of 2^-24 for each step down the
// half-degrees of freedom, (df1 + df2) / 2 of them. A result below it has no significant digit.
double fSeriesRoundingError(double df1, double df2);

// What the series makes of one stored x.
struct FSeriesOutcome {
    bool failed = false;      // it raised an arithmetic error: the normal approximation answers
    float probability = 0.0f; // its result otherwise
};

// The series on a stored x, its arithmetic errors caught. It is not run where a degree of freedom
// is beyond the pass counter (it fails), nor where x is 1 (its result would lie below its rounding
// error; the probability is given as 0).
FSeriesOutcome runFSeries(float x, double df1, double df2, double pi);

// How many stored x runFSeriesLanes takes at once.
inline constexpr std::size_t kSeriesLanes = 4;

// runFSeries on kSeriesLanes stored x at once, in well under the time of running each: each
// outcome exactly what runFSeries gives for its x.
std::array<FSeriesOutcome, kSeriesLanes> runFSeriesLanes(const std::array<float, kSeriesLanes>& x,
                                                         double df1, double df2, double pi);

// The series on a stored x, as fSeries runs it after storing x.
float fSeriesOfX(float x, double df1, double df2, double pi);

// Upper-tail probability of f > 0 with df1 and df2 whole degrees of freedom, in [0, 1]. The
// arctangent term is taken when df2, rounded half to even, is odd. Every working value is stored
// as a single; an overflow of a single or of a 16-bit pass count, a division by zero or an invalid
// operation raises ArithmeticError.
float fSeries(float f, double df1, double df2, double pi);

// Upper-tail probability of f > 0 with df1 and df2 degrees of freedom by the normal
// approximation, in [0, 1]. An arithmetic fault raises ArithmeticError.
float fNormalApproximation(float f, double df1, double df2);

} // namespace quillon
