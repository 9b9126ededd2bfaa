// The difference of two typed numbers from their decimal digits. Read separately into doubles,
// 1000000000000.4 and 1000000000000.3 each lose about 3E-5 to the nearest double, so their
// difference keeps only four digits; from the digits as typed it is 0.1 rounded once.
#pragma once

#include <string_view>

namespace quillon {

// a − b for texts that are wholly numbers: exact from their decimal digits and rounded once to
// double when both are decimal numbers whose aligned digits fit 18 places and the exponent of
// the result stays within ±22; otherwise readNumber(a) − readNumber(b).
double typedDifference(std::string_view a, std::string_view b);

} // namespace quillon
