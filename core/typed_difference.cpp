#include "core/typed_difference.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace quillon {
namespace {

// A decimal number as digits × 10^exponent.
struct Decimal {
    std::int64_t digits = 0;
    int exponent = 0;
};

constexpr std::int64_t kMaxDigits = 999'999'999'999'999'999; // 18 places
constexpr int kMaxPowerOfTen = 22;                           // 10^22 is exact in a double

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Sign, digits with at most one point and an optional exponent, blanks around; nothing for
// &H/&O integers and for digits beyond 18 significant places.
std::optional<Decimal> readDecimalDigits(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    std::string significant;
    int exponent = 0;
    bool pointSeen = false;
    bool digitSeen = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digitSeen = true;
            if (!significant.empty() || c != '0')
                significant += c;
            if (pointSeen)
                --exponent;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    if (at < text.size()) {
        const char mark = text[at];
        if (mark != 'E' && mark != 'e' && mark != 'D' && mark != 'd')
            return std::nullopt;
        const std::string power(text.substr(at + 1));
        char* end = nullptr;
        const long typedPower = std::strtol(power.c_str(), &end, 10);
        if (power.empty() || *end != '\0' || std::labs(typedPower) > 400)
            return std::nullopt;
        exponent += static_cast<int>(typedPower);
    }
    while (!significant.empty() && significant.back() == '0') {
        significant.pop_back();
        ++exponent;
    }
    if (significant.size() > 18)
        return std::nullopt;
    Decimal decimal;
    for (const char c : significant)
        decimal.digits = decimal.digits * 10 + (c - '0');
    if (decimal.digits == 0)
        decimal.exponent = 0;
    else
        decimal.exponent = exponent;
    if (negative)
        decimal.digits = -decimal.digits;
    return decimal;
}

// digits × 10^places, or nothing when it leaves 18 places.
std::optional<std::int64_t> shifted(std::int64_t digits, int places) {
    for (int i = 0; i < places; ++i) {
        if (digits > kMaxDigits / 10 || digits < -kMaxDigits / 10)
            return std::nullopt;
        digits *= 10;
    }
    return digits;
}

} // namespace

double typedDifference(std::string_view a, std::string_view b) {
    const auto fallback = [&] { return readNumber(a) - readNumber(b); };
    const std::optional<Decimal> x = readDecimalDigits(a);
    const std::optional<Decimal> y = readDecimalDigits(b);
    if (!x || !y)
        return fallback();
    const int exponent = std::min(x->digits == 0 ? y->exponent : x->exponent,
                                  y->digits == 0 ? x->exponent : y->exponent);
    const std::optional<std::int64_t> left = shifted(x->digits, x->exponent - exponent);
    const std::optional<std::int64_t> right = shifted(y->digits, y->exponent - exponent);
    if (!left || !right)
        return fallback();
    const std::int64_t difference = *left - *right; // both within 18 places: no overflow
    // Exact as a double below 2^53, so that the power of ten rounds it only once.
    if (std::llabs(difference) > (std::int64_t{1} << 53) || std::abs(exponent) > kMaxPowerOfTen)
        return fallback();
    double scale = 1.0; // each power of ten up to 10^22 is exact
    for (int i = 0; i < std::abs(exponent); ++i)
        scale *= 10.0;
    const auto whole = static_cast<double>(difference);
    return exponent < 0 ? whole / scale : whole * scale;
}

} // namespace quillon
