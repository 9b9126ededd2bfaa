#include "calculations/report/correlation_report.h"

#include "calculations/common/paired_columns.h"
#include "calculations/correlation/correlate.h"
#include "calculations/report/correlation_interval.h"
#include "calculations/report/regression_intervals.h"
#include "calculations/report/report_builder.h"
#include "calculations/report/report_inputs.h"
#include "calculations/report/report_text.h"

#include <cmath>

namespace quillon {

using namespace report;

namespace {

// The means and the sums of squares and products about them, of the pairs as typed; column 1 is
// x, column 2 is y.
RegressionSums sumsOf(const PairedColumns& pairs) {
    const auto count = static_cast<std::size_t>(pairs.count);
    RegressionSums sums{static_cast<double>(count), 0.0, 0.0, 0.0, 0.0, 0.0};
    for (std::size_t i = 1; i <= count; ++i) {
        sums.meanX += pairs.firstTyped[i];
        sums.meanY += pairs.secondTyped[i];
    }
    sums.meanX /= sums.n;
    sums.meanY /= sums.n;
    for (std::size_t i = 1; i <= count; ++i) {
        const double dx = pairs.firstTyped[i] - sums.meanX;
        const double dy = pairs.secondTyped[i] - sums.meanY;
        sums.sxx += dx * dx;
        sums.syy += dy * dy;
        sums.sxy += dx * dy;
    }
    return sums;
}

} // namespace

Report correlationReport(const ReportInput& input) {
    ReportBuilder builder(input.options);
    const CorrelationMethod method = chosenCorrelationMethod(input.sheet->options);
    const PairedColumns pairs = readPairedColumns(input.sheet->sheet);
    const double n = pairs.count;
    const bool ranks = method == CorrelationMethod::Spearman;
    // Pearson's r from the pairs as typed; rho as the answer ranked them.
    const RegressionSums sums = sumsOf(pairs);
    const DefinedNumber r =
        ranks ? answerQuantity(input.answer, "rho")
              : (sums.sxx > 0.0 && sums.syy > 0.0
                     ? finiteOrNot(sums.sxy / std::sqrt(sums.sxx * sums.syy))
                     : DefinedNumber::notDefined("not defined: a variable has no spread"));
    DefinedBounds bounds = DefinedBounds::notDefined(r.reason());
    if (r.isDefined())
        bounds = ranks ? rankCorrelationInterval(r.value(), n, builder.level())
                       : correlationInterval(r.value(), n, builder.level());
    const std::string interval =
        builder.estimate(ranks ? "rho" : "r",
                         ranks ? "Spearman's rho (Fisher's z, Bonett-Wright variance)"
                               : "Correlation coefficient r (Fisher's z interval)",
                         r, bounds, NumberStyle::Bounded);
    if (method == CorrelationMethod::Regression && n >= 1.0) {
        const RegressionIntervals line = regressionIntervals(sums, builder.level());
        builder.estimate("slope", "Slope", line.slope, line.slopeInterval);
        builder.estimate("intercept", "Intercept", line.intercept, line.interceptInterval);
        builder.number("adjusted_r_squared", "Adjusted r-squared", line.adjustedRSquared,
                       NumberStyle::Bounded);
    }
    const std::string symbol =
        std::string(ranks ? "r_s" : "r") + "(" + reportNumber(n - 2.0, 0, NumberStyle::Plain) + ")";
    // Spearman's window gives no probability for fewer pairs than its approximation needs.
    const DefinedNumber p = answerQuantity(input.answer, "p");
    builder.publish({ReportBuilder::effectPart(symbol, r, NumberStyle::Bounded),
                     p.isDefined() ? builder.probabilityPart(p) : std::string(), interval});
    return builder.take();
}

} // namespace quillon
