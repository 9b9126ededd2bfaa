#include "calculations/means/describe_sample.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/refusal_text.h"
#include "core/sort_sample.h"
#include "core/storage.h"

#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace quillon {
namespace {

struct Sample {
    std::vector<double> typed = std::vector<double>(DataSheet::kRows + 1); // 1..count used
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
        // A value beyond the single range is an overflow where it is read.
        static_cast<void>(readSingle(text));
        sample.typed[static_cast<std::size_t>(sample.count)] = readNumber(text);
    }
    return sample;
}

template <typename Real> struct MeanAndSquares {
    Real mean = 0;
    Real ss = 0; // sum of squares about the mean
};

// From the running sum, unless single-precision values have a level so large against their
// spread that a single-precision mean loses the spread's digits: then in double, each result
// stored as single.
template <typename Real>
MeanAndSquares<Real> meanAndSquares(const std::vector<Real>& values, float count) {
    if constexpr (std::is_same_v<Real, float>) {
        const std::span<const float> sample = sheetValues(values, count);
        if (rawSumsCancel(sample))
            return {storedMean(sample), single(centredProducts(sample, sample))};
    }
    const int n = static_cast<int>(count);
    Real sum = 0;
    for (int i = 1; i <= n; ++i)
        sum = stored<Real>(static_cast<double>(sum) + values[i]);
    const Real mean = stored<Real>(divide(sum, count));

    Real ss = 0;
    for (int i = 1; i <= n; ++i)
        ss = stored<Real>(ss + power(static_cast<double>(values[i]) - mean, 2.0));
    return {mean, ss};
}

// The statistics and their answer, every named quantity stored as Real.
template <typename Real> Answer description(const Sample& sample, const std::string& population) {
    const float count = sample.count;
    std::vector<Real> values(sample.typed.size());
    for (int i = 1; static_cast<float>(i) <= count; ++i)
        values[i] = stored<Real>(sample.typed[i]);

    const auto [mean, ss] = meanAndSquares(values, count);
    const Real sd = stored<Real>(squareRoot(divide(ss, count - 1.0)));

    // A population size not above the number of values leaves the standard error uncorrected.
    Real corr = 1;
    if (readSingle(population) > count) {
        const double populationSize = readNumber(population);
        corr = stored<Real>(divide(populationSize - count, populationSize - 1.0));
    }
    const Real se = stored<Real>(sd / squareRoot(count) * squareRoot(corr));

    sortSample(values, count);
    const Real half = (static_cast<int>(count) % 2 == 0) ? 0.5f : 0.0f;
    const int m = static_cast<int>(wholePart(count / 2.0 + 0.5));
    const Real median =
        stored<Real>((static_cast<double>(values[m + 1]) - values[m]) * half + values[m]);

    const char* seLabel =
        corr == 1 ? "Standard error of the mean = " : "Corrected standard error of the mean = ";
    Answer result;
    // The corrected standard error is the standard error of the mean the answer gives: one name.
    result.quantities = {{"mean", mean, format(mean, kGeneralPattern)},
                         {"n", count, trimmedPlainForm(count)},
                         {"sd", sd, format(sd, kGeneralPattern)},
                         {"standard_error", se, format(se, kGeneralPattern)},
                         {"median", median, format(median, kGeneralPattern)}};
    const auto printed = [&result](std::size_t i) { return result.quantities[i].text; };
    result.text = "Mean = " + printed(0) + "     N =" + plainForm(count) + kBlankLine +
                  "Unbiased standard deviation = " + printed(2) + kBlankLine + seLabel +
                  printed(3) + kBlankLine + "Median = " + printed(4);
    result.clipboard = result.text;
    result.currentCell = sample.lastRead;
    return result;
}

// Whether every value keeps its typed digits as a single.
bool singlesHold(const Sample& sample) {
    for (int i = 1; static_cast<float>(i) <= sample.count; ++i)
        if (!fitsSingle(sample.typed[i]))
            return false;
    return true;
}

} // namespace

const SheetOption& populationSizeOption() {
    static const SheetOption option{.key = "population",
                                    .caption = "Population Size:",
                                    .kind = OptionKind::TextBox,
                                    .defaultValue = "",
                                    .help = "The population size",
                                    .valueName = "N",
                                    .controlName = "Population",
                                    .captionName = "Label4"};
    return option;
}

Outcome describeSample(const DataSheetInput& input) {
    const std::string population(optionValue(input.options, populationSizeOption()));
    const Sample sample = readSample(input.sheet);
    if (sample.refusal)
        return *sample.refusal;
    if (sample.count < 2.0f)
        return refuse(kFocusGrid, "At least 2 values are needed.");
    // The population box takes any text; an empty one means no population.
    if (!isEmpty(population) && !isWhollyNumber(population))
        return refuse(1, notANumberReason("The population size", population));
    if (singlesHold(sample))
        return description<float>(sample, population);
    return description<double>(sample, population);
}

} // namespace quillon
