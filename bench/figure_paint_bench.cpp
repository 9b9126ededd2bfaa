// Building a figure and painting it with QPainter into an offscreen image at the window's size
// (440 by 273, at scale 1 and 2), for the costliest accepted inputs: must stay under 16 ms.
// Measured on two shared cores: 0.3 to 2.5 ms at scale 1 and 0.7 to 3.4 ms at scale 2, the most
// for the analysis of variance of 99 groups.
#include "calculations/catalogue.h"
#include "calculations/evaluation.h"
#include "figures/build_figure.h"
#include "ui/common/figure_painter.h"

#include <QGuiApplication>
#include <QPalette>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace quillon;

constexpr QSize kWindowFigure(440, 273);

void paintOf(benchmark::State& state, const CatalogueEntry& row, const Evaluation& evaluation,
             const std::vector<std::string>* texts, const DataSheetInput* sheet) {
    const FigurePalette palette = figurePalette(QGuiApplication::palette());
    const double scale = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const FigureOutcome outcome = texts != nullptr ? buildFigure(row, evaluation, *texts)
                                                       : buildFigure(row, evaluation, *sheet);
        if (outcome.figure)
            benchmark::DoNotOptimize(figureImage(*outcome.figure, kWindowFigure, scale, palette));
    }
}

void figureOfBoxes(benchmark::State& state, const char* name, std::vector<std::string> texts) {
    const CatalogueEntry& row = *findByName(name);
    const Evaluation evaluation = evaluate(row, texts);
    paintOf(state, row, evaluation, &texts, nullptr);
}

void figureOfSheet(benchmark::State& state, const char* name, int columns) {
    const CatalogueEntry& row = *findByName(name);
    DataSheetInput input;
    for (int r = 1; r <= DataSheet::kRows; ++r)
        for (int c = 1; c <= columns; ++c)
            input.sheet.setText(r, c, std::to_string((r * 37 + c * 11) % 101 + 1));
    const Evaluation evaluation = evaluate(row, input);
    paintOf(state, row, evaluation, nullptr, &input);
}

// The analysis of variance with 99 groups of mean, standard deviation and size.
void figureOfAnova(benchmark::State& state) {
    const CatalogueEntry& row = *findByName("anova");
    DataSheetInput input;
    for (int r = 1; r <= 99; ++r) {
        input.sheet.setText(r, 1, std::to_string(50 + r % 17));
        input.sheet.setText(r, 2, std::to_string(3 + r % 5));
        input.sheet.setText(r, 3, std::to_string(5 + r % 40));
    }
    const Evaluation evaluation = evaluate(row, input);
    paintOf(state, row, evaluation, nullptr, &input);
}

const std::string kBig = "1000000000000000000000000000000";

BENCHMARK_CAPTURE(figureOfBoxes, t_critical_df1, "t-critical", {".0001", "1"})->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(figureOfBoxes, f_huge_df, "f-probability", {"2", kBig, kBig})->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(figureOfBoxes, binomial_wide, "binomial", {"30000", ".5", "29000"})
    ->Arg(1)
    ->Arg(2);
BENCHMARK_CAPTURE(figureOfBoxes, poisson_wide, "poisson", {"1000", "1100"})->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(figureOfBoxes, independent_groups, "independent-groups",
                  {"10", "2", "10", "12", "2", "10"})
    ->Arg(1)
    ->Arg(2);
BENCHMARK(figureOfAnova)->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(figureOfSheet, correlation_100_pairs, "correlation", 2)->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(figureOfSheet, describe_100_values, "describe-sample", 1)->Arg(1)->Arg(2);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
