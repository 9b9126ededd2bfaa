#include "calculations/correlation/correlate.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/paired_columns.h"
#include "calculations/correlation/pair_ranks.h"
#include "core/distributions.h"

#include <cmath>
#include <span>
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
    for (int i = 2; static_cast<float>(i) <= n; ++i) {
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
    for (int i = 1; static_cast<float>(i) <= n; ++i)
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

// The sums Pearson's r and the regression of y on x share.
struct PairSums {
    float n = 0.0f;
    float sumX = 0.0f;
    float sumY = 0.0f;
    // Corrected sums of squares and products, each a single, or a double below the single range.
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
};

// Every sum in double about the means, each stored as single where a single holds it.
PairSums centredPairSums(std::span<const float> x, std::span<const float> y) {
    PairSums sums;
    sums.n = static_cast<float>(x.size());
    sums.sumX = single(sumOf(x));
    sums.sumY = single(sumOf(y));
    sums.sxx = keptCentredSum(centredProducts(x, x));
    sums.syy = keptCentredSum(centredProducts(y, y));
    sums.sxy = keptCentredSum(centredProducts(x, y));
    return sums;
}

// The raw single-precision sums, unless they cancel for either variable.
PairSums pairSums(const PairedColumns& pairs) {
    const std::span<const float> x = sheetValues(pairs.first, pairs.count);
    const std::span<const float> y = sheetValues(pairs.second, pairs.count);
    if (rawSumsCancel(x) || rawSumsCancel(y))
        return centredPairSums(x, y);
    PairSums sums;
    sums.n = pairs.count;
    float sumXX = 0.0f;
    float sumYY = 0.0f;
    float sumXY = 0.0f;
    for (int i = 1; static_cast<float>(i) <= sums.n; ++i) {
        const float xi = pairs.first[static_cast<std::size_t>(i)];
        const float yi = pairs.second[static_cast<std::size_t>(i)];
        sums.sumX = single(static_cast<double>(sums.sumX) + xi);
        sums.sumY = single(static_cast<double>(sums.sumY) + yi);
        sumXX = single(sumXX + power(xi, 2.0));
        sumYY = single(sumYY + power(yi, 2.0));
        sumXY = single(sumXY + static_cast<double>(xi) * yi);
    }
    const float n = sums.n;
    sums.sxy = single(sumXY - divide(static_cast<double>(sums.sumX) * sums.sumY, n));
    sums.sxx = single(sumXX - divide(power(sums.sumX, 2.0), n));
    sums.syy = single(sumYY - divide(power(sums.sumY, 2.0), n));
    return sums;
}

// The fitted line y = a + b x and the correlation r of x and y.
struct LineFit {
    float a = 0.0f;
    float b = 0.0f;
    float r = 0.0f;
    float r2 = 0.0f;
};

LineFit lineFit(const PairSums& s) {
    LineFit fit;
    fit.b = single(divide(s.sxy, s.sxx));
    fit.a = single(divide(s.sumY, s.n) - divide(s.sumX, s.n) * fit.b);
    fit.r = single(divide(s.sxy, squareRoot(static_cast<double>(s.sxx) * s.syy)));
    fit.r2 = single(static_cast<double>(fit.r) * fit.r);
    return fit;
}

// What the line leaves unexplained: the residual sum of squares Syy - Sxy²/Sxx and 1 - r².
struct Unexplained {
    float residual = 0.0f;
    double oneMinusR2 = 0.0;
};

// From the single-precision sums, unless their difference cancels: when Syy exceeds the residual
// by more than kMaxSumOfSquaresCondition (a close fit), both come from the sums about the means in
// double, the residual stored as single.
Unexplained unexplained(const PairedColumns& pairs, const PairSums& s, const LineFit& fit) {
    const std::span<const float> x = sheetValues(pairs.first, pairs.count);
    const std::span<const float> y = sheetValues(pairs.second, pairs.count);
    const double sxx = centredProducts(x, x);
    const double syy = centredProducts(y, y);
    const double sxy = centredProducts(x, y);
    const double residual = syy - sxy * sxy / sxx;
    if (syy > kMaxSumOfSquaresCondition * residual)
        return {single(residual), residual / syy};
    return {single(s.syy - divide(power(s.sxy, 2.0), s.sxx)), 1.0 - fit.r2};
}

std::string pearsonText(const PairSums& s, const LineFit& fit, const Unexplained& u) {
    const float n = s.n;
    const float df = n - 2.0f;
    const float seR = single(divide(u.oneMinusR2, squareRoot(n)));
    const float t = single(fit.r * squareRoot(n - 2.0) / squareRoot(u.oneMinusR2));
    const float p = tProb(t, df);
    return "Correlation coefficient = " + generalForm(fit.r) + kBlankLine +
           "Standard error of the coefficient = " + generalForm(seR) + kBlankLine +
           "t-test for the significance of the coefficient = " + generalForm(t) + kBlankLine +
           "Degrees of freedom = " + plainForm(df) + kBlankLine +
           "Two-tailed probability = " + format(p, kProbabilityPattern);
}

std::string regressionText(const PairSums& s, const LineFit& fit, const Unexplained& u) {
    const float n = s.n;
    const float df = n - 2.0f;
    const float se = single(squareRoot(divide(u.residual, n - 2.0)));
    const float tb = single(divide(fit.b * squareRoot(s.sxx), se));
    const float pb = tProb(tb, df);
    return modelLine(fit.a, fit.b) + kBlankLine +
           "Standard error of the estimate = " + generalForm(se) + kBlankLine +
           "t-test for the significance of the slope = " + generalForm(tb) + kBreak +
           "Degrees of freedom = " + plainForm(df) + kBreak +
           "Two-tailed probability = " + format(pb, kProbabilityPattern) + kBlankLine +
           "r-squared = " + generalForm(fit.r2);
}

// Pearson's r and the regression of y on x share their sums. Each method computes only the
// statistics it shows.
Outcome pearsonOrRegression(const PairedColumns& pairs, CorrelationMethod method) {
    const PairSums sums = pairSums(pairs);
    if (sums.sxx == 0.0 || sums.syy == 0.0)
        return noVariance(sums.sxx == 0.0, pairs.lastRead);

    const LineFit fit = lineFit(sums);
    const bool pearson = method == CorrelationMethod::Pearson;
    // Rounding can put the r-squared of a perfect fit just above 1.
    if (fit.r2 >= 1.0f) {
        const std::string perfect = pearson ? "The correlation coefficient is " + generalForm(fit.r)
                                            : modelLine(fit.a, fit.b);
        return stopWith(perfect + kBlankLine + kNoMoreStatistics, pairs.lastRead);
    }
    const Unexplained u = unexplained(pairs, sums, fit);
    if (pearson)
        return Answer{.text = pearsonText(sums, fit, u), .currentCell = pairs.lastRead};
    const std::string text = regressionText(sums, fit, u);
    return Answer{.text = text, .clipboard = text, .currentCell = pairs.lastRead};
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
    if (pairs.refusal)
        return *pairs.refusal;
    if (pairs.count < 3.0f)
        return refuse(kFocusGrid, "At least 3 pairs of values are needed.");
    if (input.correlationMethod == CorrelationMethod::Spearman)
        return spearman(pairs);
    return pearsonOrRegression(pairs, input.correlationMethod);
}

} // namespace quillon
