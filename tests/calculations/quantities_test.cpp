// The results each calculation publishes as numbers, for inputs whose answer and clipboard texts
// the tests of each calculation check: every published text is the one those tests expect printed,
// and every value is the stored number that prints so (a single's digits, or a double's where typed
// digits switch the calculation to double), to 1 part in 10^7. The answer's numbers come first,
// then those only the clipboard text prints, in the order it prints them.
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

// Every published text stands in the answer or the clipboard text as it is printed there.
void expectPrinted(std::string_view window, const std::vector<QuantityCase>& cases) {
    const auto& asked = std::get<QuestionInputs>(findByWindow(window)->inputs);
    for (const QuantityCase& row : cases) {
        const Outcome outcome = asked.calculate(row.inputs);
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr) << window << " " << joinedInputs(row.inputs);
        const std::string clipboard = answer->clipboard.value_or("");
        for (const Quantity& quantity : answer->quantities)
            EXPECT_TRUE(answer->text.find(quantity.text) != std::string::npos ||
                        clipboard.find(quantity.text) != std::string::npos)
                << window << " " << joinedInputs(row.inputs) << ": " << quantity.name << " "
                << quantity.text << " is not in " << answer->text << " nor in " << clipboard;
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
             {{"1.96"}, {{"p", 0.0499956422, ".0500"}, {"z", 1.96000004, "1.96"}}},
             {{"7"}, {{"p", 0.0, ".0000"}, {"z", 7.0, "7"}}},
             // The clipboard names the z value without its sign.
             {{"-1.96"}, {{"p", 0.0499956422, ".0500"}, {"z", 1.96000004, "1.96"}}},
         }},
        {"Distr1b",
         {
             // The probability the search found, not the one typed.
             {{".05"}, {{"critical_z", 1.96000075, "1.960"}, {"p", 0.0499955639, ".0500"}}},
             {{".9999"}, {{"critical_z", 0.0, "0.000"}, {"p", 0.999899983, ".9999"}}},
         }},
        {"Distr1c",
         {
             {{"100", "15", "85", "115"},
              {{"p_within", 0.682689428, ".6827"},
               {"p_outside", 0.317310572, ".3173"},
               {"mean", 100.0, "100"},
               {"sd", 15.0, "15"},
               {"lower", 85.0, "85"},
               {"upper", 115.0, "115"}}},
             {{"100", "15", "100", "100"},
              {{"p_within", 0.0, ".0000"},
               {"p_outside", 1.0, "1.0000"},
               {"mean", 100.0, "100"},
               {"sd", 15.0, "15"},
               {"lower", 100.0, "100"},
               {"upper", 100.0, "100"}}},
             // In double: the mean and limits have more digits than a single holds.
             {{"1000000.5", ".1", "1000000.4", "1000000.6"},
              {{"p_within", 0.682689428, ".6827"},
               {"p_outside", 0.317310572, ".3173"},
               {"mean", 1000000.5, "1000000.5"},
               {"sd", 0.1, ".1"},
               {"lower", 1000000.4, "1000000.4"},
               {"upper", 1000000.6, "1000000.6"}}},
         }},
        {"Distr2a",
         {
             {{"2.228", "10"},
              {{"p", 0.0500118397, ".0500"}, {"df", 10.0, "10"}, {"t", 2.22799993, "2.228"}}},
             // The degrees of freedom are kept as typed.
             {{"2.228", "10.123456789"},
              {{"p", 0.0496996865, ".0497"},
               {"df", 10.123456789, "10.123456789"},
               {"t", 2.22799993, "2.228"}}},
             // The t value without its sign, as the clipboard names it.
             {{"-2.228", "10"},
              {{"p", 0.0500118397, ".0500"}, {"df", 10.0, "10"}, {"t", 2.22799993, "2.228"}}},
         }},
        {"Distr2b",
         {
             {{".05", "10"},
              {{"critical_t", 2.22819901, "2.228"},
               {"df", 10.0, "10"},
               {"p", 0.0499949381, ".0500"}}},
             {{".0001", "1"},
              {{"critical_t", 6366.19775, "6366.198"},
               {"df", 1.0, "1"},
               {"p", 9.99999975e-05, ".0001"}}},
         }},
        {"Distr2c",
         {
             {{"50", "10", "11", "40", "60"},
              {{"p_within", 0.659106851, ".6591"},
               {"p_outside", 0.340893149, ".3409"},
               {"mean", 50.0, "50"},
               {"sd", 10.0, "10"},
               {"n", 11.0, "11"},
               {"lower", 40.0, "40"},
               {"upper", 60.0, "60"}}},
             // Singles: the limits are stored an eighth from the mean, and print as typed.
             {{"999999.5", ".2", "10", "999999.4", "999999.6"},
              {{"p_within", 0.452512085, ".4525"},
               {"p_outside", 0.547487915, ".5475"},
               {"mean", 999999.5, "999999.5"},
               {"sd", 0.200000003, ".2"},
               {"n", 10.0, "10"},
               {"lower", 999999.375, "999999.4"},
               {"upper", 999999.625, "999999.6"}}},
             {{"1000000.5", ".1", "10", "1000000.4", "1000000.6"},
              {{"p_within", 0.656563759, ".6566"},
               {"p_outside", 0.343436241, ".3434"},
               {"mean", 1000000.5, "1000000.5"},
               {"sd", 0.1, ".1"},
               {"n", 10.0, "10"},
               {"lower", 1000000.4, "1000000.4"},
               {"upper", 1000000.6, "1000000.6"}}},
         }},
        {"Distr3a",
         {
             {{"2", "3", "10"},
              {{"p", 0.178007305, ".1780"},
               {"df1", 3.0, "3"},
               {"df2", 10.0, "10"},
               {"f", 2.0, "2"}}},
             // The F-ratio keeps its sign.
             {{"-2.5", "2", "5"},
              {{"p", 1.0, "1.0000"}, {"df1", 2.0, "2"}, {"df2", 5.0, "5"}, {"f", -2.5, "-2.5"}}},
         }},
        {"Distr3b",
         {
             {{".05", "3", "10"},
              {{"critical_f", 3.70829844, "3.708"},
               {"df1", 3.0, "3"},
               {"df2", 10.0, "10"},
               {"p", 0.0499988198, ".0500"}}},
             {{".01", "2.5", "7"},
              {{"critical_f", 8.90560627, "8.906"},
               {"df1", 2.5, "2.5"},
               {"df2", 7.0, "7"},
               {"p", 0.00999996532, ".0100"}}},
         }},
        // The probability with the answer's own pattern, not the clipboard's.
        {"Distr4a",
         {
             {{"3.84", "1"},
              {{"p", 0.0500436388, ".0500"}, {"df", 1.0, "1"}, {"chi_square", 3.83999991, "3.84"}}},
             {{".3", "100"},
              {{"p", 1.0, "1.0000"}, {"df", 100.0, "100"}, {"chi_square", 0.300000012, ".3"}}},
         }},
        {"Distr4b",
         {
             {{".05", "1"},
              {{"critical_chi_square", 3.84149861, "3.841"},
               {"df", 1.0, "1"},
               {"p", 0.0499989353, ".0500"}}},
             {{".01", "10"},
              {{"critical_chi_square", 23.2092934, "23.209"},
               {"df", 10.0, "10"},
               {"p", 0.00999982469, ".0100"}}},
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
    expectSheetQuantities("Counts1", {
                                         {"2 x 2 without correction",
                                          sheetOf({{"10", "20"}, {"30", "40"}}),
                                          {{"chi_square", 0.793650806, "0.794"},
                                           {"df", 1.0, "1"},
                                           {"p", 0.372998625, ".3730"},
                                           {"n", 100.0, "100"}}},
                                         {"2 x 2 of 18 corrected",
                                          sheetOf({{"3", "5"}, {"4", "6"}}),
                                          {{"corrected_chi_square", 0.143181771, "0.143"},
                                           {"df", 1.0, "1"},
                                           {"p", 0.705138206, ".7051"},
                                           {"n", 18.0, "18"}}},
                                         {"2 x 3",
                                          sheetOf({{"10", "20", "30"}, {"20", "20", "20"}}),
                                          {{"chi_square", 5.33333302, "5.333"},
                                           {"df", 2.0, "2"},
                                           {"p", 0.0694834888, ".0695"},
                                           {"n", 120.0, "120"}}},
                                         {"one row against equal frequencies",
                                          sheetOf({{"10", "20", "30", "40"}}),
                                          {{"chi_square", 20.0, "20.000"},
                                           {"df", 3.0, "3"},
                                           {"p", 0.000169819643, ".0002"},
                                           {"n", 100.0, "100"}}},
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
             // An empty population stands for the unlimited one the clipboard names.
             {{"", "50", "5", "95"},
              {{"sample_size", 384.0, "384"},
               {"population_size", 9.99999962e+35, "1E+36"},
               {"rate", 0.5, ".5"},
               {"acceptable_error", 0.0500000007, ".05"},
               {"confidence_level", 95.0, "95"}}},
             {{"5000", "30", "3", "99"},
              {{"sample_size", 1182.0, "1182"},
               {"population_size", 5000.0, "5000"},
               {"rate", 0.300000012, ".3"},
               {"acceptable_error", 0.0299999993, ".03"},
               {"confidence_level", 99.0, "99"}}},
             {{"12345678", "50", "1", "95"},
              {{"sample_size", 9596.0, "9596"},
               {"population_size", 12345678.0, "12345678"},
               {"rate", 0.5, ".5"},
               {"acceptable_error", 0.01, ".01"},
               {"confidence_level", 95.0, "95"}}},
         }},
        {"Sample2",
         {
             {{"15", "2", "95"},
              {{"sample_size", 216.0, "216"},
               {"sd", 15.0, "15"},
               {"acceptable_error", 2.0, "2"},
               {"confidence_level", 95.0, "95"}}},
             {{"1.2345678", ".1", "95"},
              {{"sample_size", 585.0, "585"},
               {"sd", 1.2345678, "1.2345678"},
               {"acceptable_error", 0.1, ".1"},
               {"confidence_level", 95.0, "95"}}},
         }},
        // The error as it is stored; the answer rounds it to a tenth.
        {"Sample3",
         {
             {{"", "50", "500", "95"},
              {{"maximum_error", 4.39000177, "4.4"},
               {"population_size", 9.99999962e+35, "1E+36"},
               {"rate", 0.5, ".5"},
               {"sample_size", 500.0, "500"},
               {"confidence_level", 95.0, "95"}}},
             // The sample size as its plain form prints it.
             {{"", "50", "20000000", "95"},
              {{"maximum_error", 0.0299999993, "0.0"},
               {"population_size", 9.99999962e+35, "1E+36"},
               {"rate", 0.5, ".5"},
               {"sample_size", 20000000.0, "2E+07"},
               {"confidence_level", 95.0, "95"}}},
             // In double: the rate has more digits than a single holds.
             {{"", "33.333333", "1000", "95"},
              {{"maximum_error", 2.93, "2.9"},
               {"population_size", 1e36, "1E+36"},
               {"rate", 0.33333333, ".33333333"},
               {"sample_size", 1000.0, "1000"},
               {"confidence_level", 95.0, "95"}}},
         }},
    });
}

} // namespace
} // namespace quillon
