#include "calculations/correlation/correlate.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/paired_columns.h"
#include "calculations/correlation/pair_ranks.h"
#include "core/distributions.h"
#include "core/storage.h"

#include <cmath>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace quillon {
namespace {

const std::string kNoMoreStatistics = "Additional statistics cannot be calculated.";

template <typename Real> std::string generalForm(Real value) {
    return format(value, kGeneralPattern);
}

// The probability of a t stored as Real; the distributions take it as a single.
template <typename Real> float twoTailed(Real t, float df) {
    return tProb(single(t), df);
}

// A number the answer prints in the general pattern, as a quantity.
template <typename Real> Quantity general(std::string name, Real value) {
    return {std::move(name), value, generalForm(value)};
}

// The degrees of freedom or the number of pairs, printed in their plain form.
Quantity whole(std::string name, float value) {
    return {std::move(name), value, trimmedPlainForm(value)};
}

Quantity probability(float p) {
    return {"p", p, format(p, kProbabilityPattern)};
}

// An answer that ends the calculation early, with a beep and no clipboard text.
Answer stopWith(std::string text, CellPosition lastRead, std::vector<Quantity> quantities = {}) {
    Answer result;
    result.text = std::move(text);
    result.beep = true;
    result.currentCell = lastRead;
    result.quantities = std::move(quantities);
    return result;
}

// The fitted line's two numbers, as the model line prints them.
template <typename Real> std::vector<Quantity> lineQuantities(Real a, Real b) {
    return {general("intercept", a), general("slope", b)};
}

template <typename Real> std::string modelLine(Real a, Real b) {
    const std::vector<Quantity> line = lineQuantities(a, b);
    return "Model:  y = " + line[0].text + " + " + line[1].text + " x + Error";
}

// The message of a variable whose values are all alike.
Answer noVariance(bool inFirst, CellPosition lastRead) {
    const char* variable = inFirst ? "independent variable." : "dependent variable.";
    return stopWith(std::string("There is no variance in the ") + variable + kBlankLine +
                        kNoMoreStatistics,
                    lastRead);
}

template <typename Real> bool allAlike(const std::vector<Real>& column, float n) {
    for (int i = 2; static_cast<float>(i) <= n; ++i)
        if (column[static_cast<std::size_t>(i)] != column[1])
            return false;
    return true;
}

template <typename Real> Outcome spearman(const PairedColumns& pairs) {
    const float n = pairs.count;
    const std::vector<Real>& first = storedFirst<Real>(pairs);
    const std::vector<Real>& second = storedSecond<Real>(pairs);
    // Ranks of a constant variable are all tied: the rank formula would still print a rho (0.5
    // for any other variable), which means nothing.
    if (allAlike(first, n) || allAlike(second, n))
        return noVariance(allAlike(first, n), pairs.lastRead);
    PairTableOf<Real> table;
    table.columns[0] = first;
    table.columns[1] = second;
    sort(0, 1, n, table);
    assignRanks(0, n, table);
    sort(1, 0, n, table);
    assignRanks(1, n, table);

    Real d = 0;
    for (int i = 1; static_cast<float>(i) <= n; ++i)
        d = stored<Real>(d + power(static_cast<double>(table.at(i, 0)) - table.at(i, 1), 2.0));
    const Real rho = stored<Real>(1.0 - divide(6.0 * d, power(n, 3.0) - n));
    if (std::fabs(rho) == 1)
        return stopWith("The correlation coefficient is " + generalForm(rho) + kBlankLine +
                            kNoMoreStatistics,
                        pairs.lastRead, {general("rho", rho)});

    const Real t = stored<Real>(rho * squareRoot(n - 2.0) / squareRoot(1.0 - power(rho, 2.0)));
    const float df = n - 2.0f;
    const float p = twoTailed(t, df);

    Answer result;
    result.quantities = {general("rho", rho), general("t", t)};
    result.text = "Correlation coefficient rho = " + result.quantities[0].text + kBlankLine +
                  "t-test for the significance of the coefficient = " + result.quantities[1].text +
                  kBlankLine;
    // Below 25 pairs the t approximation is not trusted; the user turns to a table.
    if (n >= 25.0f) {
        result.quantities.push_back(whole("df", df));
        result.quantities.push_back(probability(p));
        result.text += "Degrees of freedom = " + plainForm(df) + kBlankLine +
                       "Two-tailed probability = " + result.quantities[3].text;
    } else {
        result.quantities.push_back(whole("n", n));
        result.text += "Number of data pairs =" + plainForm(n) + kBlankLine +
                       "Probability must be determined from a table because of the small "
                       "sample size.";
    }
    result.currentCell = pairs.lastRead;
    return result;
}

// The sums Pearson's r and the regression of y on x share.
template <typename Real> struct PairSums {
    float n = 0.0f;
    Real sumX = 0;
    Real sumY = 0;
    // Corrected sums of squares and products as stored: a single, or a double below the single
    // range; a double when the calculation keeps its quantities in double.
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
};

// Every sum in double about the means, each stored as Real where Real holds it.
template <typename Real>
PairSums<Real> centredPairSums(std::span<const Real> x, std::span<const Real> y) {
    PairSums<Real> sums;
    sums.n = static_cast<float>(x.size());
    sums.sumX = stored<Real>(sumOf(x));
    sums.sumY = stored<Real>(sumOf(y));
    sums.sxx = keptCentredSumAs<Real>(centredProducts(x, x));
    sums.syy = keptCentredSumAs<Real>(centredProducts(y, y));
    sums.sxy = keptCentredSumAs<Real>(centredProducts(x, y));
    return sums;
}

// The raw sums, unless they cancel for either variable.
template <typename Real> PairSums<Real> pairSums(const PairedColumns& pairs) {
    const std::vector<Real>& first = storedFirst<Real>(pairs);
    const std::vector<Real>& second = storedSecond<Real>(pairs);
    const std::span<const Real> x = sheetValues(first, pairs.count);
    const std::span<const Real> y = sheetValues(second, pairs.count);
    if (rawSumsCancel(x) || rawSumsCancel(y))
        return centredPairSums(x, y);
    PairSums<Real> sums;
    sums.n = pairs.count;
    Real sumXX = 0;
    Real sumYY = 0;
    Real sumXY = 0;
    for (int i = 1; static_cast<float>(i) <= sums.n; ++i) {
        const Real xi = first[static_cast<std::size_t>(i)];
        const Real yi = second[static_cast<std::size_t>(i)];
        sums.sumX = stored<Real>(static_cast<double>(sums.sumX) + xi);
        sums.sumY = stored<Real>(static_cast<double>(sums.sumY) + yi);
        sumXX = stored<Real>(sumXX + power(xi, 2.0));
        sumYY = stored<Real>(sumYY + power(yi, 2.0));
        sumXY = stored<Real>(sumXY + static_cast<double>(xi) * yi);
    }
    const float n = sums.n;
    sums.sxy = stored<Real>(sumXY - divide(static_cast<double>(sums.sumX) * sums.sumY, n));
    sums.sxx = stored<Real>(sumXX - divide(power(sums.sumX, 2.0), n));
    sums.syy = stored<Real>(sumYY - divide(power(sums.sumY, 2.0), n));
    return sums;
}

// The fitted line y = a + b x and the correlation r of x and y.
template <typename Real> struct LineFit {
    Real a = 0;
    Real b = 0;
    Real r = 0;
    Real r2 = 0;
};

template <typename Real> LineFit<Real> lineFit(const PairSums<Real>& s) {
    LineFit<Real> fit;
    fit.b = stored<Real>(divide(s.sxy, s.sxx));
    fit.a = stored<Real>(divide(s.sumY, s.n) - divide(s.sumX, s.n) * fit.b);
    fit.r = stored<Real>(divide(s.sxy, squareRoot(s.sxx * s.syy)));
    fit.r2 = stored<Real>(static_cast<double>(fit.r) * fit.r);
    return fit;
}

// What the line leaves unexplained: the residual sum of squares Syy - Sxy²/Sxx and 1 - r².
template <typename Real> struct Unexplained {
    Real residual = 0;
    double oneMinusR2 = 0.0;
};

// From the stored sums, unless their difference cancels: when Syy exceeds the residual by more
// than kMaxSumOfSquaresCondition (a close fit), both come from the sums about the means in double,
// the residual stored as Real. Those sums are formed from the values as typed: a close fit
// magnifies the rounding of a typed 337.4 to a single (Norris's data: slope t 2331.614 for
// 2331.606).
template <typename Real>
Unexplained<Real> unexplained(const PairedColumns& pairs, const PairSums<Real>& s,
                              const LineFit<Real>& fit) {
    const std::span<const Real> x = sheetValues(storedFirst<Real>(pairs), pairs.count);
    const std::span<const Real> y = sheetValues(storedSecond<Real>(pairs), pairs.count);
    const double sxx = centredProducts(x, x);
    const double syy = centredProducts(y, y);
    const double sxy = centredProducts(x, y);
    if (syy > kMaxSumOfSquaresCondition * (syy - sxy * sxy / sxx)) {
        const std::span<const double> typedX = sheetValues(pairs.firstTyped, pairs.count);
        const std::span<const double> typedY = sheetValues(pairs.secondTyped, pairs.count);
        const double typedSxy = centredProducts(typedX, typedY);
        const double typedSyy = centredProducts(typedY, typedY);
        const double residual = typedSyy - typedSxy * typedSxy / centredProducts(typedX, typedX);
        return {stored<Real>(residual), residual / typedSyy};
    }
    return {stored<Real>(s.syy - divide(power(s.sxy, 2.0), s.sxx)), 1.0 - fit.r2};
}

// Pearson's answer: its text and its quantities.
template <typename Real>
Answer pearsonAnswer(const PairSums<Real>& s, const LineFit<Real>& fit,
                     const Unexplained<Real>& u) {
    const float n = s.n;
    const float df = n - 2.0f;
    const Real seR = stored<Real>(divide(u.oneMinusR2, squareRoot(n)));
    const Real t = stored<Real>(fit.r * squareRoot(n - 2.0) / squareRoot(u.oneMinusR2));
    const float p = twoTailed(t, df);
    Answer result;
    result.quantities = {general("r", fit.r), general("standard_error_r", seR), general("t", t),
                         whole("df", df), probability(p)};
    const auto printed = [&result](std::size_t i) { return result.quantities[i].text; };
    result.text = "Correlation coefficient = " + printed(0) + kBlankLine +
                  "Standard error of the coefficient = " + printed(1) + kBlankLine +
                  "t-test for the significance of the coefficient = " + printed(2) + kBlankLine +
                  "Degrees of freedom = " + plainForm(df) + kBlankLine +
                  "Two-tailed probability = " + printed(4);
    return result;
}

// The regression's answer: its text, copied to the clipboard, and its quantities.
template <typename Real>
Answer regressionAnswer(const PairSums<Real>& s, const LineFit<Real>& fit,
                        const Unexplained<Real>& u) {
    const float n = s.n;
    const float df = n - 2.0f;
    const Real se = stored<Real>(squareRoot(divide(u.residual, n - 2.0)));
    const Real tb = stored<Real>(divide(fit.b * squareRoot(s.sxx), se));
    const float pb = twoTailed(tb, df);
    Answer result;
    result.quantities = lineQuantities(fit.a, fit.b);
    result.quantities.insert(result.quantities.end(),
                             {general("standard_error_estimate", se), general("t_slope", tb),
                              whole("df", df), probability(pb), general("r_squared", fit.r2)});
    const auto printed = [&result](std::size_t i) { return result.quantities[i].text; };
    result.text =
        modelLine(fit.a, fit.b) + kBlankLine + "Standard error of the estimate = " + printed(2) +
        kBlankLine + "t-test for the significance of the slope = " + printed(3) + kBreak +
        "Degrees of freedom = " + plainForm(df) + kBreak +
        "Two-tailed probability = " + printed(5) + kBlankLine + "r-squared = " + printed(6);
    result.clipboard = result.text;
    return result;
}

// Pearson's r and the regression of y on x share their sums. Each method computes only the
// statistics it shows.
template <typename Real>
Outcome pearsonOrRegression(const PairedColumns& pairs, CorrelationMethod method) {
    const PairSums<Real> sums = pairSums<Real>(pairs);
    if (sums.sxx == 0.0 || sums.syy == 0.0)
        return noVariance(sums.sxx == 0.0, pairs.lastRead);

    const LineFit<Real> fit = lineFit(sums);
    const bool pearson = method == CorrelationMethod::Pearson;
    // Rounding can put the r-squared of a perfect fit just above 1.
    if (fit.r2 >= 1) {
        if (pearson)
            return stopWith("The correlation coefficient is " + generalForm(fit.r) + kBlankLine +
                                kNoMoreStatistics,
                            pairs.lastRead, {general("r", fit.r)});
        return stopWith(modelLine(fit.a, fit.b) + kBlankLine + kNoMoreStatistics, pairs.lastRead,
                        lineQuantities(fit.a, fit.b));
    }
    const Unexplained<Real> u = unexplained(pairs, sums, fit);
    Answer result = pearson ? pearsonAnswer(sums, fit, u) : regressionAnswer(sums, fit, u);
    result.currentCell = pairs.lastRead;
    return result;
}

// Every quantity stored as Real.
template <typename Real> Outcome correlateAs(const PairedColumns& pairs, CorrelationMethod method) {
    if (method == CorrelationMethod::Spearman)
        return spearman<Real>(pairs);
    return pearsonOrRegression<Real>(pairs, method);
}

} // namespace

CorrelationPresentation correlationPresentation(CorrelationMethod method) {
    switch (method) {
    case CorrelationMethod::Pearson:
        return {"Pearson's product-moment correlation", "Var. 1", "Var. 2", kCorrelationHelp};
    case CorrelationMethod::Spearman:
        return {"Spearman's rho correlation", "Var. 1", "Var. 2", kCorrelationHelp};
    case CorrelationMethod::Regression:
        break;
    }
    return {"Linear regression", "IV", "DV", kRegressionHelp};
}

const SheetOption& correlationMethodOption() {
    static const SheetOption option{.key = "method",
                                    .caption = "",
                                    .kind = OptionKind::Choice,
                                    .choices = {{"pearson", "Pearson's"},
                                                {"spearman", "Spearman's"},
                                                {"regression", "Regression"}},
                                    .defaultValue = "regression",
                                    .help = "pearson, spearman or regression (the default)",
                                    .valueName = "METHOD",
                                    .controlName = "CorrelType"};
    return option;
}

CorrelationMethod chosenCorrelationMethod(const OptionValues& values) {
    return static_cast<CorrelationMethod>(choiceIndex(values, correlationMethodOption()));
}

std::string correlationMethodKey(CorrelationMethod method) {
    return std::string(correlationMethodOption().choices.at(static_cast<std::size_t>(method)).key);
}

SheetPresentation correlationSheetPresentation(const OptionValues& values) {
    const CorrelationPresentation shown = correlationPresentation(chosenCorrelationMethod(values));
    return {shown.title,
            {std::string(shown.firstHeading), std::string(shown.secondHeading)},
            shown.helpPage};
}

Outcome correlate(const DataSheetInput& input) {
    const CorrelationMethod method = chosenCorrelationMethod(input.options);
    const PairedColumns pairs = readPairedColumns(input.sheet);
    if (pairs.refusal)
        return *pairs.refusal;
    if (pairs.count < 3.0f)
        return refuse(kFocusGrid, "At least 3 pairs of values are needed.");
    // Values typed with more digits than a single holds keep them: the same steps in double.
    if (singlesHold(pairs))
        return correlateAs<float>(pairs, method);
    return correlateAs<double>(pairs, method);
}

} // namespace quillon
