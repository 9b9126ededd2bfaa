// quillon-calc in process: --batch over 10,000 rows of the independent-groups t-test should take
// well under a second, and one answer, command line parsing included, well under 20 ms (the
// process start comes on top; time it with the program itself).
#include "terminal/program.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string tenThousandRows() {
    std::string rows;
    for (int i = 0; i < 10000; ++i) {
        const int first = 5 + i % 40;
        const int second = 5 + (i * 7) % 45;
        rows += std::to_string(10 + i % 5) + "." + std::to_string(i % 10) + ",2.1," +
                std::to_string(first) + "," + std::to_string(9 + i % 7) + ",1.8," +
                std::to_string(second) + "\n";
    }
    return rows;
}

void batchOfTenThousandTTests(benchmark::State& state) {
    const std::string rows = tenThousandRows();
    const std::vector<std::string> arguments = {"independent-groups", "--batch"};
    for (auto _ : state) {
        std::istringstream in(rows);
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(
            quillon::terminal::runQuillonCalc(arguments, {.in = in, .out = out, .err = err}));
    }
}
BENCHMARK(batchOfTenThousandTTests)->Unit(benchmark::kMillisecond);

void oneAnswer(benchmark::State& state) {
    const std::vector<std::string> arguments = {"t-critical", ".05", "10"};
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(
            quillon::terminal::runQuillonCalc(arguments, {.in = in, .out = out, .err = err}));
    }
}
BENCHMARK(oneAnswer)->Unit(benchmark::kMillisecond);

} // namespace
