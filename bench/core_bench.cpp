// Speed of the distribution routines and of the longest critical-value searches the windows accept.
// Target: every single search well under 10 ms.
#include "core/critical_value.h"
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

// The searches of the windows: on the routines' own steps, those of t, F and chi-square checked
// against the true quantile.
void search(benchmark::State& state, Distribution distribution, float target, float start,
            float firstStep) {
    for (auto _ : state)
        benchmark::DoNotOptimize(criticalValue(distribution, target, {start, firstStep}));
}

const Distribution normal = Distribution::normal();

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
BENCHMARK_CAPTURE(search, critical_t_0001_df_1, Distribution::t(1.0), 0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, critical_t_0001_df_1_step_5, Distribution::t(1.0), 0.0001f, 0.0001f, 5.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, critical_t_0001_df_2_step_5, Distribution::t(2.0), 0.0001f, 0.0001f, 5.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, critical_f_0001_df_1_2, Distribution::f(1.0, 2.0), 0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, critical_chi_square_0001_df_10000, Distribution::chiSquare(10000.0),
                  0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, critical_chi_square_0001_df_100000, Distribution::chiSquare(100000.0),
                  0.0001f, 0.0f, 1.0f)
    ->Unit(benchmark::kMillisecond);
// Over the target: each probe of the F series costs more as the numerator's degrees of freedom
// grow, and with 2 in the denominator the first pass takes about 10,000 steps.
BENCHMARK_CAPTURE(search, critical_f_0001_df_100_2, Distribution::f(100.0, 2.0), 0.0001f, 0.0f,
                  1.0f)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillon
