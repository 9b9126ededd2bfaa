#include "core/number_text.h"

#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace quillon {
namespace {

TEST(NumberTextReading, LeadingNumberOfTheText) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"abc", 0.0},
        {"e5", 0.0},
        {".e5", 0.0},
        {"--5", 0.0},
        {"12abc", 12.0},
        {"1.5.3", 1.5},
        {"-.5", -0.5},
        {"+7", 7.0},
        {"5.", 5.0},
        {"1,5", 1.0},
        {"1e3", 1000.0},
        {"1E+2", 100.0},
        {"1e-2", 0.01},
        {"2D3", 2000.0},
        {"2d-1", 0.2},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1 2", 12.0},
        {" \t-\n3.5 ", -3.5},
        {"1 e 3", 1000.0},
        {"&H1F", 31.0},
        {"&h1f", 31.0},
        {"&H 1 F", 31.0},
        {"&HFFFF", 65535.0},
        {"&H1G", 1.0},
        {"&H", 0.0},
        {"&HG", 0.0},
        {"&O17", 15.0},
        {"&o8", 0.0},
        {"&O", 0.0},
        {"&X1", 0.0},
        {"-&H1F", 0.0},
        {"1e-400", 0.0},
        {"1e-99999999999999999999", 0.0},
        {"1.7976931348623157e308", DBL_MAX},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Long digit strings are read exactly.
        {"1" + std::string(400, '0') + "e-400", 1.0},
        {"0." + std::string(399, '0') + "1e400", 1.0},
        {std::string(500, '0') + "42", 42.0},
        // 2^53 + 1 is a tie between two doubles; a nonzero digit far behind breaks it upwards.
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993." + std::string(900, '0') + "1", 9007199254740994.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_FALSE(std::signbit(readNumber("-0")));
    EXPECT_FALSE(std::signbit(readNumber("-1e-400")));
}

TEST(NumberTextReading, ValuesBeyondTheDoubleRangeOverflow) {
    const std::string cases[] = {
        "1e400",
        "-1e309",
        "1.8e308",
        "1" + std::string(400, '0'),
        "1e99999999999999999999",
        "&H" + std::string(300, 'F'),
    };
    for (const auto& text : cases) {
        try {
            (void)readNumber(text);
            ADD_FAILURE() << text << ": no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), ArithmeticFault::Overflow) << text;
        }
    }
}

TEST(NumberTextReading, WhollyANumberOnlyWithNothingLeftOver) {
    struct Case {
        std::string_view text;
        bool number;
    };
    const Case cases[] = {
        {"12", true},      {" -.5 ", true}, {"+3", true},      {"5.", true},     {"1e3", true},
        {"1.5E-10", true}, {"2d+2", true},  {"&HFF", true},    {"&o17", true},   {"\t7\r\n", true},
        {"", false},       {"  ", false},   {"-", false},      {".", false},     {"-.", false},
        {"1,5", false},    {"1 2", false},  {"12abc", false},  {"1.5.3", false}, {"1e", false},
        {"1e+", false},    {"e5", false},   {"&H", false},     {"&O19", false},  {"&HFG", false},
        {"Weight", false}, {"--1", false},  {"z=1.96", false}, {"1-", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isWhollyNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(NumberTextPlainForm, Single) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {10.0f, " 10"},
        {0.5f, " .5"},
        {-0.25f, "-.25"},
        {28.0f, " 28"},
        {4.5f, " 4.5"},
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {0.1f, " .1"},
        {0.05f, " .05"},
        {123.456f, " 123.456"},
        {-1234.5f, "-1234.5"},
        {1.0f / 3.0f, " .3333333"},
        {2.0f / 3.0f, " .6666667"},
        {1234567.0f, " 1234567"},
        {9999999.0f, " 9999999"},
        {12345678.0f, " 1.234568E+07"},
        {10000000.0f, " 1E+07"},
        {1e20f, " 1E+20"},
        {1e36f, " 1E+36"},
        {FLT_MAX, " 3.402823E+38"},
        {0.001f, " .001"},
        {0.0001f, " .0001"},
        {1e-7f, " .0000001"},
        {1.5e-7f, " 1.5E-07"},
        {1e-8f, " 1E-08"},
        {1.0f / 30.0f, " 3.333334E-02"},
        {0.0123456f, " .0123456"},
        {0.01234567f, " 1.234567E-02"},
        {1.5e-10f, " 1.5E-10"},
        {-1e-20f, "-1E-20"},
        {std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
        {std::numeric_limits<float>::infinity(), " Infinity"},
        {-std::numeric_limits<float>::infinity(), "-Infinity"},
        {std::numeric_limits<float>::quiet_NaN(), " NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainForm(c.value), c.text) << c.value;
}

TEST(NumberTextPlainForm, Double) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {10.0, " 10"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {999999999999999.0, " 999999999999999"},
        {1e14, " 100000000000000"},
        {1e15, " 1E+15"},
        {123456789012345678.0, " 1.23456789012346E+17"},
        {1e-15, " .000000000000001"},
        {1e-16, " 1E-16"},
        {1.0 / 12.0, " 8.33333333333333E-02"},
        {1e-300, " 1E-300"},
        {DBL_MAX, " 1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
        {-0.0, " 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainForm(c.value), c.text) << c.value;
}

TEST(NumberTextPlainForm, TrimmedDropsOnlyTheBlank) {
    EXPECT_EQ(trimmedPlainForm(10.0f), "10");
    EXPECT_EQ(trimmedPlainForm(-0.25f), "-.25");
    EXPECT_EQ(trimmedPlainForm(4.0f), "4");
    EXPECT_EQ(trimmedPlainForm(1e36f), "1E+36");
    EXPECT_EQ(trimmedPlainForm(10.0), "10");
    EXPECT_EQ(trimmedPlainForm(27.3), "27.3");
    EXPECT_EQ(trimmedPlainForm(-1.0 / 3.0), "-.333333333333333");
}

TEST(NumberTextPlainForm, AnswerLinesGetTheirBlankFromIt) {
    EXPECT_EQ("Degrees of freedom = " + plainForm(28.0f), "Degrees of freedom =  28");
    EXPECT_EQ("Degrees of freedom =" + plainForm(9.0f) + " and" + plainForm(14.0f),
              "Degrees of freedom = 9 and 14");
    EXPECT_EQ("Population size =" + plainForm(1e36f), "Population size = 1E+36");
    EXPECT_EQ("Mean = " + format(12.5f, kGeneralPattern) + "     N =" + plainForm(10.0f),
              "Mean = 12.500     N = 10");
}

struct FormatCase {
    float value;
    const char* pattern;
    const char* text;
};

TEST(NumberTextFormat, Single) {
    const FormatCase cases[] = {
        // The patterns of the windows.
        {1.96f, "#########0.##0", "1.960"},
        {0.5f, "#########0.##0", "0.500"},
        {2.5e10f, "#########0.##0", "25000000000.000"},
        {0.0f, "#########0.##0", "0.000"},
        {1.815f, "#########0.##0", "1.815"},
        {FLT_MAX, "#########0.##0", "340282300000000000000000000000000000000.000"},
        {1.5e-10f, "#########0.##0", "0.000"},
        {0.05f, ".###0", ".0500"},
        {0.00001f, ".###0", ".0000"},
        {1.0f, ".###0", "1.0000"},
        {0.00005f, ".###0", ".0001"},
        {-0.05f, ".###0", "-.0500"},
        {0.5f, ".###0", ".5000"},
        {0.99995f, ".###0", "1.0000"},
        {0.5f, ".###0 ", ".5000 "},
        {3.5f, "###.###0", "3.5000"},
        {0.25f, "###.###0", ".2500"},
        {1.0f, "###.###0", "1.0000"},
        {3.5f, "#####.###0", "3.5000"},
        {0.25f, "#.###0", ".2500"},
        {123.45f, "#.###0", "123.4500"},
        {12.25f, "#####.##0", "12.250"},
        {0.5f, "#####.##0", ".500"},
        {15.0f, "#######.0", "15.0"},
        {0.25f, "#######.0", ".3"},
        {0.04f, "#######.0", ".0"},
        {95.0f, "#0.0", "95.0"},
        {0.04f, "#0.0", "0.0"},
        {0.5f, "#0.0", "0.5"},
        {12.5f, "#####", "13"},
        {2.5f, "#####", "3"},
        {-2.5f, "#####", "-3"},
        {123456.0f, "#####", "123456"},
        {0.0f, "#####", ""},
        {0.4f, "#####", ""},
        {-0.4f, "#####", ""},
        // Rounding works on the 7-digit decimal form, not on the stored binary value.
        {2.675f, ".##", "2.68"},
        {1.005f, "0.00", "1.01"},
        {4.35f, "#0.0", "4.4"},
        {-1.8145f, "#########0.##0", "-1.815"},
        {0.125f, "#0.00", "0.13"},
        {9.9995f, "#0.000", "10.000"},
        {1.0f / 3.0f, ".#########0", ".3333333000"},
        // The sign follows the value even when it rounds to zero; negative zero has none.
        {-0.00001f, ".###0", "-.0000"},
        {-0.04f, "#0.0", "-0.0"},
        {-0.0f, "#0.0", "0.0"},
        // Placeholders and literals in general.
        {5.0f, "000", "005"},
        {1234.0f, "00", "1234"},
        {1.0f, "#.##", "1."},
        {1.5f, "#.#0", "1.50"},
        {1.25f, "#.0#", "1.25"},
        {1.2f, "#.0##", "1.2"},
        {95.0f, "#0.0 %", "95.0 %"},
        {5.0f, "(#0)", "(5)"},
        {-5.0f, "(#0)", "-(5)"},
        {12.0f, "abc", "abc12"},
        {1.5f, "0.0.0", "1.5.0"},
        {2.5f, "", "2.5"},
        {-0.25f, "", "-.25"},
        {std::numeric_limits<float>::infinity(), "#0.0", "Infinity"},
        {-std::numeric_limits<float>::infinity(), "#0.0", "-Infinity"},
        {std::numeric_limits<float>::quiet_NaN(), "#0.0", "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.value, c.pattern), c.text) << c.value << " with \"" << c.pattern << '"';
}

TEST(NumberTextFormat, DoubleKeepsFifteenDigits) {
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {1.0 / 3.0, ".#########0", ".3333333333"},
        {1.0 / 3.0, "#########0.##0", "0.333"},
        {2.5e10, "#########0.##0", "25000000000.000"},
        {2.675, ".##", "2.68"},
        {0.125, "#0.00", "0.13"},
        {1e22, "#####", "10000000000000000000000"},
        {123456789.123456789, "#0.0000000", "123456789.1234570"},
        {-0.00001, ".###0", "-.0000"},
        {0.0, "#####", ""},
        {std::numeric_limits<double>::quiet_NaN(), ".###0", "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format(c.value, c.pattern), c.text) << c.value << " with \"" << c.pattern << '"';
}

TEST(NumberTextFormat, ExtremeDoublesWriteEveryDigit) {
    const std::string largest = format(DBL_MAX, kGeneralPattern);
    EXPECT_EQ(largest, "179769313486232" + std::string(294, '0') + ".000");
    EXPECT_EQ(format(std::numeric_limits<double>::denorm_min(), kProbabilityPattern), ".0000");
    EXPECT_EQ(format(-DBL_MAX, "#####").size(), 310u);
}

} // namespace
} // namespace quillon
