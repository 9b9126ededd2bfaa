// The binomial and Poisson tests at their longest sums in ordinary use: each should take well
// under 10 ms.
#include "calculations/counts/binomial_probability.h"
#include "calculations/counts/fisher_exact_probability.h"
#include "calculations/counts/poisson_probability.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void binomialThirtyThousandTrials(benchmark::State& state) {
    // The lower tail of 15,000 terms, most of them in logarithms.
    const std::vector<std::string> inputs = {"30000", ".5", "15000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::binomialProbability(inputs));
}
BENCHMARK(binomialThirtyThousandTrials)->Unit(benchmark::kMillisecond);

void binomialLongestTail(benchmark::State& state) {
    // 32,767 terms, the most a tail may have.
    const std::vector<std::string> inputs = {"40000", ".9", "32767"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::binomialProbability(inputs));
}
BENCHMARK(binomialLongestTail)->Unit(benchmark::kMillisecond);

void poissonThirtyThousandExpected(benchmark::State& state) {
    // 30,000 terms with some 600 rescalings.
    const std::vector<std::string> inputs = {"30000", "30000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::poissonProbability(inputs));
}
BENCHMARK(poissonThirtyThousandExpected)->Unit(benchmark::kMillisecond);

void poissonLongestTail(benchmark::State& state) {
    const std::vector<std::string> inputs = {"32767", "40000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::poissonProbability(inputs));
}
BENCHMARK(poissonLongestTail)->Unit(benchmark::kMillisecond);

void binomialLongestTailInDouble(benchmark::State& state) {
    // A probability typed to 8 digits: the same 32,767 terms stored in double.
    const std::vector<std::string> inputs = {"40000", ".90000001", "32767"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::binomialProbability(inputs));
}
BENCHMARK(binomialLongestTailInDouble)->Unit(benchmark::kMillisecond);

void poissonLongestTailInDouble(benchmark::State& state) {
    const std::vector<std::string> inputs = {"32767", "40000.001"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::poissonProbability(inputs));
}
BENCHMARK(poissonLongestTailInDouble)->Unit(benchmark::kMillisecond);

void fisherTotalOfFifty(benchmark::State& state) {
    const std::vector<std::string> inputs = {"10", "15", "15", "10"};
    for (auto _ : state)
        benchmark::DoNotOptimize(quillon::fisherExactProbability(inputs));
}
BENCHMARK(fisherTotalOfFifty)->Unit(benchmark::kMicrosecond);

} // namespace
