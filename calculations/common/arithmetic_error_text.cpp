#include "calculations/common/arithmetic_error_text.h"

namespace quillon {

std::string arithmeticErrorText(ArithmeticFault fault) {
    std::string name = faultName(fault);
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name + ": the values entered cannot be calculated.";
}

} // namespace quillon
