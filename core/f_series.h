// The exact series for the upper tail of an F-ratio with whole degrees of freedom, and the normal
// approximation that answers when the series fails. FProb runs both directly; TProb runs them on
// t squared with 1 and n degrees of freedom.
#pragma once

namespace quillon {

// Pi as each routine stores it: FProb holds a single, TProb a double. The series forms W = 2/pi
// and the factor 4/pi of its arctangent term from it.
inline constexpr double kSinglePi = 3.1415927f;
inline constexpr double kDoublePi = 3.14159265358979;

// Upper-tail probability of f > 0 with df1 and df2 whole degrees of freedom, in [0, 1]. The
// arctangent term is taken when df2, rounded half to even, is odd. Every working value is stored
// as a single; an overflow of a single or of a 16-bit pass count, a division by zero or an invalid
// operation raises ArithmeticError.
float fSeries(float f, double df1, double df2, double pi);

// Upper-tail probability of f > 0 with df1 and df2 degrees of freedom by the normal
// approximation, in [0, 1]. An arithmetic fault raises ArithmeticError.
float fNormalApproximation(float f, double df1, double df2);

} // namespace quillon
