// One calculation of every kind with the same inputs as a terminal and a window take them: the box
// texts, or a data sheet as standard input and as the window's grid. Shared by the front ends'
// comparisons with the windows.
#pragma once

#include "calculations/correlation/correlate.h"
#include "tests/calculations/data_sheet_cases.h"

#include <string>
#include <vector>

namespace quillon {

struct SameAnswerCase {
    std::string name;                   // as typed: a readable or a window name, any case
    std::vector<std::string> arguments; // after the name: the box texts, or the sheet's options
    std::string input;                  // standard input, for a data sheet
    DataSheetInput sheet;               // the same data as the window's grid holds it
};

inline DataSheetInput withOptions(DataSheetInput input, std::string population, bool yates,
                                  CorrelationMethod method = CorrelationMethod::Regression) {
    input.options["population"] = std::move(population);
    input.options["yates"] = yates ? kOptionOn : kOptionOff;
    input.options["method"] = correlationMethodKey(method);
    return input;
}

inline std::vector<SameAnswerCase> sameAnswerCases() {
    const CellRows pairs = {{"1", "2"}, {"2", "4"}, {"3", "7"}, {"4", "8"}, {"6", "9"}};
    const std::string pairsText = "1 2\n2 4\n3 7\n4 8\n6 9\n";
    return {
        {"z-probability", {"1.96"}},
        {"Distr1b", {".05"}},
        {"z-range", {"100", "15", "85", "115"}},
        {"t-probability", {"-2.228", "10"}},
        {"T-CRITICAL", {".05", "10"}},
        {"t-range", {"100", "15", "25", "90", "110"}},
        {"f-probability", {"3.5", "2", "20"}},
        {"f-critical", {".05", "2", "20"}},
        {"chi-square-probability", {"3.84", "1"}},
        {"chi-square-critical", {".05", "3"}},
        {"fisher-exact", {"5", "1", "2", "6"}},
        {"binomial", {"20", ".5", "15"}},
        {"poisson", {"8", "3"}},
        {"percents-one-sample", {"60", "50", "100"}},
        {"percents-two-samples", {"60", "100", "45", "120"}},
        {"percent-interval", {"40", "200", "10000", "95"}},
        {"independent-groups", {"10", "2", "10", "12", "2", "10"}},
        {"mean-interval", {"10.5", "3", "25", "1000", "95"}},
        {"mean-against-population", {"48", "2", "16", "1000", "50"}},
        {"sd-ratio", {"4", "10", "2", "15"}},
        {"sample-size-percent", {"10000", "50", "5", "95"}},
        {"sample-size-mean", {"15", "3", "95"}},
        {"error-for-sample-size", {"10000", "50", "400", "95"}},
        {"chi-square-test",
         {},
         "10\t5\t8\n5\t10\t7\n",
         sheetOf({{"10", "5", "8"}, {"5", "10", "7"}})},
        {"Counts1",
         {"--yates"},
         "12,5\n4,11\n",
         withOptions(sheetOf({{"12", "5"}, {"4", "11"}}), "", true)},
        {"describe-sample",
         {"--header", "--population", "100"},
         "Weight\n1\n2\n3\n4\n5\n",
         withOptions(sheetOf(columnOf({"1", "2", "3", "4", "5"})), "100", false)},
        {"matched-pairs",
         {},
         "1 2\r\n2 4\r\n3 5\r\n4 4\r\n",
         sheetOf({{"1", "2"}, {"2", "4"}, {"3", "5"}, {"4", "4"}})},
        {"anova",
         {},
         "10,2,10\n12,2,10\n14,2.5,12\n",
         sheetOf({{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2.5", "12"}})},
        {"correlation", {}, pairsText, sheetOf(pairs)},
        {"correlation",
         {"--method", "pearson"},
         pairsText,
         withOptions(sheetOf(pairs), "", false, CorrelationMethod::Pearson)},
        {"correl",
         {"--method", "Spearman"},
         pairsText,
         withOptions(sheetOf(pairs), "", false, CorrelationMethod::Spearman)},
    };
}

} // namespace quillon
