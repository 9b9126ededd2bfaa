// The report's numbers for percents, correlation and regression at their slowest accepted
// inputs: each should take well under 10 ms. The exact interval at a billion cases, where the
// beta inversion works hardest, is the slowest.
#include "calculations/report/correlation_interval.h"
#include "calculations/report/percent_difference.h"
#include "calculations/report/percent_intervals.h"
#include "calculations/report/regression_intervals.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillon::report;

void exactIntervalBillionCases(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(percentIntervals(0.000526151, 1e9, 0.0001));
}
BENCHMARK(exactIntervalBillionCases)->Unit(benchmark::kMillisecond);

void exactIntervalBillionCasesAtNinetyFive(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(percentIntervals(0.19777, 1e9, 0.95));
}
BENCHMARK(exactIntervalBillionCasesAtNinetyFive)->Unit(benchmark::kMillisecond);

void independentDifferenceLargest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(independentPercentDifference(0.3, 3.4e38, 0.2, 1, 0.9999));
}
BENCHMARK(independentDifferenceLargest)->Unit(benchmark::kMillisecond);

void sameSampleDifferenceLargest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sameSamplePercentDifference(0.3, 0.2, 3.4e38, 0.9999));
}
BENCHMARK(sameSampleDifferenceLargest)->Unit(benchmark::kMillisecond);

void correlationIntervalLargest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(correlationInterval(0.99, 3.4e38, 0.9999));
}
BENCHMARK(correlationIntervalLargest)->Unit(benchmark::kMillisecond);

void regressionIntervalsOneDegree(benchmark::State& state) {
    // One degree of freedom at the highest level: the t quantile's hardest inversion.
    for (auto _ : state)
        benchmark::DoNotOptimize(regressionIntervals({3, 1, 1, 1, 1, 0.5}, 0.9999));
}
BENCHMARK(regressionIntervalsOneDegree)->Unit(benchmark::kMillisecond);

} // namespace
