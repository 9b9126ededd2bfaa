// Speed of the distribution routines and of the longest critical-value searches the windows accept.
// Target: every single search well under 10 ms.
#include "core/critical_probabilities.h"
#include "core/critical_search.h"
#include "core/distributions.h"

#include <benchmark/benchmark.h>

namespace quillon {
namespace {

void zProbability(benchmark::State& state, float z) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(z);
        benchmark::DoNotOptimize(zProb(z));
    }
}

void tProbability(benchmark::State& state, float t, double df) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(tProb(t, df));
    }
}

void chiSquareProbability(benchmark::State& state, float x, double df) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(chiSquareProb(x, df));
    }
}

void fProbability(benchmark::State& state, float f, double df1, double df2) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(fProb(f, df1, df2));
    }
}

constexpr auto normal = [](float z) { return zProb(z); };

void search(benchmark::State& state, float (*probability)(float), float target, float start,
            float firstStep) {
    for (auto _ : state)
        benchmark::DoNotOptimize(criticalValueSearch(probability, target, start, firstStep));
}

// The searches of the t, F and chi-square windows: on the routines' own steps, checked against the
// true quantile.
void checkedSearch(benchmark::State& state, GuidedProbability (*prepare)(double, double),
                   double df1, double df2, float target, float start, float firstStep) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fastCriticalValueSearch(prepare(df1, df2), target, start, firstStep));
}

GuidedProbability tWith(double df, double) {
    return guidedTProb(df);
}
GuidedProbability fWith(double df1, double df2) {
    return guidedFProb(df1, df2);
}
GuidedProbability chiSquareWith(double df, double) {
    return guidedChiSquareProb(df);
}

BENCHMARK_CAPTURE(zProbability, z_1_96, 1.96f);
BENCHMARK_CAPTURE(zProbability, z_7, 7.0f);

BENCHMARK_CAPTURE(tProbability, t_2_228_df_10, 2.228f, 10.0);
BENCHMARK_CAPTURE(tProbability, t_6366_df_1, 6366.0f, 1.0);
BENCHMARK_CAPTURE(tProbability, t_2_df_999, 2.0f, 999.0);
BENCHMARK_CAPTURE(tProbability, t_2_df_2_5, 2.0f, 2.5);
BENCHMARK_CAPTURE(tProbability, t_2_df_5000, 2.0f, 5000.0);

BENCHMARK_CAPTURE(chiSquareProbability, x_3_84_df_1, 3.84f, 1.0);
BENCHMARK_CAPTURE(chiSquareProbability, x_18_3_df_10, 18.3f, 10.0);
BENCHMARK_CAPTURE(chiSquareProbability, x_124_3_df_100, 124.3f, 100.0);
BENCHMARK_CAPTURE(chiSquareProbability, x_101000_df_100000, 101000.0f, 100000.0);
BENCHMARK_CAPTURE(chiSquareProbability, x_40_df_31, 40.0f, 31.0);

BENCHMARK_CAPTURE(fProbability, f_4_1_df_3_20, 4.1f, 3.0, 20.0);
BENCHMARK_CAPTURE(fProbability, f_20000_df_1_2, 20000.0f, 1.0, 2.0);
BENCHMARK_CAPTURE(fProbability, f_1_5_df_60_120, 1.5f, 60.0, 120.0);
BENCHMARK_CAPTURE(fProbability, f_1_1_df_100_1000, 1.1f, 100.0, 1000.0);
BENCHMARK_CAPTURE(fProbability, f_3_84_df_1_70000, 3.84f, 1.0, 70000.0);

BENCHMARK_CAPTURE(search, critical_z_05, normal, 0.05f, 0.0f, 1.0f)->Unit(benchmark::kMicrosecond);
// The longest searches the windows accept: thousands of first-pass steps.
BENCHMARK_CAPTURE(checkedSearch, critical_t_0001_df_1, tWith, 1.0, 0.0, 0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkedSearch, critical_t_0001_df_1_step_5, tWith, 1.0, 0.0, 0.0001f, 0.0001f,
                  5.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkedSearch, critical_t_0001_df_2_step_5, tWith, 2.0, 0.0, 0.0001f, 0.0001f,
                  5.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkedSearch, critical_f_0001_df_1_2, fWith, 1.0, 2.0, 0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkedSearch, critical_chi_square_0001_df_10000, chiSquareWith, 10000.0, 0.0,
                  0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkedSearch, critical_chi_square_0001_df_100000, chiSquareWith, 100000.0, 0.0,
                  0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
// Over the target: each probe of the F series costs more as the numerator's degrees of freedom
// grow, and with 2 in the denominator the first pass takes about 10,000 steps.
BENCHMARK_CAPTURE(checkedSearch, critical_f_0001_df_100_2, fWith, 100.0, 2.0, 0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillon
