#include "calculations/report/percents_reports.h"

#include "calculations/report/percent_difference.h"
#include "calculations/report/percent_intervals.h"
#include "calculations/report/report_builder.h"
#include "calculations/report/report_inputs.h"
#include "calculations/report/report_text.h"

namespace quillon {

using namespace report;

namespace {

constexpr double kPercent = 100.0;

DefinedNumber inPercent(const DefinedNumber& proportion) {
    return proportion.isDefined() ? finiteOrNot(proportion.value() * kPercent) : proportion;
}

DefinedBounds inPercent(const DefinedBounds& proportions) {
    if (!proportions.isDefined())
        return proportions;
    return finiteOrNot(
        Bounds{proportions.value().lower * kPercent, proportions.value().upper * kPercent});
}

// The difference in percentage points as the window's percents are typed, and Cohen's h.
Report differenceReport(const ReportInput& input, const PercentDifference& difference,
                        std::string_view label) {
    ReportBuilder builder(input.options);
    const std::string interval = builder.estimate(
        "difference", label, inPercent(difference.difference), inPercent(difference.interval));
    builder.number("cohens_h", "Cohen's h", difference.cohensH);
    std::string statistic;
    const DefinedNumber t = answerQuantity(input.answer, "t");
    const DefinedNumber df = answerQuantity(input.answer, "df");
    if (t.isDefined() && df.isDefined())
        statistic = statisticText("t", {df.value()}, t.value());
    builder.publish({statistic, builder.probabilityPart(answerQuantity(input.answer, "p")),
                     ReportBuilder::effectPart("difference", inPercent(difference.difference)) +
                         " points, " + interval,
                     ReportBuilder::effectPart("h", difference.cohensH)});
    return builder.take();
}

} // namespace

Report samePercentsReport(const ReportInput& input) {
    const auto value = [&](int box) { return typedValue(input.texts, box); };
    return differenceReport(input,
                            sameSamplePercentDifference(value(1) / kPercent, value(2) / kPercent,
                                                        value(3), input.options.level),
                            "Difference of the percents (first - second), Newcombe's interval "
                            "for one sample");
}

Report independentPercentsReport(const ReportInput& input) {
    const auto value = [&](int box) { return typedValue(input.texts, box); };
    return differenceReport(input,
                            independentPercentDifference(value(1) / kPercent, value(2),
                                                         value(3) / kPercent, value(4),
                                                         input.options.level),
                            "Difference of the percents (first - second), Newcombe's hybrid "
                            "score interval");
}

Report percentIntervalsReport(const ReportInput& input) {
    // Beside the window's own interval and at its level, not the report's.
    ReportOptions options = input.options;
    options.level = typedValue(input.texts, 4) / kPercent;
    ReportBuilder builder(options);
    const PercentIntervals intervals = percentIntervals(typedValue(input.texts, 1) / kPercent,
                                                        typedValue(input.texts, 2), options.level);
    const std::string wilson =
        builder.interval("wilson", "Wilson score interval, unlimited population",
                         endsOf(inPercent(intervals.wilson)));
    builder.number("exact_count", "Count the exact interval is formed from", intervals.count,
                   NumberStyle::Whole);
    const std::string exact =
        builder.interval("exact", "Exact (Clopper-Pearson) interval, unlimited population",
                         endsOf(inPercent(intervals.exact)));
    const std::string published = "Wilson " + wilson + ", exact " + exact;
    builder.publish({published});
    return builder.take();
}

} // namespace quillon
