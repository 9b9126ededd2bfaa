// The critical-value searches of every window at their slowest accepted inputs: each should answer
// in well under 10 ms. A search that cannot reach its target ends in an error; that is timed too.
#include "distribution_windows.h"
#include "percent_windows.h"
#include "summary_means_windows.h"

#include "arithmetic.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using quillon::InputTexts;
using quillon::Outcome;

void calculation(benchmark::State& state, Outcome (*calculate)(InputTexts),
                 std::vector<std::string> inputs) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(calculate(inputs));
        } catch (const quillon::ArithmeticError&) {
            // The window reports it; the time to it is what counts here.
        }
    }
}

using quillon::calculateDistr2b;
using quillon::calculateDistr3b;
using quillon::calculateDistr4b;
using quillon::calculateMeans3;
using quillon::calculatePercent3;

// Critical F at .0001 with 2 denominator degrees of freedom: the first pass climbs to 10,000.
BENCHMARK_CAPTURE(calculation, Distr3b_0001_1_2, calculateDistr3b, {".0001", "1", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_60_2, calculateDistr3b, {".0001", "60", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_100_2, calculateDistr3b, {".0001", "100", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_1000_2, calculateDistr3b, {".0001", "1000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_5000_2, calculateDistr3b, {".0001", "5000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_20000_2, calculateDistr3b, {".0001", "20000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_65535_2, calculateDistr3b, {".0001", "65535", "2"})
    ->Unit(benchmark::kMillisecond);
// The series at its longest (32,767 steps a probe) over some forty distinct probes.
BENCHMARK_CAPTURE(calculation, Distr3b_05_2_65535, calculateDistr3b, {".05", "2", "65535"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_01_65535_2, calculateDistr3b, {".01", "65535", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_5_3_65535, calculateDistr3b, {".5", "3", "65535"})
    ->Unit(benchmark::kMillisecond);
// The slowest found: an odd denominator keeps both sums of the numerator's 32,767 steps going.
BENCHMARK_CAPTURE(calculation, Distr3b_02_65535_65, calculateDistr3b, {".02", "65535", "65"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_9999_10_65535, calculateDistr3b, {".9999", "10", "65535"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_65535_65535, calculateDistr3b,
                  {".0001", "65535", "65535"})
    ->Unit(benchmark::kMillisecond);
// Beyond 65535 the approximation answers; with 2 in the denominator it never reaches .0001.
BENCHMARK_CAPTURE(calculation, Distr3b_0001_65536_3, calculateDistr3b, {".0001", "65536", "3"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr3b_0001_100000_2, calculateDistr3b, {".0001", "100000", "2"})
    ->Unit(benchmark::kMillisecond);
// Degrees of freedom that are not whole: the true tail at every probe.
BENCHMARK_CAPTURE(calculation, Distr3b_0001_1_5_2_5, calculateDistr3b, {".0001", "1.5", "2.5"})
    ->Unit(benchmark::kMillisecond);

// Critical t with 1 degree of freedom at .0001: some 6,400 probes of the first pass.
BENCHMARK_CAPTURE(calculation, Distr2b_0001_1, calculateDistr2b, {".0001", "1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr2b_0001_1_0001, calculateDistr2b, {".0001", "1.0001"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Distr2b_0001_999, calculateDistr2b, {".0001", "999"})
    ->Unit(benchmark::kMillisecond);

// Critical chi-square with the most degrees of freedom accepted: about 101,700 probes.
BENCHMARK_CAPTURE(calculation, Distr4b_0001_100000, calculateDistr4b, {".0001", "100000"})
    ->Unit(benchmark::kMillisecond);

// The confidence intervals at 99.99 percent: a sample of 2 (1 degree of freedom, steps of 5) and
// one of 1.5 (half a degree of freedom, whose critical t lies beyond the search's reach).
BENCHMARK_CAPTURE(calculation, Means3_9999_n_2, calculateMeans3, {"10", "2", "2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Means3_9999_n_1_5, calculateMeans3, {"10", "2", "1.5", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Percent3_9999_n_2, calculatePercent3, {"50", "2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, Percent3_9999_n_1_2, calculatePercent3, {"50", "1.2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
