#include "core/decimal_conversion.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace quillon {

double decimalToDouble(std::string_view text) {
    double value = 0.0;
    const fast_float::from_chars_result result =
        fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

std::string scientificDigits(double magnitude, int count) {
    return fmt::format("{:.{}e}", magnitude, count - 1);
}

} // namespace quillon
