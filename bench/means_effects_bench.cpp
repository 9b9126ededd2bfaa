// The effect-size arithmetic of the means calculations at typical and at its hardest inputs: the
// inversions of the noncentral t and F at the edges of their exact ranges.
#include "calculations/report/anova_effects.h"
#include "calculations/report/independent_means_effects.h"
#include "calculations/report/noncentral_f_interval.h"
#include "calculations/report/noncentral_t_interval.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace quillon::report;

void twoGroupsTypical(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(independentMeansEffects(10, 2, 10, 12, 2, 10));
}
BENCHMARK(twoGroupsTypical);

void noncentralTAtItsLargestExactT(benchmark::State& state) {
    const double df = static_cast<double>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(noncentralTInterval(largestInvertibleT, df, 0.95));
}
BENCHMARK(noncentralTAtItsLargestExactT)
    ->Arg(1)
    ->Arg(30)
    ->Arg(99999)
    ->Unit(benchmark::kMillisecond);

void noncentralFAtItsLargestLambda(benchmark::State& state) {
    const double df2 = static_cast<double>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(noncentralFInterval(largestInvertibleLambda / 10, 10, df2, 0.95));
}
BENCHMARK(noncentralFAtItsLargestLambda)->Arg(1)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

void anovaTypical(benchmark::State& state) {
    const std::vector<GroupSummary> groups{{10, 2, 8}, {12, 2.5, 10}, {11, 3, 9}};
    for (auto _ : state)
        benchmark::DoNotOptimize(anovaEffects(groups));
}
BENCHMARK(anovaTypical);

} // namespace

BENCHMARK_MAIN();
