#include "calculations/report/counts_reports.h"

#include "calculations/report/binomial_effects.h"
#include "calculations/report/contingency_effects.h"
#include "calculations/report/fisher_exact_effects.h"
#include "calculations/report/poisson_effects.h"
#include "calculations/report/report_builder.h"
#include "calculations/report/report_inputs.h"
#include "calculations/report/report_text.h"

#include <algorithm>
#include <vector>

namespace quillon {

using namespace report;

namespace {

// The table the chi-square test read: the rectangle from cell (1, 1) to the last filled row and
// column.
std::vector<std::vector<double>> tableOf(const DataSheet& sheet) {
    int rows = 0;
    int columns = 0;
    for (int row = 1; row <= DataSheet::kRows; ++row)
        for (int column = 1; column <= DataSheet::kColumns; ++column)
            if (!sheet.text(row, column).empty()) {
                rows = std::max(rows, row);
                columns = std::max(columns, column);
            }
    std::vector<std::vector<double>> table(static_cast<std::size_t>(rows),
                                           std::vector<double>(static_cast<std::size_t>(columns)));
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            table[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] =
                typedNumber(sheet.text(row, column));
    return table;
}

} // namespace

Report contingencyReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const std::vector<std::vector<double>> table = tableOf(input.sheet->sheet);
    const ContingencyEffects effects = contingencyEffects(table, builder.level());
    const bool fourfold = table.size() == 2 && table.front().size() == 2;
    builder.number("cramers_v", fourfold ? "Cramer's V (unsigned phi)" : "Cramer's V",
                   effects.cramersV, NumberStyle::Bounded);
    // The ratios belong to a 2 x 2 table alone.
    if (fourfold) {
        builder.estimate("odds_ratio", "Odds ratio (Woolf's interval)", effects.oddsRatio,
                         effects.oddsRatioInterval);
        builder.estimate("relative_risk", "Relative risk of column 1, row 1 over row 2",
                         effects.relativeRisk, effects.relativeRiskInterval);
    }

    // The statistic as the window printed it, corrected or not.
    const bool corrected = answerQuantity(input.answer, "corrected_chi_square").isDefined();
    const DefinedNumber chiSquare =
        answerQuantity(input.answer, corrected ? "corrected_chi_square" : "chi_square");
    const DefinedNumber df = answerQuantity(input.answer, "df");
    const DefinedNumber n = answerQuantity(input.answer, "n");
    std::string statistic;
    if (chiSquare.isDefined() && df.isDefined() && n.isDefined())
        statistic = "χ²(" + reportNumber(df.value(), 0, NumberStyle::Plain) +
                    ", N = " + reportNumber(n.value(), 2, NumberStyle::Whole) +
                    ") = " + reportNumber(chiSquare.value(), 2, NumberStyle::Plain);
    std::vector<std::string> parts{statistic};
    if (!statistic.empty())
        parts.push_back(builder.probabilityPart(answerQuantity(input.answer, "p")));
    parts.push_back(
        ReportBuilder::effectPart(fourfold ? "φ" : "V", effects.cramersV, NumberStyle::Bounded));
    builder.publish(parts);
    return builder.take();
}

Report fisherExactReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const auto value = [&](int box) { return typedValue(input.texts, box); };
    const FisherExactEffects effects =
        fisherExactEffects(value(1), value(2), value(3), value(4), builder.level());
    builder.probability("p_table", "Probability of this table", effects.pointProbability);
    builder.probability("p_less", "One-sided p, odds ratio below 1", effects.pLess);
    builder.probability("p_greater", "One-sided p, odds ratio above 1", effects.pGreater);
    builder.probability("p_two_sided", "Two-sided p, tables no more probable than this one",
                        effects.pTwoSided);
    const std::string interval = builder.estimate(
        "odds_ratio", "Conditional odds ratio (maximum likelihood, exact interval)",
        effects.oddsRatio, effects.oddsRatioInterval);
    builder.publish({"Fisher's exact test", builder.probabilityPart(effects.pTwoSided),
                     ReportBuilder::effectPart("OR", effects.oddsRatio) + ", " + interval});
    return builder.take();
}

Report binomialReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const double trials = typedValue(input.texts, 1);
    const double chance = typedValue(input.texts, 2);
    const double successes = typedValue(input.texts, 3);
    const BinomialEffects effects = binomialEffects(trials, successes, chance, builder.level());
    const std::string interval =
        builder.estimate("proportion", "Proportion of successes (exact Clopper-Pearson interval)",
                         effects.proportion, effects.proportionInterval, NumberStyle::Bounded);
    builder.probability("p_two_sided", "Two-sided exact p, outcomes no more probable than this one",
                        effects.pTwoSided);
    builder.publish(
        {ReportBuilder::effectPart("proportion", effects.proportion, NumberStyle::Bounded) + ", " +
             interval,
         "exact binomial test " + builder.probabilityPart(effects.pTwoSided)});
    return builder.take();
}

Report poissonReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const double observed = typedValue(input.texts, 1);
    const double expected = typedValue(input.texts, 2);
    const PoissonEffects effects = poissonEffects(observed, expected, builder.level());
    const std::string interval =
        builder.estimate("count", "Observed count (exact Garwood interval)", finiteOrNot(observed),
                         effects.countInterval, NumberStyle::Whole);
    builder.probability("p_two_sided", "Two-sided exact p, counts no more probable than this one",
                        effects.pTwoSided);
    builder.publish({ReportBuilder::effectPart("count", finiteOrNot(observed), NumberStyle::Whole) +
                         ", " + interval,
                     "exact Poisson test " + builder.probabilityPart(effects.pTwoSided)});
    return builder.take();
}

} // namespace quillon
