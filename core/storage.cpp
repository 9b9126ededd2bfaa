#include "core/storage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quillon {

bool fitsSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return true;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.6e", static_cast<double>(static_cast<float>(value)));
    return std::strtod(digits, nullptr) == value;
}

} // namespace quillon
