#include "calculations/report/means_reports.h"

#include "calculations/common/paired_columns.h"
#include "calculations/report/anova_effects.h"
#include "calculations/report/independent_means_effects.h"
#include "calculations/report/matched_pairs_effects.h"
#include "calculations/report/population_mean_effects.h"
#include "calculations/report/report_builder.h"
#include "calculations/report/report_inputs.h"
#include "calculations/report/report_text.h"
#include "calculations/report/variance_ratio_interval.h"

#include <cmath>
#include <vector>

namespace quillon {

using namespace report;

namespace {

// "t(18) = 2.24" from the answer's t and df; sign, when given, is the sign of the difference the
// report's effect describes (the windows of two samples print t without its sign).
std::string tPart(const Answer& answer, const DefinedNumber* sign = nullptr) {
    const DefinedNumber t = answerQuantity(answer, "t");
    const DefinedNumber df = answerQuantity(answer, "df");
    if (!t.isDefined() || !df.isDefined())
        return {};
    double value = t.value();
    if (sign != nullptr && sign->isDefined())
        value = std::copysign(value, sign->value());
    return statisticText("t", {df.value()}, value);
}

// "F(2, 27) = 4.12" from the answer's F and its degrees of freedom.
std::string fPart(const Answer& answer, std::string_view df1Name, std::string_view df2Name) {
    const DefinedNumber df1 = answerQuantity(answer, df1Name);
    const DefinedNumber df2 = answerQuantity(answer, df2Name);
    const DefinedNumber f = answerQuantity(answer, "f");
    if (!df1.isDefined() || !df2.isDefined() || !f.isDefined())
        return {};
    return statisticText("F", {df1.value(), df2.value()}, f.value());
}

// The published line of a one-sample d: "t(9) = 3.16, p = .012, d = 1.00, 95% CI [0.19, 1.77]".
void publishT(ReportBuilder& builder, const Answer& answer, std::string_view symbol,
              const DefinedNumber& d, const std::string& dInterval,
              const DefinedNumber* sign = nullptr) {
    builder.publish({tPart(answer, sign), builder.probabilityPart(answerQuantity(answer, "p")),
                     ReportBuilder::effectPart(symbol, d) + ", " + dInterval});
}

void addStandardized(ReportBuilder& builder, const StandardizedMeanDifference& effects,
                     const Answer& answer, std::string_view differenceLabel, std::string_view dName,
                     std::string_view dLabel, std::string_view symbol) {
    builder.estimate("difference", differenceLabel, effects.difference, effects.differenceInterval);
    const std::string dInterval = builder.estimate(dName, dLabel, effects.d, effects.dInterval);
    publishT(builder, answer, symbol, effects.d, dInterval, &effects.difference);
}

} // namespace

Report matchedPairsReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const PairedColumns pairs = readPairedColumns(input.sheet->sheet);
    const auto count = static_cast<std::size_t>(pairs.count);
    const std::vector<double> first(pairs.firstTyped.begin() + 1,
                                    pairs.firstTyped.begin() + 1 + count);
    const std::vector<double> second(pairs.secondTyped.begin() + 1,
                                     pairs.secondTyped.begin() + 1 + count);
    addStandardized(builder, matchedPairsEffects(first, second, builder.level()), input.answer,
                    "Mean difference (Var. 1 - Var. 2)", "d_z",
                    "d_z (mean difference / SD of the differences)", "d_z");
    return builder.take();
}

Report independentMeansReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const auto value = [&](int box) { return typedValue(input.texts, box); };
    const IndependentMeansEffects effects = independentMeansEffects(
        value(1), value(2), value(3), value(4), value(5), value(6), builder.level());
    builder.estimate("difference", "Difference of the means (second - first)", effects.difference,
                     effects.differenceInterval);
    const std::string dInterval = builder.estimate("cohens_d", "Cohen's d (pooled SD)",
                                                   effects.cohensD, effects.cohensDInterval);
    builder.number("hedges_g", "Hedges' g", effects.hedgesG);
    builder.number("welch_t", "Welch's t (unequal variances)", effects.welchT);
    builder.number("welch_df", "Welch's degrees of freedom", effects.welchDf);
    builder.probability("welch_p", "Welch's two-tailed probability", effects.welchProbability);
    publishT(builder, input.answer, "d", effects.cohensD, dInterval, &effects.difference);
    return builder.take();
}

Report populationMeanReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const auto value = [&](int box) { return typedValue(input.texts, box); };
    addStandardized(
        builder,
        populationMeanEffects(value(1), value(2), value(3), value(5), value(4), builder.level()),
        input.answer, "Difference (sample mean - population mean)", "cohens_d",
        "Cohen's d (difference / sample SD)", "d");
    return builder.take();
}

Report varianceRatioReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    double sd1 = typedValue(input.texts, 1);
    double n1 = typedValue(input.texts, 2);
    double sd2 = typedValue(input.texts, 3);
    double n2 = typedValue(input.texts, 4);
    // As the window's F: the larger standard deviation over the smaller.
    if (sd1 < sd2) {
        std::swap(sd1, sd2);
        std::swap(n1, n2);
    }
    const VarianceRatioInterval ratio = varianceRatioInterval(sd1, n1, sd2, n2, builder.level());
    const std::string interval =
        builder.estimate("variance_ratio", "Ratio of the variances (larger / smaller)", ratio.ratio,
                         ratio.ratioInterval);
    builder.publish({fPart(input.answer, "df1", "df2"),
                     builder.probabilityPart(answerQuantity(input.answer, "p")), interval});
    return builder.take();
}

Report anovaReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    std::vector<GroupSummary> groups;
    const DataSheet& sheet = input.sheet->sheet;
    // The groups the analysis read: rows down to the first empty Mean cell.
    for (int row = 1; row <= DataSheet::kRows && !sheet.text(row, 1).empty(); ++row)
        groups.push_back({typedNumber(sheet.text(row, 1)), typedNumber(sheet.text(row, 2)),
                          typedNumber(sheet.text(row, 3))});
    const AnovaEffects effects = anovaEffects(groups, builder.level());
    const std::string interval = builder.estimate("eta_squared", "Eta squared", effects.etaSquared,
                                                  effects.etaSquaredInterval, NumberStyle::Bounded);
    builder.number("omega_squared", "Omega squared", effects.omegaSquared, NumberStyle::Bounded);
    builder.number("welch_f", "Welch's F (unequal variances)", effects.welchF);
    builder.number("welch_df1", "Welch's numerator degrees of freedom", effects.welchDf1);
    builder.number("welch_df2", "Welch's denominator degrees of freedom", effects.welchDf2);
    builder.probability("welch_p", "Welch's probability", effects.welchProbability);
    builder.publish({fPart(input.answer, "df_between", "df_within"),
                     builder.probabilityPart(answerQuantity(input.answer, "p")),
                     ReportBuilder::effectPart("η²", effects.etaSquared, NumberStyle::Bounded) +
                         ", " + interval});
    return builder.take();
}

} // namespace quillon
