// The effect sizes and exact intervals of the count tests at the largest inputs they take: each
// should take well under 10 ms.
#include "calculations/report/binomial_effects.h"
#include "calculations/report/contingency_effects.h"
#include "calculations/report/fisher_exact_effects.h"
#include "calculations/report/poisson_effects.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void contingencyLargestTable(benchmark::State& state) {
    // 100 rows by 26 columns, the largest grid, of counts near the top of the single range.
    const std::vector<std::vector<double>> table(100, std::vector<double>(26, 3e38));
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::contingencyEffects(table));
}
BENCHMARK(contingencyLargestTable)->Unit(benchmark::kMillisecond);

void fisherFifty(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::fisherExactEffects(20, 5, 6, 19));
}
BENCHMARK(fisherFifty)->Unit(benchmark::kMillisecond);

void fisherLargestTotal(benchmark::State& state) {
    // A total of 100,000 with the odds ratio near 1, so that the widest spread is summed.
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::fisherExactEffects(25100, 24900, 24900, 25100));
}
BENCHMARK(fisherLargestTotal)->Unit(benchmark::kMillisecond);

void binomialLargestTrials(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::binomialEffects(1e15, 5e14, 0.5));
}
BENCHMARK(binomialLargestTrials)->Unit(benchmark::kMillisecond);

void poissonLargestObserved(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::poissonEffects(1e9, 1.0001e9));
}
BENCHMARK(poissonLargestObserved)->Unit(benchmark::kMillisecond);

void poissonHugeExpected(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::report::poissonEffects(32767, 1e38));
}
BENCHMARK(poissonHugeExpected)->Unit(benchmark::kMillisecond);

} // namespace
