#include "calculations/report/contingency_effects.h"

#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace quillon::report {
namespace {

// The two ends exp(centre -+ z se), each checked for range on its own.
ConfidenceInterval logInterval(double centre, double se, double z) {
    return {finiteOrNot(std::exp(centre - z * se)), finiteOrNot(std::exp(centre + z * se))};
}

ConfidenceInterval notDefinedInterval(const std::string& reason) {
    return {DefinedNumber::notDefined(reason), DefinedNumber::notDefined(reason)};
}

void setTwoByTwo(ContingencyEffects& effects, double a, double b, double c, double d,
                 double level) {
    const std::string zeroCell = "not defined: a cell is 0";
    if (!isConfidenceLevel(level)) {
        effects.oddsRatioInterval = notDefinedInterval(badLevelReason);
        effects.relativeRiskInterval = notDefinedInterval(badLevelReason);
    }
    const double z = isConfidenceLevel(level)
                         ? boost::math::quantile(boost::math::normal(), 0.5 + level / 2.0)
                         : 0.0;
    if (a == 0.0 || b == 0.0 || c == 0.0 || d == 0.0) {
        effects.oddsRatio = DefinedNumber::notDefined(zeroCell);
        effects.oddsRatioInterval = notDefinedInterval(zeroCell);
    } else {
        // In logarithms, so that cells near the top of the double range do not overflow.
        const double logOdds = std::log(a) + std::log(d) - std::log(b) - std::log(c);
        effects.oddsRatio = finiteOrNot(std::exp(logOdds));
        if (isConfidenceLevel(level))
            effects.oddsRatioInterval =
                logInterval(logOdds, std::sqrt(1.0 / a + 1.0 / b + 1.0 / c + 1.0 / d), z);
    }
    // The risks need only the event cells: a row with no non-events still has a risk of 1.
    if (a == 0.0 || c == 0.0) {
        effects.relativeRisk = DefinedNumber::notDefined(zeroCell);
        effects.relativeRiskInterval = notDefinedInterval(zeroCell);
    } else {
        const double logRisk = std::log(a) - std::log(a + b) - std::log(c) + std::log(c + d);
        effects.relativeRisk = finiteOrNot(std::exp(logRisk));
        // 1/a - 1/(a + b) written as b / (a (a + b)) so that it never falls below 0 by rounding.
        const double variance = b / a / (a + b) + d / c / (c + d);
        if (isConfidenceLevel(level))
            effects.relativeRiskInterval = logInterval(logRisk, std::sqrt(variance), z);
    }
}

} // namespace

ContingencyEffects contingencyEffects(const std::vector<std::vector<double>>& counts,
                                      double level) {
    ContingencyEffects effects;
    const std::size_t rows = counts.size();
    const std::size_t cols = rows == 0 ? 0 : counts.front().size();
    const std::string notTwoByTwo = "not defined: the table is not 2 x 2";
    effects.oddsRatio = DefinedNumber::notDefined(notTwoByTwo);
    effects.oddsRatioInterval = notDefinedInterval(notTwoByTwo);
    effects.relativeRisk = DefinedNumber::notDefined(notTwoByTwo);
    effects.relativeRiskInterval = notDefinedInterval(notTwoByTwo);

    auto refuseAll = [&](const std::string& reason) {
        effects.chiSquare = DefinedNumber::notDefined(reason);
        effects.cramersV = DefinedNumber::notDefined(reason);
        if (rows == 2 && cols == 2) {
            effects.oddsRatio = DefinedNumber::notDefined(reason);
            effects.oddsRatioInterval = notDefinedInterval(reason);
            effects.relativeRisk = DefinedNumber::notDefined(reason);
            effects.relativeRiskInterval = notDefinedInterval(reason);
        }
        return effects;
    };
    if (rows < 2 || cols < 2)
        return refuseAll("not defined: the table needs at least two rows and two columns");
    for (const auto& row : counts) {
        if (row.size() != cols)
            return refuseAll("not defined: the rows are not of one length");
        for (const double cell : row) {
            if (!std::isfinite(cell))
                return refuseAll("not defined: a count is not a number");
            if (cell < 0.0)
                return refuseAll("not defined: a count is negative");
        }
    }

    std::vector<double> rowTotals(rows, 0.0);
    std::vector<double> colTotals(cols, 0.0);
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < cols; ++j) {
            rowTotals[i] += counts[i][j];
            colTotals[j] += counts[i][j];
        }
    double total = 0.0;
    for (const double rowTotal : rowTotals)
        total += rowTotal;
    if (std::find(rowTotals.begin(), rowTotals.end(), 0.0) != rowTotals.end() ||
        std::find(colTotals.begin(), colTotals.end(), 0.0) != colTotals.end())
        return refuseAll("not defined: a row or column total is 0");

    // Each term is (O - E)^2 / E with E = R C / N formed as (R / N) C, so that no product of
    // totals leaves the double range.
    double chiSquare = 0.0;
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < cols; ++j) {
            const double expected = rowTotals[i] / total * colTotals[j];
            const double deviation = counts[i][j] - expected;
            chiSquare += deviation / expected * deviation;
        }
    effects.chiSquare = finiteOrNot(chiSquare);
    const double smaller = static_cast<double>(std::min(rows, cols)) - 1.0;
    // chi-square / N is at most min(rows, cols) - 1; rounding may pass it by an ulp.
    effects.cramersV = finiteOrNot(std::min(1.0, std::sqrt(chiSquare / total / smaller)));
    if (!effects.chiSquare.isDefined())
        effects.cramersV = effects.chiSquare;

    if (rows == 2 && cols == 2)
        setTwoByTwo(effects, counts[0][0], counts[0][1], counts[1][0], counts[1][1], level);
    return effects;
}

} // namespace quillon::report
