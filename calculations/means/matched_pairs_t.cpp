#include "calculations/means/matched_pairs_t.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/paired_columns.h"
#include "calculations/common/t_test_report.h"
#include "core/distributions.h"

#include <cmath>
#include <span>
#include <string>
#include <vector>

namespace quillon {
namespace {

// The unbiased standard deviation from a sum of squares; a sum of 0 or below gives 0.
float unbiasedSd(double ss, float count) {
    if (ss > 0.0)
        return single(squareRoot(divide(ss, count - 1.0)));
    return 0.0f;
}

// The means and unbiased standard deviations of both variables and of their differences.
struct PairSummary {
    float meanX = 0.0f;
    float meanY = 0.0f;
    float meanD = 0.0f;
    float sdX = 0.0f;
    float sdY = 0.0f;
    float sdD = 0.0f;
};

// Means and sums of squares in double, each stored as single where a single holds it.
PairSummary centredSummary(std::span<const float> x, std::span<const float> y,
                           std::span<const float> d) {
    const float count = static_cast<float>(x.size());
    const float meanX = storedMean(x);
    const float meanY = storedMean(y);
    const float meanD = storedMean(d);
    const double ssX = keptCentredSum(centredProducts(x, x));
    const double ssY = keptCentredSum(centredProducts(y, y));
    const double ssD = keptCentredSum(centredProducts(d, d));
    const float sdD = single(squareRoot(divide(ssD, count - 1.0)));
    return {meanX, meanY, meanD, unbiasedSd(ssX, count), unbiasedSd(ssY, count), sdD};
}

// In single precision from the running sums, unless the level of a variable (x, y or their
// difference) is so large against its spread that single-precision means lose the spread's
// digits: then every sum in double.
PairSummary summarisePairs(const PairedColumns& pairs) {
    const std::vector<float>& x = pairs.first;
    const std::vector<float>& y = pairs.second;
    const float count = pairs.count;
    const int n = static_cast<int>(count);
    std::vector<float> d(x.size());
    for (int i = 1; i <= n; ++i)
        d[i] = single(static_cast<double>(x[i]) - y[i]);
    const std::span<const float> xs = sheetValues(x, count);
    const std::span<const float> ys = sheetValues(y, count);
    const std::span<const float> ds = sheetValues(d, count);
    if (rawSumsCancel(xs) || rawSumsCancel(ys) || rawSumsCancel(ds))
        return centredSummary(xs, ys, ds);

    float sumX = 0.0f;
    float sumY = 0.0f;
    float sumD = 0.0f;
    for (int i = 1; i <= n; ++i) {
        sumX = single(static_cast<double>(sumX) + x[i]);
        sumY = single(static_cast<double>(sumY) + y[i]);
        sumD = single(static_cast<double>(sumD) + d[i]);
    }
    const float meanX = single(divide(sumX, count));
    const float meanY = single(divide(sumY, count));
    const float meanD = single(divide(sumD, count));

    float ssD = 0.0f;
    float ssX = 0.0f;
    float ssY = 0.0f;
    for (int i = 1; i <= n; ++i) {
        ssD = single(ssD + power(static_cast<double>(d[i]) - meanD, 2.0));
        ssX = single(ssX + power(static_cast<double>(x[i]) - meanX, 2.0));
        ssY = single(ssY + power(static_cast<double>(y[i]) - meanY, 2.0));
    }
    const float sdD = single(squareRoot(divide(ssD, count - 1.0)));
    const float sdX = unbiasedSd(ssX, count);
    const float sdY = unbiasedSd(ssY, count);
    return {meanX, meanY, meanD, sdX, sdY, sdD};
}

} // namespace

Outcome matchedPairsT(const DataSheetInput& input) {
    const PairedColumns pairs = readPairedColumns(input.sheet);
    if (pairs.refusal)
        return *pairs.refusal;
    const float count = pairs.count;
    if (count < 2.0f)
        return refuse(kFocusGrid, "At least 2 pairs of values are needed.");

    const auto [meanX, meanY, meanD, sdX, sdY, sdD] = summarisePairs(pairs);

    if (sdD == 0.0f) {
        Answer constant;
        constant.text = "The difference between the variables is a constant and has no variance.  "
                        "A matched pairs t-test is not possible with this data";
        constant.beep = true;
        constant.currentCell = pairs.lastRead;
        return constant;
    }

    const float se = single(sdD / squareRoot(count));
    const float t = single(std::fabs(divide(meanD, se)));
    const float df = count - 1.0f;
    const float p = tProb(t, df);

    const std::string var1 = "Var. 1:  Mean = " + format(meanX, kGeneralPattern);
    const std::string var2 = "Var. 2:  Mean = " + format(meanY, kGeneralPattern);
    Answer result;
    result.text = var1 + "    Unbiased SD = " + format(sdX, kGeneralPattern) + kBlankLine + var2 +
                  "    Unbiased SD = " + format(sdY, kGeneralPattern) + kBlankLine +
                  tTestLines(t, df, p);
    result.clipboard = var1 + "    SD = " + format(sdX, kGeneralPattern) + kBlankLine + var2 +
                       "    SD = " + format(sdY, kGeneralPattern) + kBlankLine +
                       tTestSummary(t, df, p);
    result.currentCell = pairs.lastRead;
    return result;
}

} // namespace quillon
