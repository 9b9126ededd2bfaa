#include "calculations/counts/contingency_chi_square.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "core/distributions.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quillon {
namespace {

using Frequencies = std::vector<std::vector<float>>;

// Columns are named by letter in messages: column 1 is A.
std::string columnLetter(int column) {
    return std::string(1, static_cast<char>('A' + column - 1));
}

std::string cellName(int row, int column) {
    return "Row" + plainForm(static_cast<float>(row)) + " Column " + columnLetter(column);
}

// A message in the answer area alone: no beep, the clipboard left alone.
Answer remark(std::string text) {
    Answer result;
    result.text = std::move(text);
    return result;
}

Frequencies frequencyTable(int rows, int cols) {
    return Frequencies(static_cast<std::size_t>(rows + 1),
                       std::vector<float>(static_cast<std::size_t>(cols + 1)));
}

} // namespace

Outcome chiSquareTableTest(const DataSheetInput& input) {
    const DataSheet& sheet = input.sheet;

    // The table's extent, however sparsely it is filled.
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
    if (rows + cols < 3)
        return refuse(kFocusGrid);
    const bool twoByTwo = rows == 2 && cols == 2;
    float yc = (twoByTwo && input.useYates) ? 0.5f : 0.0f;

    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            if (isEmpty(sheet.text(i, j)))
                return Refusal{kFocusGrid, cellName(i, j) + " has no data.", {}};
        }
    }

    // Row totals in column 0, column totals in row 0.
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
    float n = 0.0f;
    for (int i = 1; i <= rows; ++i)
        n = single(static_cast<double>(n) + observed[i][0]);

    Frequencies expected = frequencyTable(rows, cols);
    int df = 0;
    if (rows == 1 || cols == 1) {
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                expected[i][j] = single(divide(n, static_cast<double>(rows) * cols));
        df = rows * cols - 1;
    } else {
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                expected[i][j] =
                    single(divide(static_cast<double>(observed[i][0]) * observed[0][j], n));
        df = (rows - 1) * (cols - 1);
    }
    // Negative counts can leave an expected frequency without meaning for the test.
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            if (expected[i][j] <= 0.0f)
                return Refusal{
                    kFocusGrid, cellName(i, j) + " has an expected frequency of 0 or less.", {}};
        }
    }

    bool yatesSwitchedOn = false;
    if (twoByTwo) {
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                if (expected[i][j] < 5.0f)
                    yc = 0.5f;
        if (n < 50.0f)
            yc = 0.5f;
        yatesSwitchedOn = yc == 0.5f;
    } else {
        yc = 0.0f;
    }

    float chi = 0.0f;
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            const double deviation =
                std::fabs(static_cast<double>(observed[i][j]) - expected[i][j]) - yc;
            chi = single(chi + divide(power(deviation, 2.0), expected[i][j]));
        }
    }
    const float p = chiSquareProb(chi, df);

    const char* chiLabel =
        yc == 0.0f ? "Chi-square statistic = " : "Corrected chi-square statistic = ";
    Answer result;
    result.text = chiLabel + format(chi, kGeneralPattern) + kBlankLine +
                  "Degrees of freedom = " + plainForm(static_cast<float>(df)) + kBlankLine +
                  "Probability of chance = " + format(p, kProbabilityPattern);
    result.clipboard = "X\u00B2(" + trimmedPlainForm(static_cast<float>(df)) +
                       ",n=" + trimmedPlainForm(n) + ")=" + format(chi, kGeneralPattern) +
                       ", p=" + format(p, kProbabilityPattern);
    result.yatesSwitchedOn = yatesSwitchedOn;
    return result;
}

} // namespace quillon
