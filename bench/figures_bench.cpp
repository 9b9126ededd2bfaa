// Building a figure and writing its SVG at window size, for the costliest accepted inputs: must
// stay well under 16 ms.
#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "figures/build_figure.h"
#include "figures/svg_writer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace quillon;

void figureOfBoxes(benchmark::State& state, const char* name, std::vector<std::string> texts) {
    const CatalogueEntry& row = *findByName(name);
    const Evaluation evaluation = evaluate(row, texts);
    if (evaluation.kind != Evaluation::Kind::Answered) {
        state.SkipWithError("not answered");
        return;
    }
    for (auto _ : state) {
        const FigureOutcome outcome = buildFigure(row, evaluation, texts);
        if (outcome.figure)
            benchmark::DoNotOptimize(writeSvg(*outcome.figure, {1280, 800}, lightFigureColours()));
    }
}

void figureOfSheet(benchmark::State& state, const char* name, int columns, int rows) {
    const CatalogueEntry& row = *findByName(name);
    DataSheetInput input;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            // Every value 2 or more, so that an SD and an N are taken too.
            input.sheet.setText(r, c, std::to_string((r * 37 + c * 11) % 101 + 2));
    const Evaluation evaluation = evaluate(row, input);
    if (evaluation.kind != Evaluation::Kind::Answered) {
        state.SkipWithError("not answered");
        return;
    }
    for (auto _ : state) {
        const FigureOutcome outcome = buildFigure(row, evaluation, input);
        if (outcome.figure)
            benchmark::DoNotOptimize(writeSvg(*outcome.figure, {1280, 800}, lightFigureColours()));
    }
}

const std::string kBig = "1000000000000000000000000000000";

BENCHMARK_CAPTURE(figureOfBoxes, t_critical_df1, "t-critical", {".0001", "1"});
BENCHMARK_CAPTURE(figureOfBoxes, f_huge_df, "f-probability", {"2", kBig, kBig});
BENCHMARK_CAPTURE(figureOfBoxes, chi_square_huge_df, "chi-square-probability", {"5", kBig});
BENCHMARK_CAPTURE(figureOfBoxes, binomial_wide, "binomial", {"30000", ".5", "29000"});
BENCHMARK_CAPTURE(figureOfBoxes, poisson_wide, "poisson", {"32767", "100000000000"});
BENCHMARK_CAPTURE(figureOfBoxes, independent_groups, "independent-groups",
                  {"10", "2", "10", "12", "2", "10"});
// 99 groups, the most the analysis takes.
BENCHMARK_CAPTURE(figureOfSheet, anova_99_groups, "anova", 3, 99);
BENCHMARK_CAPTURE(figureOfSheet, correlation_100_pairs, "correlation", 2, DataSheet::kRows);
BENCHMARK_CAPTURE(figureOfSheet, describe_100_values, "describe-sample", 1, DataSheet::kRows);

} // namespace

BENCHMARK_MAIN();
