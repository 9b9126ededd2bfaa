#include "calculations/catalogue.h"

#include "calculations/correlation/correlate.h"
#include "calculations/counts/binomial_probability.h"
#include "calculations/counts/contingency_chi_square.h"
#include "calculations/counts/fisher_exact_probability.h"
#include "calculations/counts/poisson_probability.h"
#include "calculations/distributions/chi_square_distribution.h"
#include "calculations/distributions/f_distribution.h"
#include "calculations/distributions/normal_distribution.h"
#include "calculations/distributions/t_distribution.h"
#include "calculations/means/describe_sample.h"
#include "calculations/means/independent_groups_t.h"
#include "calculations/means/matched_pairs_t.h"
#include "calculations/means/mean_confidence_interval.h"
#include "calculations/means/one_way_anova.h"
#include "calculations/means/population_mean_t.h"
#include "calculations/means/variance_ratio_f.h"
#include "calculations/percents/one_sample_percents_t.h"
#include "calculations/percents/percent_confidence_interval.h"
#include "calculations/percents/two_sample_percents_t.h"
#include "calculations/sample_size/error_for_sample_size.h"
#include "calculations/sample_size/sample_size_for_mean.h"
#include "calculations/sample_size/sample_size_for_percent.h"

#include <algorithm>

namespace quillon {
namespace {

// The chi-square test's columns are named by letter: A is column 1, Z column 26.
std::vector<std::string> letterHeadings() {
    std::vector<std::string> headings{""};
    for (int column = 1; column <= DataSheet::kColumns; ++column)
        headings.emplace_back(1, static_cast<char>('A' + column - 1));
    return headings;
}

std::vector<CatalogueEntry> makeCatalogue() {
    // The correlation window opens on the regression.
    const CorrelationPresentation regression =
        correlationPresentation(CorrelationMethod::Regression);
    return {
        {.windowName = "Distr1a",
         .commandName = "z-probability",
         .title = "Probability of a z value",
         .menuItem = "Distrib_Z1",
         .menuPath = "Distributions/Z",
         .menuCaption = "Probability of a z value",
         .help = {{33, "distr1a.html"}},
         .quantities = {{"p", "Two-tailed probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the z value:"},
                                  .inputCount = 1,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &zProbability}},
        {.windowName = "Distr1b",
         .commandName = "z-critical",
         .title = "Critical z for a given probability",
         .menuItem = "Distrib_Z2",
         .menuPath = "Distributions/Z",
         .menuCaption = "Critical z for a given probability",
         .help = {{34, "distr1b.html"}},
         .quantities = {{"critical_z", "z value"}},
         .inputs = QuestionInputs{.questions = {"Enter the two-tailed probability:"},
                                  .inputCount = 1,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &criticalZ}},
        {.windowName = "Distr1c",
         .commandName = "z-range",
         .title = "Probability of a defined range",
         .menuItem = "Distrib_Z3",
         .menuPath = "Distributions/Z",
         .menuCaption = "Probability of a defined range",
         .help = {{35, "distr1c.html"}},
         .quantities = {{"p_within", "Probability of a value falling within the range"},
                        {"p_outside", "Probability of a value falling outside the range"}},
         .inputs = QuestionInputs{.questions = {"Enter the sample mean:",
                                                "Enter the sample unbiased standard deviation:",
                                                "Enter the lower limit of the range:",
                                                "Enter the upper limit of the range:"},
                                  .inputCount = 4,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &zRangeProbability}},
        {.windowName = "Distr2a",
         .commandName = "t-probability",
         .title = "Probability of a t value",
         .menuItem = "Distrib_T1",
         .menuPath = "Distributions/T",
         .menuCaption = "Probability of a t value",
         .help = {{37, "distr2a.html"}},
         .quantities = {{"p", "Two-tailed probability"}},
         .inputs =
             QuestionInputs{.questions = {"Enter the t value:", "Enter the degrees of freedom:"},
                            .inputCount = 2,
                            .layout = CalculatorLayout::Questions,
                            .calculate = &tProbability}},
        {.windowName = "Distr2b",
         .commandName = "t-critical",
         .title = "Critical t for a given probability",
         .menuItem = "Distrib_T2",
         .menuPath = "Distributions/T",
         .menuCaption = "Critical t for a given probability",
         .help = {{38, "distr2b.html"}},
         .quantities = {{"critical_t", "t value"}},
         .inputs = QuestionInputs{.questions = {"Enter the two-tailed probability:",
                                                "Enter the degrees of freedom:"},
                                  .inputCount = 2,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &criticalT}},
        {.windowName = "Distr2c",
         .commandName = "t-range",
         .title = "Probability of a defined range",
         .menuItem = "Distrib_T3",
         .menuPath = "Distributions/T",
         .menuCaption = "Probability of a defined range",
         .help = {{39, "distr2c.html"}},
         .quantities = {{"p_within", "Probability of a value falling within the range"},
                        {"p_outside", "Probability of a value falling outside the range"}},
         .inputs = QuestionInputs{.questions = {"Enter the sample mean:",
                                                "Enter the sample unbiased standard deviation:",
                                                "Enter the sample size:",
                                                "Enter the lower limit of the range:",
                                                "Enter the upper limit of the range:"},
                                  .inputCount = 5,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &tRangeProbability}},
        {.windowName = "Distr3a",
         .commandName = "f-probability",
         .title = "Probability of an F-ratio",
         .menuItem = "Distrib_F1",
         .menuPath = "Distributions/F",
         .menuCaption = "Probability of an F-ratio",
         .help = {{41, "distr3a.html"}},
         .quantities = {{"p", "Probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the F-ratio:",
                                                "Enter the numerator degrees of freedom:",
                                                "Enter the denominator degrees of freedom:"},
                                  .inputCount = 3,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &fProbability}},
        {.windowName = "Distr3b",
         .commandName = "f-critical",
         .title = "Critical F for a given probability",
         .menuItem = "Distrib_F2",
         .menuPath = "Distributions/F",
         .menuCaption = "Critical F for a given probability",
         .help = {{42, "distr3b.html"}},
         .quantities = {{"critical_f", "F value"}},
         .inputs = QuestionInputs{.questions = {"Enter the probability:",
                                                "Enter the numerator degrees of freedom:",
                                                "Enter the denominator degrees of freedom:"},
                                  .inputCount = 3,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &criticalF}},
        {.windowName = "Distr4a",
         .commandName = "chi-square-probability",
         .title = "Probability of a chi-square value",
         .menuItem = "Distrib_C1",
         .menuPath = "Distributions/ChiSquare2",
         .menuCaption = "Probability of a chi-square value",
         .help = {{44, "distr4a.html"}},
         .quantities = {{"p", "Probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the chi-square value:",
                                                "Enter the degrees of freedom:"},
                                  .inputCount = 2,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &chiSquareProbability}},
        {.windowName = "Distr4b",
         .commandName = "chi-square-critical",
         .title = "Critical chi-square for a given probability",
         .menuItem = "Distrib_C2",
         .menuPath = "Distributions/ChiSquare2",
         .menuCaption = "Critical chi-square for a given prob.",
         .help = {{45, "distr4b.html"}},
         .quantities = {{"critical_chi_square", "Chi-square value"}},
         .inputs = QuestionInputs{.questions = {"Enter the probability:",
                                                "Enter the degrees of freedom:"},
                                  .inputCount = 2,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &criticalChiSquare}},
        {.windowName = "Counts1",
         .commandName = "chi-square-test",
         .title = "Chi-square test",
         .menuItem = "Count1",
         .menuPath = "Counts",
         .menuCaption = "Chi-square test",
         .help = {{47, "counts1.html"}},
         .quantities = {{"chi_square", "Chi-square statistic"},
                        {"corrected_chi_square", "Corrected chi-square statistic"},
                        {"df", "Degrees of freedom"},
                        {"p", "Probability of chance"}},
         .inputs = SheetInputs{.instruction = "Enter the observed cell frequencies:",
                               .columns = DataSheet::kColumns,
                               .headings = letterHeadings(),
                               .extra = SheetExtra::YatesCorrection,
                               .answer = AnswerArea::Label,
                               .calculate = &contingencyChiSquare}},
        {.windowName = "Counts2",
         .commandName = "fisher-exact",
         .title = "Fisher's exact test",
         .menuItem = "Count2",
         .menuPath = "Counts",
         .menuCaption = "Fisher's exact test",
         .help = {{48, "counts2.html"}},
         .quantities = {{"p", "Fisher's exact probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the observed cell frequencies:"},
                                  .inputCount = 4,
                                  .layout = CalculatorLayout::FourfoldTable,
                                  .initialAnswer = "Fisher's exact probability =",
                                  .calculate = &fisherExactProbability}},
        {.windowName = "Counts3",
         .commandName = "binomial",
         .title = "Binomial test",
         .menuItem = "Count3",
         .menuPath = "Counts",
         .menuCaption = "Binomial test",
         .help = {{49, "counts3.html"}},
         .quantities = {{"successes", "Number of successes"}, {"p", "Probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the number of trials:",
                                                "Enter the probability of success on each trial:",
                                                "Enter the number of successes:"},
                                  .inputCount = 3,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &binomialProbability}},
        {.windowName = "Counts4",
         .commandName = "poisson",
         .title = "Poisson distribution events test",
         .menuItem = "Count4",
         .menuPath = "Counts",
         .menuCaption = "Poisson distribution events test",
         .help = {{50, "counts4.html"}},
         .quantities = {{"events", "Number of events"}, {"p", "Probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the observed frequency:",
                                                "Enter the expected frequency:"},
                                  .inputCount = 2,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &poissonProbability}},
        {.windowName = "Percent1",
         .commandName = "percents-one-sample",
         .title = "One sample t-test between percents",
         .menuItem = "Pct1",
         .menuPath = "Percents",
         .menuCaption = "One sample t-test beween percents",
         .help = {{53, "percent1.html"}},
         .quantities = {{"t", "t-statistic"},
                        {"df", "Degrees of freedom"},
                        {"p", "Two-tailed probability"}},
         .inputs =
             QuestionInputs{.questions = {"Enter the first percent:", "Enter the second percent:",
                                          "Enter the sample size:"},
                            .inputCount = 3,
                            .layout = CalculatorLayout::Questions,
                            .calculate = &oneSamplePercentsT}},
        {.windowName = "Percent2",
         .commandName = "percents-two-samples",
         .title = "Two sample t-test between percents",
         .menuItem = "Pct2",
         .menuPath = "Percents",
         .menuCaption = "Two sample t-test between percents",
         .help = {{54, "percent2.html"}},
         .quantities = {{"t", "t-statistic"},
                        {"df", "Degrees of freedom"},
                        {"p", "Two-tailed probability"}},
         .inputs = QuestionInputs{.questions = {"Enter the first percent:",
                                                "Enter the sample size for the first percent:",
                                                "Enter the second percent:",
                                                "Enter the sample size for the second percent:"},
                                  .inputCount = 4,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &twoSamplePercentsT}},
        {.windowName = "Percent3",
         .commandName = "percent-interval",
         .title = "Confidence interval around a percent",
         .menuItem = "Pct3",
         .menuPath = "Percents",
         .menuCaption = "Confidence interval around a percent",
         .help = {{55, "percent3.html"}},
         .quantities = {{"standard_error", "Standard error of the proportion"},
                        {"df", "Degrees of freedom"},
                        {"confidence_level", "Confidence level"},
                        {"percent", "Percent"},
                        {"half_width", "Half-width of the confidence interval"},
                        {"lower", "Lower limit of the confidence interval"},
                        {"upper", "Upper limit of the confidence interval"}},
         .inputs = QuestionInputs{.questions = {"Enter the percent:", "Enter the sample size:",
                                                "Enter the population size:",
                                                "Enter the desired confidence interval (%):"},
                                  .inputCount = 4,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &percentConfidenceInterval}},
        {.windowName = "Means0",
         .commandName = "describe-sample",
         .title = "Mean and standard deviation of a sample",
         .menuItem = "Mean0",
         .menuPath = "Means",
         .menuCaption = "Mean and standard deviation of a sample",
         .help = {{57, "means0.html"}},
         .inputs = SheetInputs{.instruction = "Enter the data for the sample:",
                               .columns = 1,
                               .headings = {"Record", "Data"},
                               .extra = SheetExtra::PopulationSize,
                               .answer = AnswerArea::Label,
                               .calculate = &describeSample}},
        {.windowName = "Means1",
         .commandName = "matched-pairs",
         .title = "Matched pairs t-test between means",
         .menuItem = "Mean1",
         .menuPath = "Means",
         .menuCaption = "Matched pairs t-test between means",
         .help = {{58, "means1.html"}},
         .inputs = SheetInputs{.instruction = "Enter both variables for each record:",
                               .columns = 2,
                               .headings = {"Record", "Var. 1", "Var. 2"},
                               .extra = SheetExtra::None,
                               .answer = AnswerArea::Label,
                               .calculate = &matchedPairsT}},
        {.windowName = "Means2",
         .commandName = "independent-groups",
         .title = "Independent groups t-test between means",
         .menuItem = "Mean2",
         .menuPath = "Means",
         .menuCaption = "Independent groups t-test between means",
         .help = {{59, "means2.html"}},
         .inputs =
             QuestionInputs{
                 .questions = {"Enter the mean of the first group:",
                               "Enter the unbiased standard deviation of the first group:",
                               "Enter the sample size of the first group:",
                               "Enter the mean of the second group:",
                               "Enter the unbiased standard deviation of the second group:",
                               "Enter the sample size of the second group:"},
                 .inputCount = 6,
                 .layout = CalculatorLayout::TwoGroups,
                 .calculate = &independentGroupsT}},
        {.windowName = "Means3",
         .commandName = "mean-interval",
         .title = "Confidence interval around a mean",
         .menuItem = "Mean3",
         .menuPath = "Means",
         .menuCaption = "Confidence interval around a mean",
         .help = {{60, "means3.html"}},
         .inputs =
             QuestionInputs{
                 .questions = {"Enter the mean:", "Enter the unbiased standard deviation:",
                               "Enter the sample size:", "Enter the population size:",
                               "Enter the desired confidence interval (%):"},
                 .inputCount = 5,
                 .layout = CalculatorLayout::Questions,
                 .calculate = &meanConfidenceInterval}},
        {.windowName = "Means4",
         .commandName = "mean-against-population",
         .title = "Compare sample mean to a population mean",
         .menuItem = "Mean4",
         .menuPath = "Means",
         .menuCaption = "Compare sample mean to a population mean",
         .help = {{61, "means4.html"}},
         .inputs =
             QuestionInputs{.questions = {"Enter the sample mean:",
                                          "Enter the sample unbiased standard deviation:",
                                          "Enter the sample size:", "Enter the population size:",
                                          "Enter the population mean:"},
                            .inputCount = 5,
                            .layout = CalculatorLayout::Questions,
                            .calculate = &populationMeanT}},
        {.windowName = "Means5",
         .commandName = "sd-ratio",
         .title = "Compare two standard deviations",
         .menuItem = "Mean5",
         .menuPath = "Means",
         .menuCaption = "Compare two standard deviations (F-Ratio)",
         .help = {{62, "means5.html"}},
         .inputs = QuestionInputs{.questions = {"Enter the first standard deviation:",
                                                "Enter the first sample size:",
                                                "Enter the second standard deviation:",
                                                "Enter the second sample size:"},
                                  .inputCount = 4,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &varianceRatioF}},
        {.windowName = "Means6",
         .commandName = "anova",
         .title = "Compare three or more means",
         .menuItem = "Mean6",
         .menuPath = "Means",
         .menuCaption = "Compare three or more means (ANOVA)",
         .help = {{63, "means6.html"}},
         .inputs =
             SheetInputs{
                 .instruction =
                     "Enter the mean, unbiased standard deviation, and sample size for each group:",
                 .columns = 3,
                 .headings = {"Group", "Mean", "SD", "N"},
                 .extra = SheetExtra::None,
                 .answer = AnswerArea::Table,
                 .calculate = &oneWayAnova}},
        {.windowName = "Correl",
         .commandName = "correlation",
         .title = regression.title,
         .menuItem = "Correlation",
         .menuPath = "",
         .menuCaption = "&Correlation",
         .help = {{65, "regression.html"}, {64, "correlation.html"}},
         .inputs = SheetInputs{.instruction = "Enter both variables for each record:",
                               .columns = 2,
                               .headings = {"Record", std::string(regression.firstHeading),
                                            std::string(regression.secondHeading)},
                               .extra = SheetExtra::CorrelationMethod,
                               .answer = AnswerArea::Label,
                               .calculate = &correlate}},
        {.windowName = "Sample1",
         .commandName = "sample-size-percent",
         .title = "Determine sample size for percents",
         .menuItem = "SampleSize1",
         .menuPath = "Sampling",
         .menuCaption = "Determine sample size for percents",
         .help = {{67, "sample1.html"}},
         .quantities = {{"sample_size", "Required sample size"}},
         .inputs =
             QuestionInputs{
                 .questions = {"Enter the best estimate of the population size:",
                               "Enter the best estimate of the rate in the population (%):",
                               "Enter the maximum acceptable difference (%):",
                               "Enter the desired confidence level (%):"},
                 .inputCount = 4,
                 .layout = CalculatorLayout::Questions,
                 .calculate = &sampleSizeForPercent}},
        {.windowName = "Sample2",
         .commandName = "sample-size-mean",
         .title = "Determine sample size for means",
         .menuItem = "SampleSize2",
         .menuPath = "Sampling",
         .menuCaption = "Determine sample size for means",
         .help = {{68, "sample2.html"}},
         .quantities = {{"sample_size", "Required sample size"}},
         .inputs = QuestionInputs{.questions = {"Enter the population standard deviation:",
                                                "Enter the maximum acceptable difference:",
                                                "Enter the desired confidence level (%):"},
                                  .inputCount = 3,
                                  .layout = CalculatorLayout::Questions,
                                  .calculate = &sampleSizeForMean}},
        {.windowName = "Sample3",
         .commandName = "error-for-sample-size",
         .title = "Determine error for a given sample size",
         .menuItem = "SampleSize3",
         .menuPath = "Sampling",
         .menuCaption = "Determine error for a given sample size",
         .help = {{76, "sample3.html"}},
         .quantities = {{"maximum_error", "Maximum error"}},
         .inputs =
             QuestionInputs{
                 .questions = {"Enter the best estimate of the population size:",
                               "Enter the best estimate of the rate in the population (%):",
                               "Enter the sample size:", "Enter the desired confidence level (%):"},
                 .inputCount = 4,
                 .layout = CalculatorLayout::Questions,
                 .calculate = &errorForSampleSize}},
    };
}

std::vector<CalculatorDefinition> makeDefinitions() {
    std::vector<CalculatorDefinition> definitions;
    for (const CatalogueEntry& entry : catalogue()) {
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs))
            definitions.push_back({entry.windowName, entry.title, asked->questions,
                                   asked->inputCount, entry.help.front().topic, asked->calculate,
                                   asked->layout, asked->initialAnswer});
    }
    return definitions;
}

} // namespace

std::span<const CatalogueEntry> catalogue() {
    static const std::vector<CatalogueEntry> entries = makeCatalogue();
    return entries;
}

const CatalogueEntry* findByWindow(std::string_view window) {
    const auto entries = catalogue();
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [window](const CatalogueEntry& e) { return e.windowName == window; });
    return found == entries.end() ? nullptr : &*found;
}

const CatalogueEntry* findByName(std::string_view name) {
    const auto entries = catalogue();
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [name](const CatalogueEntry& e) { return e.commandName == name; });
    return found == entries.end() ? nullptr : &*found;
}

const std::vector<CalculatorDefinition>& calculatorDefinitions() {
    static const std::vector<CalculatorDefinition> definitions = makeDefinitions();
    return definitions;
}

const CalculatorDefinition* findCalculator(std::string_view name) {
    const auto& table = calculatorDefinitions();
    const auto found =
        std::find_if(table.begin(), table.end(),
                     [name](const CalculatorDefinition& d) { return d.name == name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace quillon
