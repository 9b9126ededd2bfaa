#include "calculations/correlation/correlate.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/paired_columns.h"
#include "calculations/correlation/pair_ranks.h"
#include "core/distributions.h"

#include <cmath>
#include <string>
#include <utility>

namespace quillon {
namespace {

const std::string kNoMoreStatistics = "Additional statistics cannot be calculated.";

std::string generalForm(float value) {
    return format(value, kGeneralPattern);
}

// An answer that ends the calculation early, with a beep and no clipboard text.
Answer stopWith(std::string text, CellPosition lastRead) {
    Answer result;
    result.text = std::move(text);
    result.beep = true;
    result.currentCell = lastRead;
    return result;
}

std::string modelLine(float a, float b) {
    return "Model:  y = " + generalForm(a) + " + " + generalForm(b) + " x + Error";
}

// The message of a variable whose values are all alike.
Answer noVariance(bool inFirst, CellPosition lastRead) {
    const char* variable = inFirst ? "independent variable." : "dependent variable.";
    return stopWith(std::string("There is no variance in the ") + variable + kBlankLine +
                        kNoMoreStatistics,
                    lastRead);
}

bool allAlike(const std::vector<float>& column, float n) {
    for (int i = 2; i <= n; ++i) {
        if (column[static_cast<std::size_t>(i)] != column[1])
            return false;
    }
    return true;
}

Outcome spearman(const PairedColumns& pairs) {
    const float n = pairs.count;
    // Ranks of a constant variable are all tied: the rank formula would still print a rho (0.5
    // for any other variable), which means nothing.
    if (allAlike(pairs.first, n) || allAlike(pairs.second, n))
        return noVariance(allAlike(pairs.first, n), pairs.lastRead);
    PairTable table;
    table.columns[0] = pairs.first;
    table.columns[1] = pairs.second;
    sort(0, 1, n, table);
    assignRanks(0, n, table);
    sort(1, 0, n, table);
    assignRanks(1, n, table);

    float d = 0.0f;
    for (int i = 1; i <= n; ++i)
        d = single(d + power(static_cast<double>(table.at(i, 0)) - table.at(i, 1), 2.0));
    const float rho = single(1.0 - divide(6.0 * d, power(n, 3.0) - n));
    if (std::fabs(rho) == 1.0f)
        return stopWith("The correlation coefficient is " + generalForm(rho) + kBlankLine +
                            kNoMoreStatistics,
                        pairs.lastRead);

    const float t = single(rho * squareRoot(n - 2.0) / squareRoot(1.0 - power(rho, 2.0)));
    const float df = n - 2.0f;
    const float p = tProb(t, df);

    Answer result;
    result.text = "Correlation coefficient rho = " + generalForm(rho) + kBlankLine +
                  "t-test for the significance of the coefficient = " + generalForm(t) + kBlankLine;
    // Below 25 pairs the t approximation is not trusted; the user turns to a table.
    if (n >= 25.0f)
        result.text += "Degrees of freedom = " + plainForm(df) + kBlankLine +
                       "Two-tailed probability = " + format(p, kProbabilityPattern);
    else
        result.text += "Number of data pairs =" + plainForm(n) + kBlankLine +
                       "Probability must be determined from a table because of the small "
                       "sample size.";
    result.currentCell = pairs.lastRead;
    return result;
}

// Pearson's r and the regression of y on x share their sums. Each method computes only the
// statistics it shows.
Outcome pearsonOrRegression(const PairedColumns& pairs, CorrelationMethod method) {
    const float n = pairs.count;
    float sumX = 0.0f;
    float sumY = 0.0f;
    float sumXX = 0.0f;
    float sumYY = 0.0f;
    float sumXY = 0.0f;
    for (int i = 1; i <= n; ++i) {
        const float x = pairs.first[static_cast<std::size_t>(i)];
        const float y = pairs.second[static_cast<std::size_t>(i)];
        sumX = single(static_cast<double>(sumX) + x);
        sumY = single(static_cast<double>(sumY) + y);
        sumXX = single(sumXX + power(x, 2.0));
        sumYY = single(sumYY + power(y, 2.0));
        sumXY = single(sumXY + static_cast<double>(x) * y);
    }
    const float sxy = single(sumXY - divide(static_cast<double>(sumX) * sumY, n));
    const float sxx = single(sumXX - divide(power(sumX, 2.0), n));
    const float syy = single(sumYY - divide(power(sumY, 2.0), n));
    if (sxx == 0.0f || syy == 0.0f)
        return noVariance(sxx == 0.0f, pairs.lastRead);

    const float b = single(divide(sxy, sxx));
    const float a = single(divide(sumY, n) - divide(sumX, n) * b);
    const float r = single(divide(sxy, squareRoot(static_cast<double>(sxx) * syy)));
    const float r2 = single(static_cast<double>(r) * r);
    // Rounding can put the r-squared of a perfect fit just above 1.
    if (r2 >= 1.0f) {
        const std::string fit = method == CorrelationMethod::Pearson
                                    ? "The correlation coefficient is " + generalForm(r)
                                    : modelLine(a, b);
        return stopWith(fit + kBlankLine + kNoMoreStatistics, pairs.lastRead);
    }

    const float df = n - 2.0f;
    Answer result;
    result.currentCell = pairs.lastRead;
    if (method == CorrelationMethod::Pearson) {
        const float seR = single(divide(1.0 - r2, squareRoot(n)));
        const float t = single(r * squareRoot(n - 2.0) / squareRoot(1.0 - r2));
        const float p = tProb(t, df);
        result.text = "Correlation coefficient = " + generalForm(r) + kBlankLine +
                      "Standard error of the coefficient = " + generalForm(seR) + kBlankLine +
                      "t-test for the significance of the coefficient = " + generalForm(t) +
                      kBlankLine + "Degrees of freedom = " + plainForm(df) + kBlankLine +
                      "Two-tailed probability = " + format(p, kProbabilityPattern);
        return result;
    }

    const float residual = single(syy - divide(power(sxy, 2.0), sxx));
    const float se = single(squareRoot(divide(residual, n - 2.0)));
    const float tb = single(divide(b * squareRoot(sxx), se));
    const float pb = tProb(tb, df);
    result.text = modelLine(a, b) + kBlankLine +
                  "Standard error of the estimate = " + generalForm(se) + kBlankLine +
                  "t-test for the significance of the slope = " + generalForm(tb) + kBreak +
                  "Degrees of freedom = " + plainForm(df) + kBreak +
                  "Two-tailed probability = " + format(pb, kProbabilityPattern) + kBlankLine +
                  "r-squared = " + generalForm(r2);
    result.clipboard = result.text;
    return result;
}

} // namespace

CorrelationPresentation correlationPresentation(CorrelationMethod method) {
    switch (method) {
    case CorrelationMethod::Pearson:
        return {"Pearson's product-moment correlation", "Var. 1", "Var. 2", 64};
    case CorrelationMethod::Spearman:
        return {"Spearman's rho correlation", "Var. 1", "Var. 2", 64};
    case CorrelationMethod::Regression:
        break;
    }
    return {"Linear regression", "IV", "DV", 65};
}

Outcome correlate(const DataSheetInput& input) {
    const PairedColumns pairs = readPairedColumns(input.sheet);
    if (pairs.count < 3.0f)
        return Refusal{kFocusGrid, {}, pairs.lastRead};
    if (input.correlationMethod == CorrelationMethod::Spearman)
        return spearman(pairs);
    return pearsonOrRegression(pairs, input.correlationMethod);
}

} // namespace quillon
