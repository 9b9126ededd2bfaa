// One example of every calculation that has a figure, and values far out of range, for the tests
// of the figures and for the SVG files they write.
#pragma once

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"

#include <string>
#include <vector>

namespace quillon {

struct FigureCase {
    std::string name;                           // the calculation's readable name
    std::vector<std::string> texts;             // its boxes, or
    std::vector<std::vector<std::string>> rows; // its data sheet's rows
    OptionValues options;
};

inline DataSheetInput sheetOf(const FigureCase& c) {
    DataSheetInput input;
    for (std::size_t r = 0; r < c.rows.size(); ++r)
        for (std::size_t k = 0; k < c.rows[r].size(); ++k)
            input.sheet.setText(static_cast<int>(r + 1), static_cast<int>(k + 1), c.rows[r][k]);
    input.options = c.options;
    return input;
}

inline const std::vector<FigureCase>& ordinaryCases() {
    static const std::vector<FigureCase> cases = {
        {"z-probability", {"1.5"}},
        {"z-critical", {".05"}},
        {"z-range", {"100", "15", "85", "115"}},
        {"t-probability", {"2.228", "10"}},
        {"t-critical", {".05", "10"}},
        {"t-range", {"50", "10", "11", "40", "60"}},
        {"f-probability", {"2.25", "11", "9"}},
        {"f-critical", {".05", "1", "2"}},
        {"chi-square-probability", {"3.84", "1"}},
        {"chi-square-critical", {".05", "5"}},
        {"chi-square-test", {}, {{"12", "5"}, {"4", "11"}}},
        {"fisher-exact", {"3", "1", "1", "3"}},
        {"binomial", {"10", ".5", "8"}},
        {"poisson", {"10", "5"}},
        {"percents-one-sample", {"40", "50", "100"}},
        {"percents-two-samples", {"40", "100", "50", "120"}},
        {"percent-interval", {"40", "100", "", "95"}},
        {"describe-sample", {}, {{"1.2"}, {"1.9"}, {"2.4"}, {"3.1"}, {"2.4"}}},
        {"matched-pairs", {}, {{"1", "2"}, {"2", "3"}, {"3", "5"}, {"4", "4"}}},
        {"independent-groups", {"10", "2", "10", "12", "2", "10"}},
        {"mean-interval", {"10", "2", "20", "", "95"}},
        {"mean-against-population", {"10", "2", "10", "", "12"}},
        {"sd-ratio", {"2", "10", "3", "12"}},
        {"anova", {}, {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}}},
        {"correlation", {}, {{"1", "2"}, {"2", "4"}, {"3", "3"}, {"4", "8"}, {"5", "9"}}},
        {"correlation",
         {},
         {{"1", "2"}, {"2", "4"}, {"3", "3"}, {"4", "8"}, {"5", "9"}},
         {{"method", "spearman"}}},
        {"correlation",
         {},
         {{"1", "2"}, {"2", "4"}, {"3", "3"}, {"4", "8"}, {"5", "9"}},
         {{"method", "pearson"}}},
    };
    return cases;
}

// Values at the ends of what the boxes and cells take.
inline const std::vector<FigureCase>& farOutCases() {
    static const std::string big = "1000000000000000000000000000000"; // 1E30
    static const std::vector<FigureCase> cases = {
        {"z-probability", {big}},
        {"z-probability", {"0.00001"}},
        {"z-range", {"0", "0.000001", "-" + big, big}},
        {"z-range", {"1", "1E30", "5", "6"}},
        {"t-probability", {big, "5"}},
        {"t-probability", {"2", big}},
        {"t-probability", {"3", "1"}},
        {"t-critical", {".0001", "1"}},
        {"t-range", {"0", "1", "2", "-1E30", "1E30"}},
        {"f-probability", {big, "1", "1"}},
        {"f-probability", {"-5", "3", "3"}},
        {"f-probability", {"2", big, big}},
        {"f-critical", {".0001", "1", "2"}},
        {"chi-square-probability", {big, "1"}},
        {"chi-square-probability", {"0.0001", "100000"}},
        {"chi-square-critical", {".9999", "1"}},
        {"binomial", {"30000", ".5", "29000"}},
        {"binomial", {"2", ".9999", "1"}},
        {"poisson", {"0", "0"}},
        {"poisson", {"100000", "1"}},
        {"poisson", {"5", "-3"}},
        {"poisson", {"1000", "1E11"}},
        {"fisher-exact", {"50", "0", "0", "0"}},
        {"fisher-exact", {"-2", "3", "1", "1"}},
        {"describe-sample", {}, {{"1E38"}, {"-1E38"}, {"1E38"}}},
        {"describe-sample", {}, {{"5"}, {"5"}, {"5"}}},
        {"independent-groups", {"1E30", "1E30", "2", "-1E30", "1E30", "2"}},
        {"anova", {}, {{"1E30", "1E30", "2"}, {"0", "1", "2"}, {"5", "0", "3"}}},
        {"correlation", {}, {{"1E30", "1"}, {"-1E30", "2"}, {"0", "3"}}},
        {"correlation", {}, {{"1", "5"}, {"1", "6"}, {"1", "7"}}, {{"method", "pearson"}}},
        {"mean-interval", {"1E30", "1E30", "2", "", "99.99"}},
    };
    return cases;
}

inline Evaluation evaluateCase(const CatalogueEntry& row, const FigureCase& c) {
    if (std::holds_alternative<QuestionInputs>(row.inputs))
        return evaluate(row, c.texts);
    return evaluate(row, sheetOf(c));
}

} // namespace quillon
