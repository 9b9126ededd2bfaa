// Pictures of the data as typed: a sample as dots with its mean and median, pairs as a scatter
// with their least-squares line (or their ranks), and an interval around its estimate.
#include "calculations/common/paired_columns.h"
#include "calculations/correlation/correlate.h"
#include "calculations/correlation/least_squares_line.h"
#include "calculations/correlation/pair_ranks.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "figures/figure_builders.h"
#include "figures/ticks.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace quillon {
namespace {

// The dots of a dot plot stack in this many columns across the range of the values.
constexpr double kDotColumns = 60.0;

std::pair<double, double> rangeOf(const std::vector<double>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

// A little room beyond the data at both ends.
std::pair<double, double> padded(double low, double high) {
    const double margin = (high - low) * 0.06;
    if (!std::isfinite(margin) || margin == 0.0)
        return {low, high};
    return {low - margin, high + margin};
}

// Column 1 down to its first empty cell, as the sample's description reads it.
std::vector<double> sampleOf(const DataSheetInput& sheet) {
    std::vector<double> values;
    for (int row = 1; row <= DataSheet::kRows && !sheet.sheet.text(row, 1).empty(); ++row) {
        try {
            values.push_back(readNumber(sheet.sheet.text(row, 1)));
        } catch (const ArithmeticError&) {
            return {};
        }
    }
    return values;
}

} // namespace

FigureOutcome dotPlotFigure(const FigureInputs& inputs) {
    const LabelledQuantity* mean = findQuantity(inputs.evaluation, "mean");
    const LabelledQuantity* median = findQuantity(inputs.evaluation, "median");
    std::vector<double> values = inputs.sheet ? sampleOf(*inputs.sheet) : std::vector<double>{};
    if (!mean || !median || values.empty())
        return noFigure("The sample cannot be drawn for these values.");
    auto [low, high] = rangeOf(values);
    low = std::min({low, mean->value, median->value});
    high = std::max({high, mean->value, median->value});
    if (!std::isfinite(high - low))
        return noFigure("The values are too far apart to draw on one axis.");
    Panel panel;
    // Values that fall in the same column stack upwards.
    const double column = high > low ? (high - low) / kDotColumns : 1.0;
    std::map<long long, int> stacks;
    int tallest = 1;
    for (const double value : values) {
        const long long key = std::llround((value - low) / column);
        const int height = ++stacks[key];
        tallest = std::max(tallest, height);
        panel.dots.push_back({{value, static_cast<double>(height)}, Ink::Curve});
    }
    const auto [from, to] = padded(low, high);
    panel.x = makeAxis("Value", from, to);
    panel.y = makeAxis("Count", 0.0, tallest + 1.0, std::min(tallest + 1, 5));
    std::erase_if(panel.y.ticks, [](const Tick& t) { return t.value != std::floor(t.value); });
    panel.markers.push_back({mean->value, "mean " + mean->text, Ink::Accent});
    panel.markers.push_back({median->value, "median " + median->text, Ink::Second});
    Figure figure;
    figure.description = "The " + std::to_string(values.size()) + " values as dots on one axis, " +
                         "from " + numberLabel(*std::min_element(values.begin(), values.end())) +
                         " to " + numberLabel(*std::max_element(values.begin(), values.end())) +
                         "; the mean, " + mean->text + ", and the median, " + median->text +
                         ", are marked.";
    figure.panels.push_back(std::move(panel));
    return {std::move(figure), {}};
}

FigureOutcome scatterFigure(const FigureInputs& inputs) {
    if (!inputs.sheet)
        return noFigure("The pairs cannot be drawn for these values.");
    const PairedColumns pairs = readPairedColumns(inputs.sheet->sheet);
    const auto count = static_cast<std::size_t>(pairs.count);
    if (count < 2)
        return noFigure("The pairs cannot be drawn for these values.");
    const CorrelationMethod method = chosenCorrelationMethod(inputs.sheet->options);
    std::vector<double> x(pairs.firstTyped.begin() + 1,
                          pairs.firstTyped.begin() + 1 + static_cast<std::ptrdiff_t>(count));
    std::vector<double> y(pairs.secondTyped.begin() + 1,
                          pairs.secondTyped.begin() + 1 + static_cast<std::ptrdiff_t>(count));
    std::string xTitle = "x (column 1)";
    std::string yTitle = "y (column 2)";
    if (method == CorrelationMethod::Spearman) {
        // The ranks as the calculation forms them: each column in turn sorted with its partner
        // and given mid-ranks for ties.
        PairTableOf<double> table;
        for (std::size_t i = 0; i < count; ++i) {
            table.at(static_cast<int>(i + 1), 0) = x[i];
            table.at(static_cast<int>(i + 1), 1) = y[i];
        }
        sort(0, 1, pairs.count, table);
        assignRanks(0, pairs.count, table);
        sort(1, 0, pairs.count, table);
        assignRanks(1, pairs.count, table);
        for (std::size_t i = 0; i < count; ++i) {
            x[i] = table.at(static_cast<int>(i + 1), 0);
            y[i] = table.at(static_cast<int>(i + 1), 1);
        }
        xTitle = "Rank of x";
        yTitle = "Rank of y";
    }
    const auto [xLow, xHigh] = rangeOf(x);
    const auto [yLow, yHigh] = rangeOf(y);
    if (!std::isfinite(xHigh - xLow) || !std::isfinite(yHigh - yLow))
        return noFigure("The values are too far apart to draw on one axis.");
    Panel panel;
    for (std::size_t i = 0; i < count; ++i)
        panel.dots.push_back({{x[i], y[i]}, Ink::Curve});

    // The regression's own line as it publishes it; for the correlations the least-squares line
    // through the points drawn.
    std::optional<LeastSquaresLine> line;
    const LabelledQuantity* slope = findQuantity(inputs.evaluation, "slope");
    const LabelledQuantity* intercept = findQuantity(inputs.evaluation, "intercept");
    if (method == CorrelationMethod::Regression && slope && intercept)
        line = LeastSquaresLine{.slope = slope->value, .intercept = intercept->value};
    else if (method != CorrelationMethod::Regression)
        line = leastSquaresLine(x, y);
    double low = yLow;
    double high = yHigh;
    std::string lineWords;
    if (line) {
        const double atLow = line->intercept + line->slope * xLow;
        const double atHigh = line->intercept + line->slope * xHigh;
        if (std::isfinite(atLow) && std::isfinite(atHigh)) {
            panel.segments.push_back({{xLow, atLow}, {xHigh, atHigh}, Ink::Accent});
            low = std::min({low, atLow, atHigh});
            high = std::max({high, atLow, atHigh});
            lineWords = ", with the least-squares line y = " + numberLabel(line->intercept) +
                        (line->slope < 0.0 ? " - " : " + ") + numberLabel(std::fabs(line->slope)) +
                        " x";
        }
    }
    const auto [xFrom, xTo] = padded(xLow, xHigh);
    const auto [yFrom, yTo] = padded(low, high);
    panel.x = makeAxis(xTitle, xFrom, xTo);
    panel.y = makeAxis(yTitle, yFrom, yTo, 5);
    Figure figure;
    const std::string what = method == CorrelationMethod::Spearman ? "ranks of the " : "";
    figure.description = "The " + what + std::to_string(count) + " pairs as points" + lineWords;
    if (const LabelledQuantity* r = findFirstQuantity(inputs.evaluation, {"rho", "r"}))
        figure.description += "; " + std::string(r->name == "rho" ? "rho" : "r") + " = " + r->text;
    figure.description += ".";
    figure.title = std::string(correlationPresentation(method).title);
    figure.panels.push_back(std::move(panel));
    return {std::move(figure), {}};
}

// An interval is easier to judge on its axis than from two numbers: the estimate as a dot, the
// interval as a line between its limits.
FigureOutcome intervalFigure(const FigureInputs& inputs) {
    const LabelledQuantity* estimate = findFirstQuantity(inputs.evaluation, {"mean", "percent"});
    const LabelledQuantity* lower = findQuantity(inputs.evaluation, "lower");
    const LabelledQuantity* upper = findQuantity(inputs.evaluation, "upper");
    const LabelledQuantity* level = findQuantity(inputs.evaluation, "confidence_level");
    if (!estimate || !lower || !upper || !level)
        return noFigure("The interval cannot be drawn for these values.");
    const double low = std::min({lower->value, upper->value, estimate->value});
    const double high = std::max({lower->value, upper->value, estimate->value});
    if (!std::isfinite(high - low))
        return noFigure("The interval is too wide to draw.");
    const double margin = high > low ? (high - low) * 0.25 : std::max(1.0, std::fabs(low) * 0.1);
    Panel panel;
    panel.x = makeAxis(estimate->name == "mean" ? "Mean" : "Percent", low - margin, high + margin);
    panel.y = makeAxis("", 0.0, 1.0, 1);
    panel.y.ticks.clear();
    panel.segments.push_back({{lower->value, 0.5}, {upper->value, 0.5}, Ink::Accent});
    panel.dots.push_back({{estimate->value, 0.5}, Ink::Accent});
    panel.markers.push_back({lower->value, lower->text, Ink::Second});
    panel.markers.push_back({upper->value, upper->text, Ink::Second});
    Figure figure;
    figure.description = "The " + level->text + "% confidence interval around the " +
                         estimate->name + " " + estimate->text + ", from " + lower->text + " to " +
                         upper->text + ".";
    figure.panels.push_back(std::move(panel));
    return {std::move(figure), {}};
}

} // namespace quillon
