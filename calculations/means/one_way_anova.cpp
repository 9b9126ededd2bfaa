#include "calculations/means/one_way_anova.h"

#include "calculations/common/calculation_support.h"
#include "core/distributions.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr int kMeanColumn = 1;
constexpr int kSdColumn = 2;
constexpr int kSizeColumn = 3;
constexpr int kFirstPairRow = 11;
constexpr const char* kDashes = "------------";

using Table = std::vector<std::vector<std::string>>;

// Sets the cells of one grid row from column 0 on.
void setRow(Table& table, int row, std::vector<std::string> cells) {
    for (std::size_t column = 0; column < cells.size(); ++column)
        table[static_cast<std::size_t>(row)][column] = std::move(cells[column]);
}

} // namespace

Outcome analyseVariance(const DataSheetInput& input) {
    const DataSheet& sheet = input.sheet;

    // The groups end above the first empty Mean cell; a Mean in all 100 rows leaves none.
    int k = 0;
    CellPosition current{1, kMeanColumn};
    for (int r = 1; r <= DataSheet::kRows; ++r) {
        current = {r, kMeanColumn};
        if (isEmpty(sheet.text(r, kMeanColumn))) {
            k = r - 1;
            break;
        }
    }
    if (k < 2)
        return Refusal{kFocusGrid, {}, current};

    std::vector<float> mean(k + 1);
    std::vector<float> sd(k + 1);
    std::vector<float> n(k + 1); // N need not be whole
    for (int i = 1; i <= k; ++i) {
        for (int j = kMeanColumn; j <= kSizeColumn; ++j) {
            current = {i, j};
            const std::string& text = sheet.text(i, j);
            if (isEmpty(text))
                return Refusal{kFocusGrid, {}, current};
            const double number = readNumber(text);
            if (j == kMeanColumn) {
                mean[i] = single(number);
            } else if (j == kSdColumn) {
                if (number <= 0.0)
                    return Refusal{kFocusGrid, {}, current};
                sd[i] = single(number);
            } else {
                if (number < 2.0)
                    return Refusal{kFocusGrid, {}, current};
                n[i] = single(number);
            }
        }
    }

    float smn = 0.0f;
    float sn = 0.0f;
    for (int i = 1; i <= k; ++i) {
        smn = single(smn + static_cast<double>(mean[i]) * n[i]);
        sn = single(static_cast<double>(sn) + n[i]);
    }
    const float gm = single(divide(smn, sn));

    // Each group's sum of squared raw values.
    std::vector<float> q(k + 1);
    float sq = 0.0f;
    for (int i = 1; i <= k; ++i) {
        q[i] = single(power(sd[i], 2.0) * (n[i] - 1.0) +
                      divide(power(static_cast<double>(mean[i]) * n[i], 2.0), n[i]));
        sq = single(static_cast<double>(sq) + q[i]);
    }
    const float sst = single(sq - power(gm, 2.0) * sn);

    float smm = 0.0f;
    for (int i = 1; i <= k; ++i)
        smm = single(smm + power(mean[i], 2.0) * n[i]);
    // Both sums come from raw sums of squares: with large, nearly equal means the single-precision
    // difference can fall below 0. A spread between groups cannot be negative; within groups it
    // cannot be 0 or less when every SD is above 0, so such a loss of digits is reported.
    const float ssb = std::max(single(smm - power(gm, 2.0) * sn), 0.0f);
    const float ssw = single(static_cast<double>(sst) - ssb);
    if (ssw <= 0.0f)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);

    const float msb = single(divide(ssb, k - 1.0));
    const float msw = single(divide(ssw, static_cast<double>(sn) - k));
    const float f = single(divide(msb, msw));
    const std::int16_t df1 = toInt16(k - 1.0);
    const float df2 = single(static_cast<double>(sn) - k);
    const float p = fProb(f, df1, df2);

    const int pairs = k * (k - 1) / 2;
    Table table(static_cast<std::size_t>(13 + 2 * pairs), std::vector<std::string>(kAnovaColumns));
    setRow(table, 0, {"Source of", "", "Sum of", "Mean"});
    setRow(table, 1, {"Variation", "DF", "Squares", "Squares", "F-ratio", "Prob."});
    setRow(table, 2, {kDashes, kDashes, kDashes, kDashes, kDashes, kDashes});
    setRow(table, 3,
           {"Between", plainForm(static_cast<float>(df1)), format(ssb, "#######.0"),
            format(msb, "#######.0"), format(f, "#####.##0"), format(p, kProbabilityPattern)});
    setRow(table, 4,
           {"Within", plainForm(df2), format(ssw, "#######.0"), format(msw, "#######.0")});
    setRow(table, 5,
           {"Total", plainForm(single(df1 + static_cast<double>(df2))), format(sst, "#######.0")});
    setRow(table, 7, {" Post-hoc", "t-tests   "});
    setRow(table, 9, {"Group", "Group", "t-value", "DF", "Prob."});
    setRow(table, 10, {kDashes, kDashes, kDashes, kDashes, kDashes});

    int row = kFirstPairRow;
    for (int i = 1; i <= k; ++i) {
        for (int j = i + 1; j <= k; ++j) {
            const double se = squareRoot((1.0 / n[i] + 1.0 / n[j]) * msw);
            const float t = single(divide(static_cast<double>(mean[i]) - mean[j], se));
            const float df = single(static_cast<double>(n[i]) + n[j] - 2.0);
            const float pairP = tProb(t, df);
            setRow(table, row,
                   {plainForm(static_cast<float>(i)), plainForm(static_cast<float>(j)),
                    format(t, kGeneralPattern), plainForm(df), format(pairP, "#.###0")});
            row = row + 2;
        }
    }

    Answer result;
    result.table = std::move(table);
    result.clipboard = "F(" + trimmedPlainForm(static_cast<float>(df1)) + "," +
                       trimmedPlainForm(df2) + ")=" + trimmedPlainForm(f) +
                       ", p=" + format(p, kProbabilityPattern);
    result.currentCell = current;
    return result;
}

} // namespace quillon
