// One typical input for every calculation with a report: box texts, or the rows of its data sheet
// with the values of its options.
#pragma once

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "tests/calculations/data_sheet_cases.h"

#include <string>
#include <vector>

namespace quillon {

struct ReportCase {
    std::string window;
    std::vector<std::string> texts; // a calculator's boxes
    CellRows rows;                  // a data sheet's rows
    OptionValues options;           // and its options
};

inline const std::vector<ReportCase>& reportCases() {
    static const std::vector<ReportCase> cases = {
        {"Means1", {}, {{"10", "12"}, {"11", "14"}, {"9", "9"}, {"13", "15"}, {"12", "15"}}, {}},
        {"Means2", {"10", "2", "10", "12", "2", "10"}, {}, {}},
        {"Means4", {"25", "5", "30", "0", "23"}, {}, {}},
        {"Means5", {"2", "10", "3", "12"}, {}, {}},
        {"Means6", {}, {{"10", "2", "10"}, {"12", "2", "10"}, {"13", "3", "10"}}, {}},
        {"Percent1", {"40", "30", "200"}, {}, {}},
        {"Percent2", {"40", "200", "30", "150"}, {}, {}},
        {"Percent3", {"40", "200", "0", "95"}, {}, {}},
        {"Counts1", {}, {{"10", "20"}, {"30", "15"}}, {{"yates", std::string(kOptionOff)}}},
        {"Counts2", {"3", "1", "1", "3"}, {}, {}},
        {"Counts3", {"20", ".5", "14"}, {}, {}},
        {"Counts4", {"12", "7"}, {}, {}},
        {"Correl",
         {},
         {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}, {"4", "8.2"}, {"5", "9.9"}, {"6", "12.4"}},
         {{"method", "regression"}}},
    };
    return cases;
}

// The case evaluated, with the report when options are given.
inline Evaluation evaluateCase(const ReportCase& reportCase,
                               std::optional<ReportOptions> options = ReportOptions{}) {
    const CatalogueEntry& row = *findByWindow(reportCase.window);
    if (std::holds_alternative<QuestionInputs>(row.inputs))
        return evaluate(row, reportCase.texts, options);
    DataSheetInput input = sheetOf(reportCase.rows);
    input.options = reportCase.options;
    return evaluate(row, input, options);
}

} // namespace quillon
