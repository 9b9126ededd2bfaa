#include "core/critical_probabilities.h"

#include "core/arithmetic.h"
#include "core/distributions_by_steps.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct Guided {
    std::string name;
    GuidedProbability routine;
    std::function<float(float)> plain;
};

std::vector<Guided> guidedRoutines() {
    std::vector<Guided> routines;
    for (const double df : {1.0, 2.0, 3.0, 10.0, 999.0, 5000.0, 1.5, 0.5}) {
        routines.push_back({"t, " + std::to_string(df), guidedTProb(df),
                            [df](float t) { return tProbBySteps(t, df); }});
    }
    const double pairs[][2] = {{1, 2},     {3, 7},     {30, 40},     {5000, 2},  {5000, 10},
                               {65535, 2}, {2, 65535}, {65536, 2},   {2, 70000}, {100000, 100000},
                               {2.5, 2},   {1, 2.5},   {1000, 1000}, {100, 1000}};
    for (const auto& pair : pairs) {
        const double df1 = pair[0];
        const double df2 = pair[1];
        routines.push_back({"F, " + std::to_string(df1) + ", " + std::to_string(df2),
                            guidedFProb(df1, df2),
                            [df1, df2](float f) { return fProbBySteps(f, df1, df2); }});
    }
    for (const double df : {1.0, 2.5, 30.0, 31.0, 1000.0, 100000.0}) {
        routines.push_back({"chi-square, " + std::to_string(df), guidedChiSquareProb(df),
                            [df](float x) { return chiSquareProbBySteps(x, df); }});
    }
    return routines;
}

// Values from 0 to 30000 as a search reaches them, densest near 0; each twice, the second time
// from the kept series outcome.
std::vector<float> probeValues() {
    std::vector<float> values{0.0f, 1E-7f, 5E-4f};
    for (float value = 0.001f; value < 30000.0f; value = value * 1.07f + 0.001f)
        values.push_back(value);
    return values;
}

TEST(GuidedProbabilities, GiveExactlyTheRoutinesValues) {
    for (auto& guided : guidedRoutines())
        for (int round = 0; round < 2; ++round)
            for (const float value : probeValues())
                EXPECT_EQ(std::bit_cast<std::uint32_t>(guided.routine.probability(value)),
                          std::bit_cast<std::uint32_t>(guided.plain(value)))
                    << guided.name << " at " << value;
}

// The largest single at or below a bound.
float singleBelow(double bound) {
    const float rounded = static_cast<float>(bound);
    return static_cast<double>(rounded) > bound ? std::nextafter(rounded, -1.0f) : rounded;
}

// Where a bound is given the value is at least the largest single at or below it, and the bound
// never rises.
TEST(GuidedProbabilities, BoundTheRoutinesBelowAndNeverRise) {
    for (auto& guided : guidedRoutines()) {
        if (!guided.routine.lowerBound)
            continue;
        double previous = 2.0;
        for (const float value : probeValues()) {
            const double bound = guided.routine.lowerBound(value);
            const float probability = guided.plain(value);
            if (!guided.routine.passable || guided.routine.passable(value, 0.0001f))
                EXPECT_LE(singleBelow(bound), probability) << guided.name << " at " << value;
            EXPECT_LE(bound, previous) << guided.name << " at " << value;
            previous = bound;
        }
    }
}

TEST(GuidedProbabilities, InvalidDegreesOfFreedomFailAsTheRoutinesDo) {
    const std::function<float()> calls[] = {
        [] { return guidedTProb(0.0).probability(2.0f); },
        [] { return guidedTProb(-3.0).probability(2.0f); },
        [] { return guidedFProb(0.0, 5.0).probability(2.0f); },
        [] { return guidedFProb(5.0, -1.0).probability(2.0f); },
    };
    for (const auto& call : calls) {
        try {
            (void)call();
            ADD_FAILURE() << "no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), ArithmeticFault::InvalidOperation);
        }
    }
    EXPECT_FALSE(guidedTProb(0.0).lowerBound);
    EXPECT_FALSE(guidedFProb(5.0, 0.0).lowerBound);
}

} // namespace
} // namespace quillon
