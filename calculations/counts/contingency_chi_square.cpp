#include "calculations/counts/contingency_chi_square.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/plain_quantity.h"
#include "calculations/common/refusal_text.h"
#include "core/distributions.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quillon {
namespace {

// A message in the answer area alone: no beep, the clipboard left alone.
Answer remark(std::string text) {
    return Answer{.text = std::move(text)};
}

Frequencies frequencyTable(int rows, int cols) {
    return Frequencies(static_cast<std::size_t>(rows + 1),
                       std::vector<float>(static_cast<std::size_t>(cols + 1)));
}

int rowCount(const Frequencies& table) {
    return static_cast<int>(table.size()) - 1;
}

int columnCount(const Frequencies& table) {
    return static_cast<int>(table[0].size()) - 1;
}

// The table's extent, however sparsely it is filled: the last filled row and column.
std::pair<int, int> tableExtent(const DataSheet& sheet) {
    int rows = 0;
    int cols = 0;
    for (int i = DataSheet::kRows; i >= 1; --i) {
        for (int j = DataSheet::kColumns; j >= 1; --j) {
            if (!isEmpty(sheet.text(i, j))) {
                rows = std::max(rows, i);
                cols = std::max(cols, j);
            }
        }
    }
    return {rows, cols};
}

// The observed counts with their row totals in column 0 and column totals in row 0, or what the
// window shows instead: the first empty cell refused, then the first cell that is not a number, or
// a row or column without nonzero data.
std::variant<Outcome, Frequencies> readFrequencies(const DataSheet& sheet, int rows, int cols) {
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const CellPosition cell{i, j};
            if (isEmpty(sheet.text(i, j)))
                return refuseWithMessage(kFocusGrid, cellName(cell) + " has no data.", cell);
        }
    }
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j)
            if (auto refusal = nonNumberCellRefusal({i, j}, sheet.text(i, j)))
                return *std::move(refusal);
    }
    Frequencies observed = frequencyTable(rows, cols);
    for (int i = 1; i <= rows; ++i) {
        float sum = 0.0f;
        for (int j = 1; j <= cols; ++j) {
            observed[i][j] = readSingle(sheet.text(i, j));
            sum = single(static_cast<double>(sum) + observed[i][j]);
        }
        observed[i][0] = sum;
        if (sum == 0.0f)
            return remark("Row" + plainForm(static_cast<float>(i)) + " has no nonzero data.");
    }
    for (int j = 1; j <= cols; ++j) {
        float sum = 0.0f;
        for (int i = 1; i <= rows; ++i)
            sum = single(static_cast<double>(sum) + readSingle(sheet.text(i, j)));
        observed[0][j] = sum;
        if (sum == 0.0f)
            return remark("Column" + plainForm(static_cast<float>(j)) + " has no nonzero data.");
    }
    return observed;
}

// Equal frequencies for a single row or column; otherwise row total x column total / N.
Frequencies expectedFrequencies(const Frequencies& observed, float n) {
    const int rows = rowCount(observed);
    const int cols = columnCount(observed);
    Frequencies expected = frequencyTable(rows, cols);
    const bool oneLine = rows == 1 || cols == 1;
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            expected[i][j] =
                oneLine ? single(divide(n, static_cast<double>(rows) * cols))
                        : single(divide(static_cast<double>(observed[i][0]) * observed[0][j], n));
        }
    }
    return expected;
}

// A 2 x 2 table takes Yates' correction when chosen, when an expected frequency is below 5 or
// when N is below 50; a larger table never does.
bool takesYates(const Frequencies& expected, float n, bool useYates) {
    if (rowCount(expected) != 2 || columnCount(expected) != 2)
        return false;
    bool small = n < 50.0f;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j)
            small = small || expected[i][j] < 5.0f;
    return useYates || small;
}

Answer chiSquareAnswer(const ChiSquareResult& result) {
    const char* chiLabel =
        result.corrected ? "Corrected chi-square statistic = " : "Chi-square statistic = ";
    const float df = static_cast<float>(result.degreesOfFreedom);
    const std::string chiSquareText = format(result.chiSquare, kGeneralPattern);
    const std::string probabilityText = format(result.probability, kProbabilityPattern);
    const Quantity dfShown = plainQuantity("df", df);
    const Quantity totalShown = plainQuantity("n", result.total);
    Answer shown;
    shown.text = chiLabel + chiSquareText + kBlankLine + "Degrees of freedom = " + plainForm(df) +
                 kBlankLine + "Probability of chance = " + probabilityText;
    shown.clipboard = "X\u00B2(" + dfShown.text + ",n=" + totalShown.text + ")=" + chiSquareText +
                      ", p=" + probabilityText;
    shown.quantities = {{result.corrected ? "corrected_chi_square" : "chi_square",
                         double{result.chiSquare}, chiSquareText},
                        dfShown,
                        {"p", double{result.probability}, probabilityText},
                        totalShown};
    return shown;
}

} // namespace

std::variant<Refusal, ChiSquareResult> chiSquareOfTable(const Frequencies& observed,
                                                        bool useYates) {
    const int rows = rowCount(observed);
    const int cols = columnCount(observed);
    ChiSquareResult result;
    for (int i = 1; i <= rows; ++i)
        result.total = single(static_cast<double>(result.total) + observed[i][0]);
    const float n = result.total;

    const Frequencies expected = expectedFrequencies(observed, n);
    result.degreesOfFreedom = (rows == 1 || cols == 1) ? rows * cols - 1 : (rows - 1) * (cols - 1);
    // Negative counts can leave an expected frequency without meaning for the test.
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const CellPosition cell{i, j};
            if (expected[i][j] <= 0.0f)
                return refuseWithMessage(
                    kFocusGrid, cellName(cell) + " has an expected frequency of 0 or less.", cell);
        }
    }

    result.corrected = takesYates(expected, n, useYates);
    const float yc = result.corrected ? 0.5f : 0.0f;
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const double deviation =
                std::fabs(static_cast<double>(observed[i][j]) - expected[i][j]) - yc;
            result.chiSquare =
                single(result.chiSquare + divide(power(deviation, 2.0), expected[i][j]));
        }
    }
    result.probability = chiSquareProb(result.chiSquare, result.degreesOfFreedom);
    return result;
}

const SheetOption& yatesCorrectionOption() {
    static const SheetOption option{.key = "yates",
                                    .caption = "Yate's correction:",
                                    .kind = OptionKind::CheckBox,
                                    .defaultValue = kOptionOff,
                                    .help = "Apply Yates' correction",
                                    .controlName = "UseYates",
                                    .captionName = "Yates"};
    return option;
}

Outcome contingencyChiSquare(const DataSheetInput& input) {
    const auto [rows, cols] = tableExtent(input.sheet);
    // Nothing typed, or cell A1 alone.
    if (rows + cols < 3)
        return refuse(kFocusGrid, "At least 2 counts are needed.");
    auto read = readFrequencies(input.sheet, rows, cols);
    if (auto* shown = std::get_if<Outcome>(&read))
        return std::move(*shown);
    const auto computed = chiSquareOfTable(std::get<Frequencies>(read),
                                           optionIsOn(input.options, yatesCorrectionOption()));
    if (const auto* refusal = std::get_if<Refusal>(&computed))
        return *refusal;
    const auto& result = std::get<ChiSquareResult>(computed);
    Answer shown = chiSquareAnswer(result);
    // The Yates box shows whether the correction was applied.
    shown.yatesSwitchedOn = result.corrected;
    return shown;
}

} // namespace quillon
