// The critical-value searches of every window at their slowest accepted inputs: each should answer
// in well under 10 ms. A search that cannot reach its target ends in an error; that is timed too.
#include "calculations/distributions/chi_square_distribution.h"
#include "calculations/distributions/f_distribution.h"
#include "calculations/distributions/t_distribution.h"
#include "calculations/means/mean_confidence_interval.h"
#include "calculations/percents/percent_confidence_interval.h"

#include "core/arithmetic.h"

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

using quillon::criticalChiSquare;
using quillon::criticalF;
using quillon::criticalT;
using quillon::meanConfidenceInterval;
using quillon::percentConfidenceInterval;

// Critical F at .0001 with 2 denominator degrees of freedom: the first pass climbs to 10,000.
BENCHMARK_CAPTURE(calculation, criticalF_0001_1_2, criticalF, {".0001", "1", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_60_2, criticalF, {".0001", "60", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_100_2, criticalF, {".0001", "100", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_1000_2, criticalF, {".0001", "1000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_5000_2, criticalF, {".0001", "5000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_20000_2, criticalF, {".0001", "20000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_65535_2, criticalF, {".0001", "65535", "2"})
    ->Unit(benchmark::kMillisecond);
// The series at its longest (32,767 steps a probe) over some forty distinct probes.
BENCHMARK_CAPTURE(calculation, criticalF_05_2_65535, criticalF, {".05", "2", "65535"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_01_65535_2, criticalF, {".01", "65535", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_5_3_65535, criticalF, {".5", "3", "65535"})
    ->Unit(benchmark::kMillisecond);
// The slowest found: an odd denominator keeps both sums of the numerator's 32,767 steps going.
BENCHMARK_CAPTURE(calculation, criticalF_02_65535_65, criticalF, {".02", "65535", "65"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_9999_10_65535, criticalF, {".9999", "10", "65535"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_65535_65535, criticalF, {".0001", "65535", "65535"})
    ->Unit(benchmark::kMillisecond);
// Beyond 65535 the approximation answers; with 2 in the denominator it never reaches .0001.
BENCHMARK_CAPTURE(calculation, criticalF_0001_65536_3, criticalF, {".0001", "65536", "3"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_100000_2, criticalF, {".0001", "100000", "2"})
    ->Unit(benchmark::kMillisecond);
// Degrees of freedom that are not whole: the true tail at every probe.
BENCHMARK_CAPTURE(calculation, criticalF_0001_1_5_2_5, criticalF, {".0001", "1.5", "2.5"})
    ->Unit(benchmark::kMillisecond);

// The series' noise just above its rounding error, and the approximation where the series fails:
// a first search on the routine's own steps, then one on the true tail.
BENCHMARK_CAPTURE(calculation, criticalF_0002_1000_2, criticalF, {".0002", "1000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0005_5000_2, criticalF, {".0005", "5000", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_65536_2, criticalF, {".0001", "65536", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_05_1_70000, criticalF, {".05", "1", "70000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_1_70000, criticalF, {".0001", "1", "70000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_100000_100000, criticalF,
                  {".0001", "100000", "100000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_9999_1000_1000, criticalF, {".9999", "1000", "1000"})
    ->Unit(benchmark::kMillisecond);
// The slowest found over a grid of targets and degrees of freedom once the answers are checked.
BENCHMARK_CAPTURE(calculation, criticalF_001_32767_2, criticalF, {".001", "32767", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_65536_4, criticalF, {".0001", "65536", "4"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0001_1000000_4, criticalF, {".0001", "1000000", "4"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_95_65535_10, criticalF, {".95", "65535", "10"})
    ->Unit(benchmark::kMillisecond);
// The slowest found over a finer grid of targets with the longest series.
BENCHMARK_CAPTURE(calculation, criticalF_0024_65535_2, criticalF, {".0024", "65535", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalF_0024_2_65535, criticalF, {".0024", "2", "65535"})
    ->Unit(benchmark::kMillisecond);

// Critical t with 1 degree of freedom at .0001: some 6,400 probes of the first pass.
BENCHMARK_CAPTURE(calculation, criticalT_0001_1, criticalT, {".0001", "1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalT_0001_1_0001, criticalT, {".0001", "1.0001"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalT_0001_999, criticalT, {".0001", "999"})
    ->Unit(benchmark::kMillisecond);
// The series' noise with 1 degree of freedom, and degrees of freedom above 999.
BENCHMARK_CAPTURE(calculation, criticalT_0002_1, criticalT, {".0002", "1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalT_0007_3542, criticalT, {".0007", "3542"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalT_0001_100000, criticalT, {".0001", "100000"})
    ->Unit(benchmark::kMillisecond);

// Critical chi-square with the most degrees of freedom accepted: about 101,700 probes.
BENCHMARK_CAPTURE(calculation, criticalChiSquare_0001_100000, criticalChiSquare,
                  {".0001", "100000"})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(calculation, criticalChiSquare_9999_100000, criticalChiSquare,
                  {".9999", "100000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalChiSquare_001_40, criticalChiSquare, {".001", "40"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, criticalChiSquare_0001_31, criticalChiSquare, {".0001", "31"})
    ->Unit(benchmark::kMillisecond);

// The confidence intervals at 99.99 percent: a sample of 2 (1 degree of freedom, steps of 5) and
// one of 1.5 (half a degree of freedom, whose critical t lies beyond the search's reach).
BENCHMARK_CAPTURE(calculation, meanConfidenceInterval_9999_n_2, meanConfidenceInterval,
                  {"10", "2", "2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, meanConfidenceInterval_9999_n_1_5, meanConfidenceInterval,
                  {"10", "2", "1.5", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, percentConfidenceInterval_9999_n_2, percentConfidenceInterval,
                  {"50", "2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculation, percentConfidenceInterval_9999_n_1_2, percentConfidenceInterval,
                  {"50", "1.2", "", "99.99"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
