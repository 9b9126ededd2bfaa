// Every report at the inputs that cost it most: the largest tables, counts and groups the windows
// take, and statistics far in the tails. The calculation answers once; the report is timed alone.
#include "calculations/catalogue.h"
#include "calculations/evaluation.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using quillon::DataSheetInput;
using quillon::ReportOptions;

constexpr ReportOptions kWidest{.level = 0.9999};

void boxes(benchmark::State& state, const char* window, std::vector<std::string> texts) {
    const quillon::CatalogueEntry& row = *quillon::findByWindow(window);
    const quillon::Evaluation answered = quillon::evaluate(row, texts);
    if (answered.kind != quillon::Evaluation::Kind::Answered) {
        state.SkipWithError("not answered");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            row.report({.texts = texts, .answer = answered.answer, .options = kWidest}));
}

void sheet(benchmark::State& state, const char* window, const DataSheetInput& input) {
    const quillon::CatalogueEntry& row = *quillon::findByWindow(window);
    const quillon::Evaluation answered = quillon::evaluate(row, input);
    if (answered.kind != quillon::Evaluation::Kind::Answered) {
        state.SkipWithError("not answered");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            row.report({.sheet = &input, .answer = answered.answer, .options = kWidest}));
}

DataSheetInput filled(int rows, int columns, auto cell) {
    DataSheetInput input;
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            input.sheet.setText(row, column, cell(row, column));
    return input;
}

DataSheetInput pairs() {
    return filled(
        quillon::DataSheet::kRows, 2,
        [](int row, int column) { return std::to_string(row * column + (row * 7919) % 13); });
}

DataSheetInput groups() {
    // 99 groups, the most the analysis takes, with large samples: a wide noncentral F.
    return filled(99, 3, [](int row, int column) {
        return column == 1 ? std::to_string(10 + row) : column == 2 ? "2" : "100000";
    });
}

DataSheetInput table() {
    DataSheetInput input = filled(quillon::DataSheet::kRows, quillon::DataSheet::kColumns,
                                  [](int row, int column) { return std::to_string(row + column); });
    return input;
}

DataSheetInput withOption(DataSheetInput input, std::string key, std::string value) {
    input.options[std::move(key)] = std::move(value);
    return input;
}

} // namespace

BENCHMARK_CAPTURE(boxes, twoGroupsFarApart, "Means2", {"0", "1", "100000", "50", "1", "100000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, twoGroupsTypical, "Means2", {"10", "2", "10", "12", "2", "10"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, meanFarFromPopulation, "Means4", {"1000", "1", "100000", "0", "0"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, varianceRatio, "Means5", {"1000", "32767", "1", "32767"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, percentsOneSample, "Percent1", {"50", "49.9", "1000000000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, percentsTwoSamples, "Percent2",
                  {"99.9", "1000000000", "0.1", "1000000000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, percentInterval, "Percent3", {"37.5", "999999999", "0", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, fisherLargest, "Counts2", {"13", "12", "12", "13"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, fisherEmptyCells, "Counts2", {"25", "0", "0", "25"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, binomialManyTrials, "Counts3", {"100000000000000", ".0001", "32767"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, binomialLargestTail, "Counts3", {"65534", ".5", "32767"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(boxes, poissonLargest, "Counts4", {"32767", "30000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheet, matchedPairs, "Means1", pairs())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheet, anovaMostGroups, "Means6", groups())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheet, chiSquareWholeSheet, "Counts1", table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheet, regression, "Correl", withOption(pairs(), "method", "regression"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheet, spearman, "Correl", withOption(pairs(), "method", "spearman"))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
