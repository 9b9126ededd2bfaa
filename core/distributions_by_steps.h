// The t, F and chi-square routines as their own steps compute them (the series, the normal
// approximations, the cap of t at 999 degrees of freedom), with the true value only where those
// steps cannot serve at all (degrees of freedom that are not whole, a statistic close to 0, a
// series result below its rounding error). The routines of distributions.h check each of these
// values against the true tail; the critical-value searches walk these and check what they find.
#pragma once

namespace quillon {

// Degrees of freedom of t above this count as this many.
inline constexpr double kMostTDegrees = 999.0;

// Closer to 0 than these the series' single-precision cancellation swamps its odd-degree terms:
// the true tail answers for a |t| below kSmallestSeriesT and an F below kSmallestSeriesF.
inline constexpr float kSmallestSeriesT = 1E-03f;
inline constexpr float kSmallestSeriesF = 1E-06f;

// Two-tailed probability of Student's t, in [0, 1].
float tProbBySteps(float t, double df);

// Upper-tail probability of chi-square, in [0, 1].
float chiSquareProbBySteps(float x, double df);

// Upper-tail probability of an F-ratio, in [0, 1].
float fProbBySteps(float f, double df1, double df2);

} // namespace quillon
