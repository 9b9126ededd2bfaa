// The numeric reading of any text, and the plain form and format() of any single and double with
// every pattern the windows use. The whole input is read as a box's text; its first 8 bytes (4 for
// a single) are also taken as the bits of a double and a single, NaN and infinity included.
// What is written for a finite value reads back as that value, to the digits the form keeps.
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "fuzz/fuzz_checks.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using quillon::fuzz::fail;

constexpr std::array<std::string_view, 10> kPatterns = {quillon::kGeneralPattern,
                                                        quillon::kProbabilityPattern,
                                                        "###.###0",
                                                        "#######.0",
                                                        "#####.##0",
                                                        "####0",
                                                        "#.###0",
                                                        "#0.0",
                                                        ".###0 ",
                                                        ""};

// The placeholders after the pattern's point: the decimals it writes.
int decimalsOf(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos)
        return 0;
    int decimals = 0;
    for (const char c : pattern.substr(point + 1))
        decimals += c == '0' || c == '#';
    return decimals;
}

// From here on, fifteen digits round a double up to 1.79769313486232E+308, beyond the double
// range: such a text reads as an overflow, as any typed number beyond the range does.
constexpr double kRoundsBeyondDoubles = 1.797693134862315E308;

template <typename Value>
void checkReadsBack(const std::string& text, Value value, double tolerance) {
    double read = 0.0;
    try {
        read = quillon::readNumber(text);
    } catch (const quillon::ArithmeticError&) {
        if (std::fabs(double{value}) >= kRoundsBeyondDoubles)
            return;
        fail("a written number reads back", text);
    }
    if (!(std::fabs(read - double{value}) <= tolerance))
        fail("a written number reads back as its value", text);
}

template <typename Value> void checkForms(Value value, double relativeDigits) {
    const std::string plain = quillon::plainForm(value);
    const std::string trimmed = quillon::trimmedPlainForm(value);
    if (!std::isfinite(value))
        return;
    quillon::fuzz::checkNoNonFinite(plain);
    if (plain.empty() || (value < 0 ? plain[0] != '-' : plain[0] != ' '))
        fail("plain form starts with a blank or a minus", plain);
    if (plain.substr(plain[0] == ' ' ? 1 : 0) != trimmed)
        fail("trimmed plain form is the plain form without its blank", trimmed);
    const double magnitude = std::fabs(double{value});
    checkReadsBack(plain, value, magnitude * relativeDigits);
    for (const std::string_view pattern : kPatterns) {
        const std::string text = quillon::format(value, pattern);
        quillon::fuzz::checkNoNonFinite(text);
        if (pattern.empty()) {
            checkReadsBack(text, value, magnitude * relativeDigits);
            continue;
        }
        const double halfLastPlace = 0.5 * std::pow(10.0, -decimalsOf(pattern));
        checkReadsBack(text, value, halfLastPlace * (1.0 + 1E-9) + magnitude * relativeDigits);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = quillon::readNumber(text);
        if (!std::isfinite(value))
            fail("a reading is finite", text);
        checkForms(value, 1E-14);
        const float stored = static_cast<float>(value);
        if (std::isfinite(stored))
            checkForms(stored, 1E-6);
    } catch (const quillon::ArithmeticError&) {
        // A number beyond the double range: the window reports the overflow.
    }
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        checkForms(bits, 1E-14);
    }
    if (size >= sizeof(float)) {
        float bits = 0.0f;
        std::memcpy(&bits, data, sizeof bits);
        checkForms(bits, 1E-6);
    }
    return 0;
}
