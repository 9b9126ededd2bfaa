// What the user reads when a calculation meets an arithmetic fault that no check caught.
#pragma once

#include "core/arithmetic.h"

#include <string>

namespace quillon {

// For example "Division by zero: the values entered cannot be calculated."
std::string arithmeticErrorText(ArithmeticFault fault);

} // namespace quillon
