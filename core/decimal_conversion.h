// Correctly rounded conversions between binary floating point and decimal digits, written the same
// way on every platform the plain layers build for (the WebAssembly C++ library has no
// floating-point charconv): the number text reads and writes every digit through these two.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The double nearest to a decimal number written as digits, an optional point and an optional
// exponent ("12345e-3", "1.5e+10"); ties go to the even neighbour. A value beyond the double range
// gives infinity, one below half the smallest subnormal gives 0. Text that is not such a number
// gives 0.
double decimalToDouble(std::string_view text);

// The magnitude rounded to count significant digits (1 or more), ties to even on its exact binary
// value, as "d.ddde+XX": one digit before the point, count - 1 after it, the exponent with its sign
// and at least two digits. The magnitude is finite and not negative.
std::string scientificDigits(double magnitude, int count);

} // namespace quillon
