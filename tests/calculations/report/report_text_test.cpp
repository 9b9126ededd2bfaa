// The printed pieces of a report line.
#include "calculations/report/report_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace quillon::report {
namespace {

TEST(ReportText, Probabilities) {
    struct Row {
        double p;
        bool withExponent;
        std::string text;
    };
    const std::vector<Row> rows = {
        {0.038, false, "p = .038"},
        {0.0384999, false, "p = .038"},
        {0.05, false, "p = .050"},
        {0.001, false, "p = .001"},
        {0.000999, false, "p < .001"},
        {0.0, false, "p < .001"},
        {0.5, false, "p = .500"},
        {0.9994, false, "p = .999"},
        {0.9996, false, "p > .999"},
        {1.0, false, "p > .999"},
        {0.000032, true, "p = 3.2e-05"},
        {1.26e-300, true, "p = 1.3e-300"},
        {0.038, true, "p = .038"},
        {-0.1, false, "p not defined"},
        {1.5, false, "p not defined"},
        {std::numeric_limits<double>::quiet_NaN(), true, "p not defined"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(probabilityText(row.p, row.withExponent), row.text) << row.p;
}

TEST(ReportText, NumbersAndIntervals) {
    struct Row {
        double value;
        std::string text;
    };
    const std::vector<Row> numbers = {
        {1.0, "1.00"},
        {-0.05, "-0.05"},
        {1.915, "1.92"},
        {-0.004, "0.00"},
        {0.0, "0.00"},
        {1234.5678, "1234.57"},
        {1e30, "1000000000000000019884624838656.00"},
        {std::numeric_limits<double>::infinity(), "not defined"},
    };
    for (const Row& row : numbers)
        EXPECT_EQ(numberText(row.value), row.text) << row.value;

    struct IntervalRow {
        double level;
        DefinedBounds interval;
        std::string text;
    };
    const std::vector<IntervalRow> intervals = {
        {0.95, finiteOrNot(Bounds{0.05, 1.92}), "95% CI [0.05, 1.92]"},
        {0.999, finiteOrNot(Bounds{-0.3, 0.25}), "99.9% CI [-0.30, 0.25]"},
        {0.9, finiteOrNot(Bounds{0.1, 0.2}), "90% CI [0.10, 0.20]"},
        {0.95, DefinedBounds::notDefined("not defined: fewer than 4 pairs"),
         "95% CI not defined: fewer than 4 pairs"},
        {0.95, finiteOrNot(Bounds{0.1, std::numeric_limits<double>::infinity()}),
         "95% CI not defined: too large to compute"},
    };
    for (const IntervalRow& row : intervals)
        EXPECT_EQ(intervalText(row.level, row.interval), row.text);
}

TEST(ReportText, LinesBuiltFromParts) {
    struct Row {
        std::vector<std::string> parts;
        std::string line;
    };
    const std::vector<Row> rows = {
        {{statisticText("t", {18}, 2.2360), probabilityText(0.0381),
          effectText("d", finiteOrNot(1.0)),
          intervalText(0.95, finiteOrNot(Bounds{0.0512, 1.9249}))},
         "t(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]"},
        {{statisticText("F", {2, 27}, 4.512), probabilityText(0.0002)},
         "F(2, 27) = 4.51, p < .001"},
        {{statisticText("t", {17.3184}, -2.1), "", probabilityText(0.05)},
         "t(17.32) = -2.10, p = .050"},
        {{statisticText("z", {}, 1.96),
          effectText("h", DefinedNumber::notDefined("not defined: a cell is 0"))},
         "z = 1.96, h not defined: a cell is 0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(reportLine(row.parts), row.line);
}

// A decimal comma, as a desktop's locale may bring, must not reach the report's digits.
struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(ReportText, DecimalPointWhateverTheLocale) {
    const std::locale before =
        std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    const std::string interval = intervalText(0.95, finiteOrNot(Bounds{0.05, 1234.5}));
    const std::string p = probabilityText(0.0000321, true);
    const std::string df = statisticText("t", {17.3184, 1000}, 2.5);
    std::locale::global(before);
    EXPECT_EQ(interval, "95% CI [0.05, 1234.50]");
    EXPECT_EQ(p, "p = 3.2e-05");
    EXPECT_EQ(df, "t(17.32, 1000) = 2.50");
}

} // namespace
} // namespace quillon::report
