#include "calculations/means/matched_pairs_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/paired_columns.h"
#include "calculations/common/t_test_report.h"
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

// The unbiased standard deviation from a sum of squares; a sum of 0 or below gives 0.
template <typename Real> Real unbiasedSd(double ss, float count) {
    if (ss > 0.0)
        return stored<Real>(squareRoot(divide(ss, count - 1.0)));
    return 0;
}

// The means and unbiased standard deviations of both variables and of their differences.
template <typename Real> struct PairSummary {
    Real meanX = 0;
    Real meanY = 0;
    Real meanD = 0;
    Real sdX = 0;
    Real sdY = 0;
    Real sdD = 0;
};

// A mean and a sum about the mean as the calculation keeps them.
template <typename Real> Real keptMean(std::span<const Real> values) {
    if constexpr (std::is_same_v<Real, float>)
        return storedMean(values);
    else
        return checkedDouble(divide(sumOf(values), static_cast<double>(values.size())));
}

// Means and sums of squares in double, each stored as Real where Real holds it.
template <typename Real>
PairSummary<Real> centredSummary(std::span<const Real> x, std::span<const Real> y,
                                 std::span<const Real> d) {
    const float count = static_cast<float>(x.size());
    const Real meanX = keptMean(x);
    const Real meanY = keptMean(y);
    const Real meanD = keptMean(d);
    const double ssX = keptCentredSumAs<Real>(centredProducts(x, x));
    const double ssY = keptCentredSumAs<Real>(centredProducts(y, y));
    const double ssD = keptCentredSumAs<Real>(centredProducts(d, d));
    const Real sdD = stored<Real>(squareRoot(divide(ssD, count - 1.0)));
    return {meanX, meanY, meanD, unbiasedSd<Real>(ssX, count), unbiasedSd<Real>(ssY, count), sdD};
}

// From the running sums, unless the level of a variable (x, y or their difference) is so large
// against its spread that the stored means lose the spread's digits: then every sum in double.
template <typename Real> PairSummary<Real> summarisePairs(const PairedColumns& pairs) {
    const std::vector<Real>& x = storedFirst<Real>(pairs);
    const std::vector<Real>& y = storedSecond<Real>(pairs);
    const float count = pairs.count;
    const int n = static_cast<int>(count);
    std::vector<Real> d(x.size());
    for (int i = 1; i <= n; ++i)
        d[i] = stored<Real>(static_cast<double>(x[i]) - y[i]);
    const std::span<const Real> xs = sheetValues(x, count);
    const std::span<const Real> ys = sheetValues(y, count);
    const std::span<const Real> ds = sheetValues(d, count);
    if (rawSumsCancel(xs) || rawSumsCancel(ys) || rawSumsCancel(ds))
        return centredSummary(xs, ys, ds);

    Real sumX = 0;
    Real sumY = 0;
    Real sumD = 0;
    for (int i = 1; i <= n; ++i) {
        sumX = stored<Real>(static_cast<double>(sumX) + x[i]);
        sumY = stored<Real>(static_cast<double>(sumY) + y[i]);
        sumD = stored<Real>(static_cast<double>(sumD) + d[i]);
    }
    const Real meanX = stored<Real>(divide(sumX, count));
    const Real meanY = stored<Real>(divide(sumY, count));
    const Real meanD = stored<Real>(divide(sumD, count));

    Real ssD = 0;
    Real ssX = 0;
    Real ssY = 0;
    for (int i = 1; i <= n; ++i) {
        ssD = stored<Real>(ssD + power(static_cast<double>(d[i]) - meanD, 2.0));
        ssX = stored<Real>(ssX + power(static_cast<double>(x[i]) - meanX, 2.0));
        ssY = stored<Real>(ssY + power(static_cast<double>(y[i]) - meanY, 2.0));
    }
    const Real sdD = stored<Real>(squareRoot(divide(ssD, count - 1.0)));
    return {meanX, meanY, meanD, unbiasedSd<Real>(ssX, count), unbiasedSd<Real>(ssY, count), sdD};
}

// The test and its texts, every named quantity stored as Real.
template <typename Real> Outcome pairedTest(const PairedColumns& pairs) {
    const float count = pairs.count;
    const auto [meanX, meanY, meanD, sdX, sdY, sdD] = summarisePairs<Real>(pairs);

    if (sdD == 0) {
        Answer constant;
        constant.text = "The difference between the variables is a constant and has no variance.  "
                        "A matched pairs t-test is not possible with this data";
        constant.beep = true;
        constant.currentCell = pairs.lastRead;
        return constant;
    }

    const Real se = stored<Real>(sdD / squareRoot(count));
    const Real t = stored<Real>(std::fabs(divide(meanD, se)));
    const float df = count - 1.0f;
    // The distributions take t as a single.
    const float p = tProb(single(t), df);

    Answer result;
    result.quantities = {{"mean1", meanX, format(meanX, kGeneralPattern)},
                         {"sd1", sdX, format(sdX, kGeneralPattern)},
                         {"mean2", meanY, format(meanY, kGeneralPattern)},
                         {"sd2", sdY, format(sdY, kGeneralPattern)}};
    const auto printed = [&result](std::size_t i) { return result.quantities[i].text; };
    const std::string var1 = "Var. 1:  Mean = " + printed(0);
    const std::string var2 = "Var. 2:  Mean = " + printed(2);
    result.text = var1 + "    Unbiased SD = " + printed(1) + kBlankLine + var2 +
                  "    Unbiased SD = " + printed(3) + kBlankLine +
                  tTestLines(t, static_cast<Real>(df), p);
    result.clipboard = var1 + "    SD = " + printed(1) + kBlankLine + var2 +
                       "    SD = " + printed(3) + kBlankLine +
                       tTestSummary(t, static_cast<Real>(df), p);
    for (Quantity& test : tTestQuantities(t, static_cast<Real>(df), p))
        result.quantities.push_back(std::move(test));
    result.currentCell = pairs.lastRead;
    return result;
}

} // namespace

Outcome matchedPairsT(const DataSheetInput& input) {
    const PairedColumns pairs = readPairedColumns(input.sheet);
    if (pairs.refusal)
        return *pairs.refusal;
    if (pairs.count < 2.0f)
        return refuse(kFocusGrid, "At least 2 pairs of values are needed.");
    // Values typed with more digits than a single holds keep them: the same steps in double.
    if (singlesHold(pairs))
        return pairedTest<float>(pairs);
    return pairedTest<double>(pairs);
}

} // namespace quillon
