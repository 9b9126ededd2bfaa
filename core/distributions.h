// The four distribution routines shared by every calculation. Each takes its value as a single and
// its degrees of freedom as a double (callers hold them as 16-bit integers, singles or doubles, all
// of which a double holds exactly) and returns the probability as a single. The t, F and chi-square
// routines give their own steps' value where it prints within one unit of its fourth decimal of
// the true tail, the true tail elsewhere (kept_or_true.h): every probability they give prints
// within one unit of its fourth decimal of the truth.
#pragma once

namespace quillon {

// Two-tailed probability of a standard normal deviate, in [0, .9999].
float zProb(float z);

// Two-tailed probability of Student's t with df degrees of freedom, in [0, 1].
float tProb(float t, double df);

// Upper-tail probability of chi-square with df degrees of freedom, in [0, 1].
float chiSquareProb(float x, double df);

// Upper-tail probability of an F-ratio with df1 and df2 degrees of freedom, in [0, 1].
float fProb(float f, double df1, double df2);

} // namespace quillon
