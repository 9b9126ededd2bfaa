#include "calculations/means/describe_sample.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/refusal_text.h"
#include "core/sort_sample.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct Sample {
    std::vector<float> values = std::vector<float>(DataSheet::kRows + 1); // 1..count used
    float count = 0.0f;
    CellPosition lastRead;
    std::optional<Refusal> refusal; // the first value that is not a number
};

// Column 1 from row 1 down to the first empty cell; the cells below it are ignored. Reading stops
// at a text that is not a number.
Sample readSample(const DataSheet& sheet) {
    Sample sample;
    for (int row = 1; row <= DataSheet::kRows; ++row) {
        sample.lastRead = {row, 1};
        const std::string& text = sheet.text(row, 1);
        if (isEmpty(text))
            break;
        sample.refusal = nonNumberCellRefusal(sample.lastRead, text);
        if (sample.refusal)
            break;
        sample.count = sample.count + 1.0f;
        sample.values[static_cast<std::size_t>(sample.count)] = readSingle(text);
    }
    return sample;
}

struct MeanAndSquares {
    float mean = 0.0f;
    float ss = 0.0f; // sum of squares about the mean
};

// In single precision from the running sum, unless the level of the values is so large against
// their spread that a single-precision mean loses the spread's digits: then in double, each result
// stored as single.
MeanAndSquares meanAndSquares(const std::vector<float>& values, float count) {
    const std::span<const float> sample = sheetValues(values, count);
    if (rawSumsCancel(sample))
        return {storedMean(sample), single(centredProducts(sample, sample))};

    const int n = static_cast<int>(count);
    float sum = 0.0f;
    for (int i = 1; i <= n; ++i)
        sum = single(static_cast<double>(sum) + values[i]);
    const float mean = single(divide(sum, count));

    float ss = 0.0f;
    for (int i = 1; i <= n; ++i)
        ss = single(ss + power(static_cast<double>(values[i]) - mean, 2.0));
    return {mean, ss};
}

} // namespace

Outcome describeSample(const DataSheetInput& input) {
    Sample sample = readSample(input.sheet);
    if (sample.refusal)
        return *sample.refusal;
    std::vector<float>& values = sample.values;
    const float count = sample.count;
    if (count < 2.0f)
        return refuse(kFocusGrid, "At least 2 values are needed.");
    // The population box takes any text; an empty one means no population.
    if (!isEmpty(input.population) && !isWhollyNumber(input.population))
        return refuse(1, notANumberReason("The population size", input.population));

    const auto [mean, ss] = meanAndSquares(values, count);
    const float sd = single(squareRoot(divide(ss, count - 1.0)));

    // A population size not above the number of values leaves the standard error uncorrected.
    float corr = 1.0f;
    if (readSingle(input.population) > count) {
        const double populationSize = readNumber(input.population);
        corr = single(divide(populationSize - count, populationSize - 1.0));
    }
    const float se = single(sd / squareRoot(count) * squareRoot(corr));

    sortSample(values, count);
    const float half = (static_cast<int>(count) % 2 == 0) ? 0.5f : 0.0f;
    const int m = static_cast<int>(wholePart(count / 2.0 + 0.5));
    const float median =
        single((static_cast<double>(values[m + 1]) - values[m]) * half + values[m]);

    const char* seLabel =
        corr == 1.0f ? "Standard error of the mean = " : "Corrected standard error of the mean = ";
    Answer result;
    result.text = "Mean = " + format(mean, kGeneralPattern) + "     N =" + plainForm(count) +
                  kBlankLine + "Unbiased standard deviation = " + format(sd, kGeneralPattern) +
                  kBlankLine + seLabel + format(se, kGeneralPattern) + kBlankLine +
                  "Median = " + format(median, kGeneralPattern);
    result.clipboard = result.text;
    result.currentCell = sample.lastRead;
    return result;
}

} // namespace quillon
