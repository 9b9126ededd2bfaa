// Speed of the paired data sheet calculations when typed values have more digits than a single
// holds, so that every quantity is kept in double, and of a close fit, whose residual is formed
// from the values as typed. Target: every one with 100 filled rows under 10 ms.
#include "calculations/common/data_sheet.h"
#include "calculations/correlation/correlate.h"
#include "calculations/means/matched_pairs_t.h"

#include <benchmark/benchmark.h>

#include <string>

namespace quillon {
namespace {

// Values of 9 significant digits (1000045.25), varied but reproducible.
std::string longValue(int row, int column) {
    return std::to_string(1000000 + (row * 37 + column * 11) % 53) + "." +
           std::to_string(10 + row % 90);
}

// y = x plus a tenth at most: a close fit of values typed with one decimal.
std::string closeValue(int row, int column) {
    return std::to_string(row * 10 + (column == 2 ? row % 3 : 0)) + "." + std::to_string(row % 10);
}

DataSheetInput filledRows(std::string (*value)(int, int), CorrelationMethod method) {
    DataSheetInput input;
    for (int row = 1; row <= 100; ++row)
        for (int column = 1; column <= 2; ++column)
            input.sheet.setText(row, column, value(row, column));
    input.options["method"] = correlationMethodKey(method);
    return input;
}

void run(benchmark::State& state, DataSheetCalculation calculation, DataSheetInput input) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calculation(input));
}

BENCHMARK_CAPTURE(run, pearson_100_long_rows, &correlate,
                  filledRows(longValue, CorrelationMethod::Pearson))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, spearman_100_long_rows, &correlate,
                  filledRows(longValue, CorrelationMethod::Spearman))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, regression_100_long_rows, &correlate,
                  filledRows(longValue, CorrelationMethod::Regression))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, matched_pairs_100_long_rows, &matchedPairsT,
                  filledRows(longValue, CorrelationMethod::Pearson))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, regression_100_rows_close_fit, &correlate,
                  filledRows(closeValue, CorrelationMethod::Regression))
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillon
