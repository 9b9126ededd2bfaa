// The portable conversions give, digit for digit, what the native C++ library's charconv gives:
// ties, the ends of the double range and a seeded sweep over every binary exponent.
#include "core/decimal_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace quillon {
namespace {

std::string libraryScientific(double magnitude, int count) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, count - 1);
    return std::string(buffer.data(), result.ptr);
}

TEST(DecimalConversion, WritesTiesAndEndsAsTheLibraryDoes) {
    const struct {
        double magnitude;
        int count;
        std::string text;
    } cases[] = {
        {0.125, 2, "1.2e-01"}, // an exact tie goes to the even digit
        {0.375, 2, "3.8e-01"}, // and up when that is the even one
        {2.5, 1, "2e+00"},
        {9.5, 1, "1e+01"}, // a carry adds a digit to the exponent
        {0.0, 3, "0.00e+00"},
        {1e100, 1, "1e+100"}, // three exponent digits
        {std::numeric_limits<double>::max(), 17, "1.7976931348623157e+308"},
        {std::numeric_limits<double>::denorm_min(), 7, "4.940656e-324"},
        {static_cast<double>(0.1f), 7, "1.000000e-01"},
        {static_cast<double>(0.1f), 9, "1.00000001e-01"},
        {static_cast<double>(16777217.0f), 7, "1.677722e+07"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(scientificDigits(row.magnitude, row.count), row.text);
        EXPECT_EQ(libraryScientific(row.magnitude, row.count), row.text);
    }
}

TEST(DecimalConversion, ReadsTheEndsOfTheDoubleRange) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"17976931348623157e292", std::numeric_limits<double>::max()},
        {"17976931348623159e292", std::numeric_limits<double>::infinity()},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        // Just below and just above half the smallest subnormal.
        {"2.4703282292062327e-324", 0.0},
        {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
        {"1e-400", 0.0},
        {"0", 0.0},
        {"not a number", 0.0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(decimalToDouble(row.text), row.value);
    }
}

// Random bit patterns cover every binary exponent; singles are written through their exact double.
TEST(DecimalConversion, SeededSweepMatchesTheLibraryCharconv) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random() & ~(std::uint64_t{1} << 63);
        const bool asSingle = i % 2 == 1;
        const double magnitude =
            asSingle ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))
                     : std::bit_cast<double>(bits);
        if (!std::isfinite(magnitude))
            continue;
        const int count = 1 + static_cast<int>(random() % 20);
        const std::string written = scientificDigits(magnitude, count);
        ASSERT_EQ(written, libraryScientific(magnitude, count)) << std::hexfloat << magnitude;

        // Reading back the shortest text, and the written digits with noise appended, agrees with
        // the library's reading too.
        for (const std::string& text : {written, written.substr(0, written.find('e')) + "4999e" +
                                                     written.substr(written.find('e') + 1)}) {
            double expected = 0.0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
            if (result.ec == std::errc())
                ASSERT_EQ(decimalToDouble(text), expected) << text;
        }
    }
}

} // namespace
} // namespace quillon
