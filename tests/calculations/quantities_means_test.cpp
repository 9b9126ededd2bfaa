// The numbers the calculations on means and the correlation publish beside their answers: each row
// inputs of the calculation's own tests, the printed texts those tests expect, and the values
// worked out apart from the program by quantities_means_values.R. Probabilities, and the half
// widths built on a critical t, are the digits of the program's own series and search grid, which
// meet the script's true values to within a unit of their last printed digit.
#include "calculations/correlation/correlate.h"
#include "tests/calculations/data_sheet_cases.h"
#include "tests/calculations/quantity_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillon {
namespace {

// Every published text stands in the answer as it is printed there: in its text, or in a cell of
// its table.
void expectPrinted(const Outcome& outcome) {
    const auto* answer = std::get_if<Answer>(&outcome);
    ASSERT_NE(answer, nullptr);
    for (const Quantity& quantity : answer->quantities) {
        bool printed = answer->text.find(quantity.text) != std::string::npos;
        for (const std::vector<std::string>& row : answer->table)
            for (const std::string& cell : row)
                printed = printed || cell.find(quantity.text) != std::string::npos;
        EXPECT_TRUE(printed) << quantity.name << " " << quantity.text << " is not in the answer";
    }
}

void expectBoxes(std::string_view window, const std::vector<QuantityCase>& cases) {
    expectQuantities(window, cases);
    const auto& asked = std::get<QuestionInputs>(findByWindow(window)->inputs);
    for (const QuantityCase& row : cases) {
        SCOPED_TRACE(std::string(window) + " " + joinedInputs(row.inputs));
        expectPrinted(asked.calculate(row.inputs));
    }
}

void expectSheet(std::string_view window, const std::vector<SheetQuantityCase>& cases) {
    expectSheetQuantities(window, cases);
    const auto& sheet = std::get<SheetInputs>(findByWindow(window)->inputs);
    for (const SheetQuantityCase& row : cases) {
        SCOPED_TRACE(std::string(window) + " " + row.name);
        expectPrinted(sheet.calculate(row.input));
    }
}

// A t-test's three quantities as the t-test lines print them.
std::vector<Quantity> tTest(double t, const std::string& tText, double df, double p,
                            const std::string& pText) {
    return {{"t", t, tText}, {"df", df, std::to_string(static_cast<int>(df))}, {"p", p, pText}};
}

std::vector<Quantity> joined(std::vector<Quantity> first, const std::vector<Quantity>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

DataSheetInput withPopulation(const CellRows& rows, const std::string& population) {
    DataSheetInput input = sheetOf(rows);
    input.options["population"] = population;
    return input;
}

DataSheetInput by(CorrelationMethod method, const CellRows& rows) {
    DataSheetInput input = sheetOf(rows);
    input.options["method"] = correlationMethodKey(method);
    return input;
}

TEST(MeansQuantities, SampleDescription) {
    const CellRows eight = columnOf({"2", "4", "4", "4", "5", "5", "7", "9"});
    const auto described = [](double se, const std::string& seText) {
        return std::vector<Quantity>{{"mean", 5, "5.000"},
                                     {"n", 8, "8"},
                                     {"sd", 2.1380899, "2.138"},
                                     {"standard_error", se, seText},
                                     {"median", 4.5, "4.500"}};
    };
    expectSheet("Means0", {
                              {"eight values", sheetOf(eight), described(0.755928934, "0.756")},
                              {"the corrected standard error", withPopulation(eight, "100"),
                               described(0.728714287, "0.729")},
                              {"eight digits, in double",
                               sheetOf(columnOf({"12345678", "12345680"})),
                               {{"mean", 12345679, "12345679.000"},
                                {"n", 2, "2"},
                                {"sd", 1.41421356, "1.414"},
                                {"standard_error", 1, "1.000"},
                                {"median", 12345679, "12345679.000"}}},
                          });
}

TEST(MeansQuantities, MatchedPairs) {
    expectSheet("Means1",
                {
                    {"four pairs", sheetOf({{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}}),
                     joined({{"mean1", 11.25, "11.250"},
                             {"sd1", 2.21735573, "2.217"},
                             {"mean2", 9, "9.000"},
                             {"sd2", 0.816496611, "0.816"}},
                            tTest(2.63493013, "2.635", 3, 0.0779943094, ".0780"))},
                    {"one value of 8 digits, in double",
                     sheetOf({{"1000001", "1"},
                              {"1000002", "3"},
                              {"1000003", "2"},
                              {"1000004", "5"},
                              {"1000005.5", "4"}}),
                     joined({{"mean1", 1000003.1, "1000003.100"},
                             {"sd1", 1.74642492, "1.746"},
                             {"mean2", 3, "3.000"},
                             {"sd2", 1.58113883, "1.581"}},
                            tTest(1961161.55, "1961161.547", 4, 4.05599885e-25, ".0000"))},
                    // Nothing numeric is printed.
                    {"constant difference", sheetOf({{"1", "2"}, {"2", "3"}, {"3", "4"}}), {}},
                });
}

TEST(MeansQuantities, MeansFromSummaryValues) {
    expectBoxes("Means2", {
                              {{"10", "2", "15", "8.5", "2.5", "15"},
                               tTest(1.8145752, "1.815", 28, 0.0803176314, ".0803")},
                              {{"1000.0011", ".001", "10", "1000.0021", ".001", "10"},
                               tTest(2.23606798, "2.236", 18, 0.0382496268, ".0382")},
                          });
    expectBoxes("Means3", {
                              {{"10.5", "3", "25", "", "95"},
                               {{"standard_error", 0.600000024, "0.600"},
                                {"df", 24, "24"},
                                {"confidence_level", 95, "95"},
                                {"mean", 10.5, "10.5000"},
                                {"half_width", 1.23833942, "1.2383"},
                                {"lower", 9.26166058, "9.262"},
                                {"upper", 11.7383404, "11.738"}}},
                              {{"100", "15", "30", "200", "99"},
                               {{"standard_error", 2.53121209, "2.531"},
                                {"df", 29, "29"},
                                {"confidence_level", 99, "99"},
                                {"mean", 100, "100.0000"},
                                {"half_width", 6.9770298, "6.9770"},
                                {"lower", 93.0229645, "93.023"},
                                {"upper", 106.977036, "106.977"}}},
                              {{"1234.5678", "1", "100", "", "95"},
                               {{"standard_error", 0.1, "0.100"},
                                {"df", 99, "99"},
                                {"confidence_level", 95, "95"},
                                {"mean", 1234.5678, "1234.5678"},
                                {"half_width", 0.198430049, ".1984"},
                                {"lower", 1234.36937, "1234.369"},
                                {"upper", 1234.76623, "1234.766"}}},
                          });
    expectBoxes("Means4", {
                              {{"48", "2", "16", "", "50"},
                               joined({{"standard_error", 0.5, "0.500"}},
                                      tTest(-4, "-4.000", 15, 0.00115933619, ".0012"))},
                              {{"52", "2", "16", "100", "50"},
                               joined({{"standard_error", 0.460566193, "0.461"}},
                                      tTest(4.34248114, "4.342", 15, 0.000580102089, ".0006"))},
                              {{"100.00001", ".0001", "100", "", "100"},
                               joined({{"standard_error", 1e-05, "0.000"}},
                                      tTest(1, "1.000", 99, 0.319748372, ".3197"))},
                          });
    // The larger deviation goes over the smaller whichever is typed first.
    expectBoxes("Means5", {
                              {{"3", "10", "4", "15"},
                               {{"f", 1.77777779, "1.778"},
                                {"df1", 14, "14"},
                                {"df2", 9, "9"},
                                {"p", 0.194116831, ".1941"}}},
                              {{"1000.0001", "100", "1000", "100"},
                               {{"f", 1.0000002, "1.000"},
                                {"df1", 99, "99"},
                                {"df2", 99, "99"},
                                {"p", 0.499999344, ".5000"}}},
                          });
}

TEST(MeansQuantities, AnalysisOfVariance) {
    expectSheet("Means6", {
                              {"three groups, F = 10",
                               sheetOf({{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}}),
                               {{"df_between", 2, "2"},
                                {"ss_between", 80, "80.0"},
                                {"ms_between", 40, "40.0"},
                                {"f", 10, "10.000"},
                                {"p", 0.000562448055, ".0006"},
                                {"df_within", 27, "27"},
                                {"ss_within", 108, "108.0"},
                                {"ms_within", 4, "4.0"},
                                {"df_total", 29, "29"},
                                {"ss_total", 188, "188.0"}}},
                              {"fractional sizes",
                               sheetOf({{"1", "1", "2.5"}, {"2", "1", "2.5"}, {"3", "1", "2.5"}}),
                               {{"df_between", 2, "2"},
                                {"ss_between", 5, "5.0"},
                                {"ms_between", 2.5, "2.5"},
                                {"f", 2.5, "2.500"},
                                {"p", 0.186144426, ".1861"},
                                {"df_within", 4.5, "4.5"},
                                {"ss_within", 4.5, "4.5"},
                                {"ms_within", 1, "1.0"},
                                {"df_total", 6.5, "6.5"},
                                {"ss_total", 9.5, "9.5"}}},
                              // The sums print as .0 but keep their value.
                              {"means typed at 8 digits, in double",
                               sheetOf({{"1000.0011", ".001", "10"},
                                        {"1000.0021", ".001", "10"},
                                        {"1000.0041", ".001", "10"}}),
                               {{"df_between", 2, "2"},
                                {"ss_between", 4.66666667e-05, ".0"},
                                {"ms_between", 2.33333333e-05, ".0"},
                                {"f", 23.3333333, "23.333"},
                                {"p", 1.29905925e-06, ".0000"},
                                {"df_within", 27, "27"},
                                {"ss_within", 2.7e-05, ".0"},
                                {"ms_within", 1e-06, ".0"},
                                {"df_total", 29, "29"},
                                {"ss_total", 7.36666667e-05, ".0"}}},
                          });
}

TEST(CorrelationQuantities, EachMethodPublishesWhatItPrints) {
    const CellRows point8 = {{"1", "1"}, {"2", "3"}, {"3", "2"}, {"4", "5"}, {"5", "4"}};
    const CellRows long8 = {
        {"1000001", "1"}, {"1000002", "3"}, {"1000003", "2"}, {"1000004", "5"}, {"1000005.5", "4"}};
    const CellRows doubled = {{"1", "2"}, {"2", "4"}, {"3", "6"}};
    CellRows permuted25;
    for (int x = 1; x <= 25; ++x)
        permuted25.push_back({std::to_string(x), std::to_string(x * 12 % 25 + 1)});
    using enum CorrelationMethod;
    expectSheet(
        "Correl",
        {
            {"Pearson", by(Pearson, point8),
             joined({{"r", 0.800000012, "0.800"}, {"standard_error_r", 0.160996884, "0.161"}},
                    tTest(2.30940127, "2.309", 3, 0.104088053, ".1041"))},
            {"Pearson, one value of 8 digits, in double", by(Pearson, long8),
             joined({{"r", 0.769553841, "0.770"}, {"standard_error_r", 0.182367839, "0.182"}},
                    tTest(2.08729105, "2.087", 3, 0.128107622, ".1281"))},
            {"Pearson, perfect fit", by(Pearson, doubled), {{"r", 1, "1.000"}}},
            {"regression",
             by(Regression, point8),
             {{"intercept", 0.599999964, "0.600"},
              {"slope", 0.800000012, "0.800"},
              {"standard_error_estimate", 1.09544516, "1.095"},
              {"t_slope", 2.30940104, "2.309"},
              {"df", 3, "3"},
              {"p", 0.10408809, ".1041"},
              {"r_squared", 0.640000045, "0.640"}}},
            {"regression, falling line",
             by(Regression, {{"1", "5"}, {"2", "3"}, {"3", "4"}, {"4", "1"}, {"5", "2"}}),
             {{"intercept", 5.4000001, "5.400"},
              {"slope", -0.800000012, "-0.800"},
              {"standard_error_estimate", 1.09544516, "1.095"},
              {"t_slope", -2.30940104, "-2.309"},
              {"df", 3, "3"},
              {"p", 0.10408809, ".1041"},
              {"r_squared", 0.640000045, "0.640"}}},
            {"regression, one value of 8 digits, in double",
             by(Regression, long8),
             {{"intercept", -696720.471, "-696720.471"},
              {"slope", 0.696721311, "0.697"},
              {"standard_error_estimate", 1.16588577, "1.166"},
              {"t_slope", 2.08729105, "2.087"},
              {"df", 3, "3"},
              {"p", 0.128107622, ".1281"},
              {"r_squared", 0.592213115, "0.592"}}},
            {"regression, perfect fit",
             by(Regression, doubled),
             {{"intercept", 0, "0.000"}, {"slope", 2, "2.000"}}},
            // Below 25 pairs the number of pairs takes the place of df and p.
            {"Spearman, 5 pairs",
             by(Spearman, point8),
             {{"rho", 0.800000012, "0.800"}, {"t", 2.30940127, "2.309"}, {"n", 5, "5"}}},
            {"Spearman, 8 digits, in double",
             by(Spearman, {{"20000001", "1"},
                           {"20000002", "3"},
                           {"20000003", "2"},
                           {"20000004", "5"},
                           {"20000005", "4"}}),
             {{"rho", 0.8, "0.800"}, {"t", 2.30940108, "2.309"}, {"n", 5, "5"}}},
            {"Spearman, 25 pairs", by(Spearman, permuted25),
             joined({{"rho", -0.5, "-0.500"}},
                    tTest(-2.76887465, "-2.769", 23, 0.0109224729, ".0109"))},
            {"Spearman, reversed order",
             by(Spearman, {{"1", "6"}, {"2", "4"}, {"3", "2"}}),
             {{"rho", -1, "-1.000"}}},
            // Nothing numeric is printed.
            {"constant x", by(Pearson, {{"5", "1"}, {"5", "2"}, {"5", "3"}}), {}},
        });
}

} // namespace
} // namespace quillon
