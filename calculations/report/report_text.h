#pragma once
// The printed pieces of a report line in the style of APA (7th edition), always with a point as
// the decimal mark whatever the locale: "p = .038", "p < .001", "d = 1.00",
// "95% CI [0.05, 1.92]", joined into "t(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]".
#include "calculations/report/defined.h"

#include <string>
#include <vector>

namespace quillon::report {

// A probability to three decimals without the leading zero: "p = .038", "p < .001",
// "p > .999"; with exponent, small ones keep two significant digits: "p = 3.2e-05".
// A probability outside [0, 1] or not finite prints "p not defined".
std::string probabilityText(double p, bool withExponent = false);

// A number to 2 decimals with its sign: "1.00", "-0.05"; a value that rounds to zero prints
// "0.00" without a sign. Not finite: "not defined".
std::string numberText(double value);

// "95% CI [0.05, 1.92]" for level 0.95; the level as a percent without needless digits
// ("99.9% CI ..."). An interval without bounds prints its level and reason:
// "95% CI not defined: ...".
std::string intervalText(double level, const DefinedBounds& interval);

// "t(18) = 2.24", "F(2, 27) = 4.51", "z = 1.96" (no degrees of freedom); whole degrees of
// freedom print as whole numbers, others to 2 decimals.
std::string statisticText(const std::string& name, const std::vector<double>& degrees,
                          double value);

// "d = 1.00", or "d not defined: a cell is 0".
std::string effectText(const std::string& name, const DefinedNumber& effect);

// The parts joined by ", ", empty parts left out.
std::string reportLine(const std::vector<std::string>& parts);

} // namespace quillon::report
