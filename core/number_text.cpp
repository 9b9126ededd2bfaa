#include "core/number_text.h"

#include "core/arithmetic.h"
#include "core/decimal_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace quillon {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// ---------------------------------------------------------------------------------------------
// Reading

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// The value of c as a digit of the given radix, or -1 when it is none.
int digitValue(char c, int radix) {
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < radix ? value : -1;
}

// Blanks, tabs and line feeds count nowhere in a number.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!isSkipped(c))
            kept += c;
    return kept;
}

// The leading unsigned integer of the given radix in digits (after &H or &O).
double readRadixInteger(std::string_view digits, int radix) {
    double value = 0.0;
    for (char c : digits) {
        const int digit = digitValue(c, radix);
        if (digit < 0)
            break;
        value = value * radix + digit;
        if (std::isinf(value))
            throw ArithmeticError(ArithmeticFault::Overflow);
    }
    return value;
}

// A typed exponent is kept within this bound while it is read; beyond it every value is out of the
// double range anyway, and the bound keeps the arithmetic on it from overflowing.
constexpr std::int64_t kExponentBound = 1'000'000'000;

// A double is settled by its first 767 significant digits and whether any nonzero digit follows;
// longer mantissas are cut to this many digits plus one sticky nonzero digit.
constexpr std::size_t kMantissaDigits = 800;

// Leading decimal powers beyond these are outside the double range whatever the digits.
constexpr std::int64_t kOverflowPower = 309;
constexpr std::int64_t kUnderflowPower = -325;

// A decimal number as typed: its sign, its digits without the point, how many of them follow the
// point, and the typed exponent.
struct DecimalParts {
    bool negative = false;
    std::string mantissa;
    std::int64_t fractionDigits = 0;
    std::int64_t exponent = 0;
};

// An optional sign at position at, stepped over; true for a minus.
bool readSign(std::string_view text, std::size_t& at) {
    if (at >= text.size() || (text[at] != '+' && text[at] != '-'))
        return false;
    const bool negative = text[at] == '-';
    ++at;
    return negative;
}

// The exponent after an exponent mark at position at, kept within kExponentBound; 0 when there is
// no mark.
std::int64_t readExponent(std::string_view text, std::size_t at) {
    if (at >= text.size() || !isExponentMark(text[at]))
        return 0;
    ++at;
    const bool negative = readSign(text, at);
    std::int64_t exponent = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        exponent = std::min(exponent * 10 + (text[at] - '0'), kExponentBound);
    return negative ? -exponent : exponent;
}

DecimalParts readDecimalParts(std::string_view text) {
    DecimalParts parts;
    std::size_t at = 0;
    parts.negative = readSign(text, at);
    bool pointSeen = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (isDigit(c)) {
            parts.mantissa += c;
            parts.fractionDigits += pointSeen ? 1 : 0;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
    }
    if (!parts.mantissa.empty())
        parts.exponent = readExponent(text, at);
    return parts;
}

// Cuts a mantissa longer than kMantissaDigits, keeping a sticky 1 for any nonzero digit cut off;
// value = mantissa x 10^scale is kept.
void cutMantissa(std::string& mantissa, std::int64_t& scale) {
    if (mantissa.size() <= kMantissaDigits)
        return;
    const bool restNonzero = mantissa.find_first_not_of('0', kMantissaDigits) != std::string::npos;
    scale += static_cast<std::int64_t>(mantissa.size() - kMantissaDigits);
    mantissa.resize(kMantissaDigits);
    if (restNonzero) {
        mantissa += '1';
        scale -= 1;
    }
}

// The magnitude of mantissa x 10^scale, correctly rounded; one beyond the double range is an
// overflow, one below it reads as 0.
double decimalMagnitude(const std::string& mantissa, std::int64_t scale) {
    const double magnitude = decimalToDouble(mantissa + "e" + std::to_string(scale));
    if (std::isinf(magnitude))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return magnitude;
}

// The leading decimal number of text (sign, digits with one point, exponent), 0 when there is none.
double readDecimal(std::string_view text) {
    DecimalParts parts = readDecimalParts(text);
    std::string& mantissa = parts.mantissa;
    // value = mantissa (as an integer) x 10^scale
    const std::size_t firstNonzero = mantissa.find_first_not_of('0');
    if (firstNonzero == std::string::npos)
        return 0.0;
    mantissa.erase(0, firstNonzero);
    std::int64_t scale = parts.exponent - parts.fractionDigits;

    const std::int64_t leadingPower = static_cast<std::int64_t>(mantissa.size()) - 1 + scale;
    if (leadingPower > kOverflowPower)
        throw ArithmeticError(ArithmeticFault::Overflow);
    if (leadingPower < kUnderflowPower)
        return 0.0;

    cutMantissa(mantissa, scale);
    const double magnitude = decimalMagnitude(mantissa, scale);
    if (magnitude == 0.0)
        return 0.0;
    return parts.negative ? -magnitude : magnitude;
}

// ---------------------------------------------------------------------------------------------
// Writing

// A finite nonzero magnitude rounded to a number of significant digits: d.ddd x 10^exponent.
struct SignificantDigits {
    std::string digits; // exactly as many as asked for, the first nonzero
    int exponent = 0;
};

// A single converts to a double exactly, so both are rounded from the same binary value.
SignificantDigits significantDigits(double magnitude, int count) {
    const std::string text = scientificDigits(magnitude, count);
    const std::size_t mark = text.find('e');

    SignificantDigits result;
    for (char c : std::string_view(text).substr(0, mark))
        if (c != '.')
            result.digits += c;
    // The exponent always carries its sign.
    const bool negativeExponent = text[mark + 1] == '-';
    for (char c : std::string_view(text).substr(mark + 2))
        result.exponent = result.exponent * 10 + (c - '0');
    if (negativeExponent)
        result.exponent = -result.exponent;
    return result;
}

std::string nonFiniteText(bool negative, bool isNaN) {
    if (isNaN)
        return "NaN";
    return negative ? "-Infinity" : "Infinity";
}

// "E+07", "E-10", "E+308": the sign always, at least two digits.
std::string exponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        text += '0';
    return text + digits;
}

// The general text of a finite nonzero magnitude with at most precision significant digits.
std::string generalText(const SignificantDigits& rounded, int precision) {
    std::string digits = rounded.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int kept = static_cast<int>(digits.size());
    const int exponent = rounded.exponent;

    if (exponent >= 0 && exponent < precision) {
        const int wholeDigits = exponent + 1;
        if (kept <= wholeDigits)
            return digits + std::string(static_cast<std::size_t>(wholeDigits - kept), '0');
        return digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
    }
    const int leadingZeros = -exponent - 1;
    if (exponent < 0 && leadingZeros + kept <= precision)
        return "." + std::string(static_cast<std::size_t>(leadingZeros), '0') + digits;

    std::string text = digits.substr(0, 1);
    if (kept > 1)
        text += "." + digits.substr(1);
    return text + exponentText(exponent);
}

template <typename Number> std::string plainText(Number value, int precision) {
    if (std::isnan(value))
        return " " + nonFiniteText(false, true);
    if (std::isinf(value))
        return value < 0 ? nonFiniteText(true, false) : " " + nonFiniteText(false, false);
    if (value == 0)
        return " 0";
    const std::string sign = value < 0 ? "-" : " ";
    return sign + generalText(significantDigits(std::fabs(value), precision), precision);
}

// The decimal digits of a magnitude rounded half away from zero to a number of decimals, scaled by
// 10^decimals: 2.675 with 2 decimals gives "268". Without leading zeros; "" for zero.
std::string scaledRoundedDigits(const SignificantDigits& rounded, int decimals) {
    // Digit i of rounded.digits stands for 10^(exponent - i); those down to 10^-decimals are kept.
    const long kept = static_cast<long>(rounded.exponent) + decimals + 1;
    const long available = static_cast<long>(rounded.digits.size());
    if (kept < 0)
        return "";

    std::string scaled;
    if (kept > 0) {
        scaled = rounded.digits.substr(0, static_cast<std::size_t>(std::min(kept, available)));
        if (kept > available)
            scaled.append(static_cast<std::size_t>(kept - available), '0');
    }
    const bool roundUp = kept < available && rounded.digits[static_cast<std::size_t>(kept)] >= '5';
    if (roundUp) {
        std::size_t position = scaled.size();
        while (position > 0 && scaled[position - 1] == '9') {
            scaled[position - 1] = '0';
            --position;
        }
        if (position == 0)
            scaled.insert(scaled.begin(), '1');
        else
            ++scaled[position - 1];
    }
    const std::size_t firstNonzero = scaled.find_first_not_of('0');
    return firstNonzero == std::string::npos ? "" : scaled.substr(firstNonzero);
}

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

// The pattern cut at its point: the integer section, the decimal section, and whether it has one.
struct PatternSections {
    std::string_view integer;
    std::string_view decimal;
    bool hasPoint = false;
};

PatternSections sectionsOf(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos)
        return {pattern, {}, false};
    return {pattern.substr(0, point), pattern.substr(point + 1), true};
}

// The integer section with the integer digits placed: right-aligned on the placeholders, the
// leftmost placeholder taking all digits left over; digits without a placeholder go at the end.
// Adds the number of digits written to `written`.
std::string integerSection(std::string_view section, const std::string& digits, long& written) {
    const long placeholders = std::count_if(section.begin(), section.end(), isPlaceholder);
    const long count = static_cast<long>(digits.size());
    std::string text;
    long placeholder = 0;
    for (char c : section) {
        if (!isPlaceholder(c)) {
            text += c;
            continue;
        }
        // Digit index that falls on this placeholder when the digits are right-aligned.
        const long index = count - placeholders + placeholder;
        if (placeholder == 0 && index > 0) {
            text += digits.substr(0, static_cast<std::size_t>(index + 1));
            written += index + 1;
        } else if (index >= 0) {
            text += digits[static_cast<std::size_t>(index)];
            ++written;
        } else if (c == '0') {
            text += '0';
            ++written;
        }
        ++placeholder;
    }
    if (placeholders == 0) {
        text += digits;
        written += count;
    }
    return text;
}

// The decimal section with its digits, trailing zeros dropped where only "#" placeholders remain.
// Adds the number of digits written to `written`.
std::string decimalSection(std::string_view section, const std::string& digits, long& written) {
    std::size_t shown = digits.size();
    std::size_t lastZeroPlaceholder = 0; // one past the last "0" placeholder
    std::size_t placeholder = 0;
    for (char c : section) {
        if (isPlaceholder(c)) {
            ++placeholder;
            if (c == '0')
                lastZeroPlaceholder = placeholder;
        }
    }
    while (shown > lastZeroPlaceholder && digits[shown - 1] == '0')
        --shown;

    std::string text;
    placeholder = 0;
    for (char c : section) {
        if (!isPlaceholder(c)) {
            text += c;
            continue;
        }
        if (placeholder < shown) {
            text += digits[placeholder];
            ++written;
        }
        ++placeholder;
    }
    return text;
}

template <typename Number>
std::string formatted(Number value, std::string_view pattern, int precision) {
    if (std::isnan(value) || std::isinf(value))
        return nonFiniteText(value < 0, std::isnan(value));
    if (pattern.empty()) {
        std::string text = plainText(value, precision);
        return text.front() == ' ' ? text.substr(1) : text;
    }

    const PatternSections sections = sectionsOf(pattern);
    const long decimals =
        std::count_if(sections.decimal.begin(), sections.decimal.end(), isPlaceholder);

    std::string scaled;
    if (value != 0)
        scaled = scaledRoundedDigits(significantDigits(std::fabs(value), precision),
                                     static_cast<int>(decimals));
    // Split the scaled digits into the integer part ("" for zero) and exactly `decimals` digits.
    if (scaled.size() < static_cast<std::size_t>(decimals))
        scaled.insert(0, static_cast<std::size_t>(decimals) - scaled.size(), '0');
    const std::size_t integerLength = scaled.size() - static_cast<std::size_t>(decimals);
    const std::string integerDigits = scaled.substr(0, integerLength);
    const std::string decimalDigits = scaled.substr(integerLength);

    long written = 0;
    std::string text = integerSection(sections.integer, integerDigits, written);
    if (sections.hasPoint)
        text += "." + decimalSection(sections.decimal, decimalDigits, written);

    // The sign follows the value, not its rounding: -0.00001 gives -.0000 with ".###0".
    if (value < 0 && written > 0)
        text.insert(text.begin(), '-');
    return text;
}

} // namespace

double readNumber(std::string_view text) {
    const std::string kept = withoutBlanks(text);
    const std::string_view number = kept;
    if (number.size() >= 2 && number[0] == '&') {
        if (number[1] == 'H' || number[1] == 'h')
            return readRadixInteger(number.substr(2), 16);
        if (number[1] == 'O' || number[1] == 'o')
            return readRadixInteger(number.substr(2), 8);
    }
    return readDecimal(number);
}

bool isWhollyNumber(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && isBlank(text[first]))
        ++first;
    while (end > first && isBlank(text[end - 1]))
        --end;
    const std::string_view number = text.substr(first, end - first);

    if (number.size() >= 2 && number[0] == '&') {
        const char mark = number[1];
        const int radix = (mark == 'H' || mark == 'h') ? 16 : (mark == 'O' || mark == 'o') ? 8 : 0;
        const std::string_view digits = number.substr(2);
        return radix != 0 && !digits.empty() &&
               std::all_of(digits.begin(), digits.end(),
                           [radix](char c) { return digitValue(c, radix) >= 0; });
    }

    std::size_t at = 0;
    readSign(number, at);
    bool pointSeen = false;
    bool digitSeen = false;
    for (; at < number.size(); ++at)
        if (isDigit(number[at]))
            digitSeen = true;
        else if (number[at] == '.' && !pointSeen)
            pointSeen = true;
        else
            break;
    if (!digitSeen)
        return false;
    if (at < number.size() && isExponentMark(number[at])) {
        ++at;
        readSign(number, at);
        const std::size_t exponentDigits = at;
        while (at < number.size() && isDigit(number[at]))
            ++at;
        if (at == exponentDigits)
            return false;
    }
    return at == number.size();
}

std::string plainForm(float value) {
    return plainText(value, kSingleDigits);
}

std::string plainForm(double value) {
    return plainText(value, kDoubleDigits);
}

std::string trimmedPlainForm(float value) {
    const std::string text = plainForm(value);
    return text.front() == ' ' ? text.substr(1) : text;
}

std::string trimmedPlainForm(double value) {
    const std::string text = plainForm(value);
    return text.front() == ' ' ? text.substr(1) : text;
}

std::string format(float value, std::string_view pattern) {
    return formatted(value, pattern, kSingleDigits);
}

std::string format(double value, std::string_view pattern) {
    return formatted(value, pattern, kDoubleDigits);
}

} // namespace quillon
