// The results each calculation publishes as numbers, for inputs whose answer texts the tests of
// each calculation check: every published text is the one those tests expect printed, and every
// value is the stored number that prints so (a single's digits, or a double's where typed digits
// switch the calculation to double), to 1 part in 10^7.
#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/quantity_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {
namespace {

using WindowCases = std::pair<std::string_view, std::vector<QuantityCase>>;

// Every published text stands in the answer as it is printed there.
void expectPrinted(std::string_view window, const std::vector<QuantityCase>& cases) {
    const auto& asked = std::get<QuestionInputs>(findByWindow(window)->inputs);
    for (const QuantityCase& row : cases) {
        const Outcome outcome = asked.calculate(row.inputs);
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr) << window << " " << joinedInputs(row.inputs);
        for (const Quantity& quantity : answer->quantities)
            EXPECT_NE(answer->text.find(quantity.text), std::string::npos)
                << window << " " << joinedInputs(row.inputs) << ": " << quantity.name << " "
                << quantity.text << " is not in " << answer->text;
    }
}

void expectGroup(const std::vector<WindowCases>& group) {
    for (const auto& [window, cases] : group) {
        expectQuantities(window, cases);
        expectPrinted(window, cases);
    }
}

TEST(Quantities, Distributions) {
    expectGroup({
        {"Distr1a",
         {
             {{"1.96"}, {{"p", 0.0499956422, ".0500"}}},
             {{"7"}, {{"p", 0.0, ".0000"}}},
         }},
        {"Distr1b",
         {
             {{".05"}, {{"critical_z", 1.96000075, "1.960"}}},
             {{".9999"}, {{"critical_z", 0.0, "0.000"}}},
         }},
        {"Distr1c",
         {
             {{"100", "15", "85", "115"},
              {{"p_within", 0.682689428, ".6827"}, {"p_outside", 0.317310572, ".3173"}}},
             {{"100", "15", "100", "100"},
              {{"p_within", 0.0, ".0000"}, {"p_outside", 1.0, "1.0000"}}},
             // In double: the mean and limits have more digits than a single holds.
             {{"1000000.5", ".1", "1000000.4", "1000000.6"},
              {{"p_within", 0.682689428, ".6827"}, {"p_outside", 0.317310572, ".3173"}}},
         }},
        {"Distr2a",
         {
             {{"2.228", "10"}, {{"p", 0.0500118397, ".0500"}}},
             {{"2.228", "10.123456789"}, {{"p", 0.0496996865, ".0497"}}},
         }},
        {"Distr2b",
         {
             {{".05", "10"}, {{"critical_t", 2.22819901, "2.228"}}},
             {{".0001", "1"}, {{"critical_t", 6366.19775, "6366.198"}}},
         }},
        {"Distr2c",
         {
             {{"50", "10", "11", "40", "60"},
              {{"p_within", 0.659106851, ".6591"}, {"p_outside", 0.340893149, ".3409"}}},
             {{"999999.5", ".2", "10", "999999.4", "999999.6"},
              {{"p_within", 0.452512085, ".4525"}, {"p_outside", 0.547487915, ".5475"}}},
             {{"1000000.5", ".1", "10", "1000000.4", "1000000.6"},
              {{"p_within", 0.656563759, ".6566"}, {"p_outside", 0.343436241, ".3434"}}},
         }},
        {"Distr3a",
         {
             {{"2", "3", "10"}, {{"p", 0.178007305, ".1780"}}},
             {{"-2.5", "2", "5"}, {{"p", 1.0, "1.0000"}}},
         }},
        {"Distr3b",
         {
             {{".05", "3", "10"}, {{"critical_f", 3.70829844, "3.708"}}},
             {{".01", "2.5", "7"}, {{"critical_f", 8.90560627, "8.906"}}},
         }},
        // The answer's own pattern, not the clipboard's.
        {"Distr4a",
         {
             {{"3.84", "1"}, {{"p", 0.0500436388, ".0500"}}},
             {{".3", "100"}, {{"p", 1.0, "1.0000"}}},
         }},
        {"Distr4b",
         {
             {{".05", "1"}, {{"critical_chi_square", 3.84149861, "3.841"}}},
             {{".01", "10"}, {{"critical_chi_square", 23.2092934, "23.209"}}},
         }},
    });
}

TEST(Quantities, Counts) {
    expectGroup({
        {"Counts2",
         {
             {{"12", "14", "4", "20"}, {{"p", 0.020842649, ".0208"}}},
             {{"25", "0", "0", "25"}, {{"p", 7.91072869e-15, ".0000"}}},
             {{"2.5", "1", "1", "3.5"}, {{"p", 0.267857134, ".2679"}}},
         }},
        // The count is the whole one tested; a clamp text publishes the probability computed.
        {"Counts3",
         {
             {{"10", ".5", "8"}, {{"successes", 8.0, "8"}, {"p", 0.0546875, ".0547"}}},
             {{"12", ".5", "2.5"}, {{"successes", 2.0, "2"}, {"p", 0.0192871094, ".0193"}}},
             {{"2000", ".5", "1100"},
              {{"successes", 1100.0, "1100"}, {"p", 4.22854509e-06, "< .0001"}}},
             {{"100000001", ".0001", "9900"},
              {{"successes", 9900.0, "9900"}, {"p", 0.1598588, ".1599"}}},
             {{"20000003", ".5", "20000003"},
              {{"successes", 20000003.0, "20000003"}, {"p", 0.0, "< .0001"}}},
         }},
        {"Counts4",
         {
             {{"2", "5"}, {{"events", 2.0, "2"}, {"p", 0.249304041, ".2493"}}},
             {{"10", "5"}, {{"events", 10.0, "10"}, {"p", 0.0636559725, ".0637"}}},
             {{"2.5", "3"}, {{"events", 2.0, "2"}, {"p", 0.846380174, ".8464"}}},
             {{"3", "0"}, {{"events", 3.0, "3"}, {"p", 0.0, "< .0001"}}},
             // Twice the tail of 5 or fewer events against 5 is 1.23: a probability is at most 1.
             {{"5", "5"}, {{"events", 5.0, "5"}, {"p", 1.0, "> .9999"}}},
             {{"20", "12.345678"}, {{"events", 20.0, "20"}, {"p", 0.0548865713, ".0549"}}},
         }},
    });
}

TEST(Quantities, ContingencyChiSquare) {
    expectSheetQuantities(
        "Counts1",
        {
            {"2 x 2 without correction",
             sheetOf({{"10", "20"}, {"30", "40"}}),
             {{"chi_square", 0.793650806, "0.794"}, {"df", 1.0, "1"}, {"p", 0.372998625, ".3730"}}},
            {"2 x 2 of 18 corrected",
             sheetOf({{"3", "5"}, {"4", "6"}}),
             {{"corrected_chi_square", 0.143181771, "0.143"},
              {"df", 1.0, "1"},
              {"p", 0.705138206, ".7051"}}},
            {"2 x 3",
             sheetOf({{"10", "20", "30"}, {"20", "20", "20"}}),
             {{"chi_square", 5.33333302, "5.333"}, {"df", 2.0, "2"}, {"p", 0.0694834888, ".0695"}}},
            {"one row against equal frequencies",
             sheetOf({{"10", "20", "30", "40"}}),
             {{"chi_square", 20.0, "20.000"}, {"df", 3.0, "3"}, {"p", 0.000169819643, ".0002"}}},
            // A remark in the answer area is no result.
            {"a row of zeros", sheetOf({{"0", "0"}, {"1", "2"}}), {}},
        });
}

TEST(Quantities, Percents) {
    expectGroup({
        {"Percent1",
         {
             {{"60", "30", "100"},
              {{"t", 3.33333325, "3.333"}, {"df", 99.0, "99"}, {"p", 0.00120806089, ".0012"}}},
             {{"50", "50", "100"}, {{"t", 0.0, "0.000"}, {"df", 99.0, "99"}, {"p", 1.0, "1.0000"}}},
             // In double: the size has more digits than a single holds, and so has its df.
             {{"50.1", "50", "123456789"},
              {{"t", 11.1055652, "11.106"},
               {"df", 123456788.0, "123456788"},
               {"p", 4.21859277e-27, ".0000"}}},
         }},
        {"Percent2",
         {
             {{"60", "100", "50", "100"},
              {{"t", 1.42133844, "1.421"}, {"df", 198.0, "198"}, {"p", 0.156791672, ".1568"}}},
             {{"50.1", "10000001", "50", "10000001"},
              {{"t", 4.47213841, "4.472"},
               {"df", 20000000.0, "20000000"},
               {"p", 8.63179503e-06, ".0000"}}},
         }},
        {"Percent3",
         {
             {{"50", "100", "", "95"},
              {{"standard_error", 0.05025189, "0.050"},
               {"df", 99.0, "99"},
               {"confidence_level", 95.0, "95"},
               {"percent", 50.0, "50.000"},
               {"half_width", 9.97648525, "9.976"},
               {"lower", 40.0235138, "40.024"},
               {"upper", 59.9764862, "59.976"}}},
             // The level clamped to 99.99, as the answer names it.
             {{"50", "100", "", "99.995"},
              {{"standard_error", 0.05025189, "0.050"},
               {"df", 99.0, "99"},
               {"confidence_level", 99.9899979, "99.99"},
               {"percent", 50.0, "50.000"},
               {"half_width", 20.3826561, "20.383"},
               {"lower", 29.6173439, "29.617"},
               {"upper", 70.3826599, "70.383"}}},
             // In double: 99.999999 stays short of 100.
             {{"99.999999", "100", "", "95"},
              {{"standard_error", 1.00503781e-05, "0.000"},
               {"df", 99.0, "99"},
               {"confidence_level", 95.0, "95"},
               {"percent", 99.999999, "100.000"},
               {"half_width", 0.00699429702, "0.007"},
               {"lower", 99.9930047, "99.993"},
               {"upper", 100.006993, "100.007"}}},
         }},
    });
}

TEST(Quantities, SampleSizes) {
    expectGroup({
        {"Sample1",
         {
             {{"", "50", "5", "95"}, {{"sample_size", 384.0, "384"}}},
             {{"5000", "30", "3", "99"}, {{"sample_size", 1182.0, "1182"}}},
             {{"12345678", "50", "1", "95"}, {{"sample_size", 9596.0, "9596"}}},
         }},
        {"Sample2",
         {
             {{"15", "2", "95"}, {{"sample_size", 216.0, "216"}}},
             {{"1.2345678", ".1", "95"}, {{"sample_size", 585.0, "585"}}},
         }},
        // The error as it is stored; the answer rounds it to a tenth.
        {"Sample3",
         {
             {{"", "50", "500", "95"}, {{"maximum_error", 4.39000177, "4.4"}}},
             {{"", "50", "20000000", "95"}, {{"maximum_error", 0.0299999993, "0.0"}}},
             {{"", "33.333333", "1000", "95"}, {{"maximum_error", 2.93, "2.9"}}},
         }},
    });
}

} // namespace
} // namespace quillon
