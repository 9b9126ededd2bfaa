// Speed of the five data sheet calculations on full grids, answer texts and table included.
// Targets: the analysis of variance of 99 groups (4,851 post-hoc pairs) well under 100 ms, in
// single and in double storage; every other window with 100 filled rows under 10 ms.
#include "calculations/common/data_sheet.h"
#include "calculations/correlation/correlate.h"
#include "calculations/counts/contingency_chi_square.h"
#include "calculations/means/describe_sample.h"
#include "calculations/means/matched_pairs_t.h"
#include "calculations/means/one_way_anova.h"

#include <benchmark/benchmark.h>

#include <string>

namespace quillon {
namespace {

// Varied but reproducible cell values, so that sorts and ranks do real work.
std::string cellValue(int row, int column) {
    return std::to_string((row * 37 + column * 11) % 53 + 1) + "." + std::to_string(row % 10);
}

DataSheetInput filledRows(int rows, int columns) {
    DataSheetInput input;
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            input.sheet.setText(row, column, cellValue(row, column));
    return input;
}

DataSheetInput anovaGroups(int groups) {
    DataSheetInput input;
    for (int row = 1; row <= groups; ++row) {
        input.sheet.setText(row, 1, std::to_string(50 + row % 17));
        input.sheet.setText(row, 2, std::to_string(3 + row % 5));
        input.sheet.setText(row, 3, std::to_string(5 + row % 40));
    }
    return input;
}

// The same groups with means typed to more digits than a single holds: the analysis in double.
DataSheetInput anovaGroupsInDouble(int groups) {
    DataSheetInput input = anovaGroups(groups);
    for (int row = 1; row <= groups; ++row)
        input.sheet.setText(
            row, 1, std::to_string(1000000 + row % 17) + ".0" + std::to_string(1000 + row % 7));
    return input;
}

void run(benchmark::State& state, DataSheetCalculation calculation, DataSheetInput input) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calculation(input));
}

DataSheetInput withMethod(DataSheetInput input, CorrelationMethod method) {
    input.options["method"] = correlationMethodKey(method);
    return input;
}

DataSheetInput withPopulation(DataSheetInput input) {
    input.options["population"] = "1000";
    return input;
}

BENCHMARK_CAPTURE(run, anova_99_groups, &oneWayAnova, anovaGroups(99))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run, anova_99_groups_in_double, &oneWayAnova, anovaGroupsInDouble(99))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(run, sample_description_100_rows, &describeSample,
                  withPopulation(filledRows(100, 1)))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, matched_pairs_100_rows, &matchedPairsT, filledRows(100, 2))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, chi_square_100_by_2, &contingencyChiSquare, filledRows(100, 2))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, chi_square_100_by_26, &contingencyChiSquare, filledRows(100, 26))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, pearson_100_rows, &correlate,
                  withMethod(filledRows(100, 2), CorrelationMethod::Pearson))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, spearman_100_rows, &correlate,
                  withMethod(filledRows(100, 2), CorrelationMethod::Spearman))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, regression_100_rows, &correlate,
                  withMethod(filledRows(100, 2), CorrelationMethod::Regression))
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillon
