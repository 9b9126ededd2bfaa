#include "core/critical_search.h"

#include "core/arithmetic.h"
#include "core/critical_probabilities.h"
#include "core/distributions.h"
#include "core/distributions_by_steps.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillon {
namespace {

// Wraps a probability so that every probe is recorded in call order.
struct Recorder {
    std::function<float(float)> probability;
    std::vector<float> values;
    std::vector<float> probabilities;

    std::function<float(float)> probe() {
        return [this](float x) {
            const float p = probability(x);
            values.push_back(x);
            probabilities.push_back(p);
            return p;
        };
    }

    // A pass starts one step below where the last stopped, the only backward move.
    int passes() const {
        int count = 1;
        for (std::size_t i = 1; i < values.size(); ++i)
            if (values[i] < values[i - 1])
                count = count + 1;
        return count;
    }
};

float exponentialTail(float x) {
    return static_cast<float>(std::exp(-static_cast<double>(x)));
}
float cauchyLike(float x) {
    return static_cast<float>(1.0 / (1.0 + static_cast<double>(x) * x));
}
float reciprocal(float x) {
    return static_cast<float>(2.0 / (2.0 + static_cast<double>(x)));
}

struct GridCase {
    const char* name;
    float (*probability)(float);
    float target;
    float start;
    float firstStep;
    float finalStep; // the step of the last pass
};

// The result is the first point of the finest grid at or below the target: its probe met the
// target, the probe one final step before it did not.
TEST(CriticalSearch, EndsOnTheFirstPointOfTheFinestGridAtOrBelowTheTarget) {
    const GridCase cases[] = {
        {"exp, .05", exponentialTail, 0.05f, 0.0f, 1.0f, 0.0001f},
        {"exp, .0001", exponentialTail, 0.0001f, 0.0f, 1.0f, 0.0001f},
        {"exp, .9", exponentialTail, 0.9f, 0.0f, 1.0f, 0.0001f},
        {"cauchy, .01", cauchyLike, 0.01f, 0.0f, 1.0f, 0.0001f},
        {"reciprocal, .001", reciprocal, 0.001f, 0.0f, 1.0f, 0.0001f},
        {"exp, start .0001, step 5", exponentialTail, 0.05f, 0.0001f, 5.0f, 0.0005f},
        {"cauchy, start .0001, step 5", cauchyLike, 0.0001f, 0.0001f, 5.0f, 0.0005f},
    };
    for (const auto& c : cases) {
        Recorder recorder{c.probability, {}, {}};
        const CriticalValue found =
            criticalValueSearch(recorder.probe(), c.target, c.start, c.firstStep);
        ASSERT_GE(recorder.values.size(), 2u) << c.name;
        EXPECT_EQ(found.value, recorder.values.back()) << c.name;
        EXPECT_EQ(found.probability, recorder.probabilities.back()) << c.name;
        EXPECT_LE(found.probability, c.target) << c.name;
        const std::size_t before = recorder.values.size() - 2;
        EXPECT_GT(recorder.probabilities[before], c.target) << c.name;
        // The last addition rounds the step to the spacing of singles at the result.
        const float spacing = std::nextafter(found.value, 2.0f * found.value) - found.value;
        EXPECT_NEAR(found.value - recorder.values[before], c.finalStep, spacing) << c.name;
        EXPECT_EQ(recorder.passes(), 5) << c.name;
    }
}

TEST(CriticalSearch, FirstProbeMeetingTheTargetIsTheResult) {
    struct Case {
        const char* name;
        float (*probability)(float);
        float target;
        float start;
        float firstStep;
    };
    const Case cases[] = {
        {"start 0, exactly the target", [](float) { return 0.9999f; }, 0.9999f, 0.0f, 1.0f},
        {"start 0, below the target", exponentialTail, 1.0f, 0.0f, 1.0f},
        {"start .0001, step 5", [](float) { return 0.5f; }, 0.9999f, 0.0001f, 5.0f},
    };
    for (const auto& c : cases) {
        Recorder recorder{c.probability, {}, {}};
        const CriticalValue found =
            criticalValueSearch(recorder.probe(), c.target, c.start, c.firstStep);
        EXPECT_EQ(found.value, c.start) << c.name;
        EXPECT_EQ(found.probability, c.probability(c.start)) << c.name;
        EXPECT_EQ(recorder.values.size(), 1u) << c.name;
    }
}

TEST(CriticalSearch, SecondProbeMeetingTheTargetStillRefines) {
    // exp(-1) = .368 meets .5 at the first step; the next pass starts back at 0 and finds .6932.
    const CriticalValue found = criticalValueSearch(exponentialTail, 0.5f, 0.0f, 1.0f);
    EXPECT_NEAR(found.value, 0.6932f, 0.00005f);
    EXPECT_LE(found.probability, 0.5f);
}

float stepDown(float x, float edge) {
    return x < edge ? 1.0f : 0.0f;
}

TEST(CriticalSearch, StalledPassKeepsThePointOfTheCoarserGrid) {
    // Beyond 2^24 adding .1 leaves a single unchanged: the whole-step point stands.
    const float edge = 16777210.0f;
    const CriticalValue found = criticalValueSearch(
        [edge](float x) { return x <= edge ? 1.0f : 0.25f; }, 0.5f, 16777200.0f, 1.0f);
    EXPECT_EQ(found.value, 16777211.0f);
    EXPECT_EQ(found.probability, 0.25f);
}

TEST(CriticalSearch, StallInTheLastPassKeepsTheThousandthsPoint) {
    // Above 4096 adding .0001 changes nothing; the .001 pass has found the crossing.
    const float edge = 4096.005f;
    Recorder recorder{[edge](float x) { return stepDown(x, edge); }, {}, {}};
    const CriticalValue found = criticalValueSearch(recorder.probe(), 0.5f, 0.0f, 1.0f);
    EXPECT_GE(found.value, edge);
    EXPECT_LT(found.value - edge, 0.0015f);
    EXPECT_EQ(found.probability, 0.0f);
    EXPECT_EQ(recorder.passes(), 5); // the stalled pass probed its start once
    EXPECT_EQ(recorder.probabilities.back(), 1.0f);
}

TEST(CriticalSearch, PassesThatCannotReachTheTargetOverflow) {
    struct Case {
        const char* name;
        std::function<float(float)> probability;
        float start;
        long expectedProbes;
    };
    const Case cases[] = {
        {"never falls", [](float) { return 1.0f; }, 0.0f, maxProbesPerPass},
        {"first pass stalls at once", [](float) { return 1.0f; }, 16777216.0f, 1},
        {"first pass stalls after a climb", [](float x) { return stepDown(x, 3.0e7f); },
         16777000.0f, 217},
    };
    for (const auto& c : cases) {
        long probes = 0;
        const auto counted = [&](float x) {
            probes = probes + 1;
            return c.probability(x);
        };
        try {
            (void)criticalValueSearch(counted, 0.5f, c.start, 1.0f);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), ArithmeticFault::Overflow) << c.name;
        }
        EXPECT_EQ(probes, c.expectedProbes) << c.name;
    }
}

TEST(CriticalSearch, ErrorsOfTheProbabilityRoutinePropagate) {
    const auto failsAtTwo = [](float x) {
        if (x >= 2.0f)
            throw ArithmeticError(ArithmeticFault::DivisionByZero);
        return 1.0f;
    };
    try {
        (void)criticalValueSearch(failsAtTwo, 0.05f, 0.0f, 1.0f);
        ADD_FAILURE() << "no error";
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.fault(), ArithmeticFault::DivisionByZero);
    }
}

// With the distribution routines the windows use.

CriticalValue criticalZ(float target) {
    return criticalValueSearch([](float z) { return zProb(z); }, target, 0.0f, 1.0f);
}

TEST(CriticalSearchWithDistributions, CriticalZAsTheWindowsPrintIt) {
    struct Case {
        float target;
        const char* value;
        const char* probability;
    };
    const Case cases[] = {
        {0.05f, "1.960", ".0500"},   {0.01f, "2.576", ".0100"},   {0.0001f, "3.891", ".0001"},
        {0.9998f, "0.000", ".9998"}, {0.9999f, "0.000", ".9999"},
    };
    for (const auto& c : cases) {
        const CriticalValue found = criticalZ(c.target);
        EXPECT_EQ(format(found.value, kGeneralPattern), c.value) << c.target;
        EXPECT_EQ(format(found.probability, kProbabilityPattern), c.probability) << c.target;
    }
    EXPECT_NEAR(criticalZ(0.9998f).value, 0.0003f, 0.00001f);
    // zProb(0) is .9999 itself: the first probe, not a step below it.
    EXPECT_EQ(criticalZ(0.9999f).value, 0.0f);
    EXPECT_FALSE(std::signbit(criticalZ(0.9999f).value));
}

// The steps of the search's passes, as it computes them.
std::vector<float> passSteps(float firstStep) {
    std::vector<float> steps{firstStep};
    while (steps.back() / 10.0f >= 0.00005f)
        steps.push_back(steps.back() / 10.0f);
    return steps;
}

// The finest of those steps that still changes a single as large as value.
float finestStep(float value, float firstStep) {
    const std::vector<float> steps = passSteps(firstStep);
    auto finest = steps.rbegin();
    while (value + *finest == value)
        ++finest;
    return *finest;
}

struct RoundTrip {
    const char* name;
    std::function<float(float)> probability;
    float start;
    float firstStep;
};

// The probability at the value found is the target or below; one step of the finest grid below
// it, the probability is still above the target.
void expectRoundTrip(const RoundTrip& r, float target) {
    const CriticalValue found = criticalValueSearch(r.probability, target, r.start, r.firstStep);
    EXPECT_EQ(found.probability, r.probability(found.value)) << r.name << " at " << target;
    EXPECT_LE(found.probability, target) << r.name << " at " << target;
    if (found.value == r.start)
        return; // the first probe met the target
    // Near the start the grid point below may round to just under it; the start itself was probed.
    const float below = std::max(found.value - finestStep(found.value, r.firstStep), r.start);
    EXPECT_GT(r.probability(below), target) << r.name << " at " << target << ", " << below;
}

TEST(CriticalSearchWithDistributions, RoundTripsOverTargetsAndDegreesOfFreedom) {
    std::vector<RoundTrip> searches;
    searches.push_back({"z", [](float z) { return zProb(z); }, 0.0f, 1.0f});
    for (const double df : {1.0, 2.0, 3.0, 5.0, 10.0, 30.0, 120.0, 999.0, 5000.0, 2.5, 27.3})
        searches.push_back({"t", [df](float t) { return tProbBySteps(t, df); }, 0.0f, 1.0f});
    for (const double df : {1.0, 2.0, 2.5, 0.9})
        searches.push_back({"t from .0001", [df](float t) { return tProbBySteps(t, df); }, 0.0001f,
                            df < 3.0 ? 5.0f : 1.0f});
    for (const double df : {1.0, 2.0, 5.0, 29.0, 30.0, 31.0, 100.0, 2000.0, 10000.0, 2.5})
        searches.push_back(
            {"chi-square", [df](float x) { return chiSquareProbBySteps(x, df); }, 0.0f, 1.0f});
    const double fPairs[][2] = {{1, 2},   {2, 2},   {1, 30},     {3, 10},
                                {10, 10}, {30, 60}, {120, 1000}, {2.5, 7.5}};
    for (const auto& pair : fPairs) {
        const double df1 = pair[0];
        const double df2 = pair[1];
        searches.push_back(
            {"F", [df1, df2](float f) { return fProbBySteps(f, df1, df2); }, 0.0f, 1.0f});
    }
    for (const auto& search : searches)
        for (const float target : {0.9999f, 0.5f, 0.05f, 0.01f, 0.001f, 0.0001f})
            expectRoundTrip(search, target);
}

TEST(CriticalSearchWithDistributions, LongSearchesEndOnTheFinestGridTheirSizeAllows) {
    // Thousands of first-pass steps. Above 2048 a single ignores .0001, so the search keeps the
    // .001 pass's point; .0005 (1 degree of freedom from .0001 by 5) still moves it there.
    struct Case {
        RoundTrip search;
        float target;
        int lastPass; // counted from 0
    };
    const Case cases[] = {
        {{"t, 1 df", [](float t) { return tProbBySteps(t, 1.0); }, 0.0f, 1.0f}, 0.0001f, 3},
        {{"t, 1 df, from .0001", [](float t) { return tProbBySteps(t, 1.0); }, 0.0001f, 5.0f},
         0.0001f,
         4},
        {{"F, 1 and 2 df", [](float f) { return fProbBySteps(f, 1.0, 2.0); }, 0.0f, 1.0f},
         0.0001f,
         3},
        {{"chi-square, 1945 df", [](float x) { return chiSquareProbBySteps(x, 1945.0); }, 0.0f,
          1.0f},
         0.05f,
         3},
    };
    for (const auto& c : cases) {
        const RoundTrip& r = c.search;
        const CriticalValue found =
            criticalValueSearch(r.probability, c.target, r.start, r.firstStep);
        EXPECT_GT(found.value, 2048.0f) << r.name;
        EXPECT_EQ(finestStep(found.value, r.firstStep), passSteps(r.firstStep)[c.lastPass])
            << r.name;
        expectRoundTrip(r, c.target);
    }
}

TEST(CriticalSearchWithDistributions, StepFiveEndsOnTheFiveTenThousandthsGrid) {
    const auto tWith2 = [](float t) { return tProbBySteps(t, 2.0); };
    const CriticalValue found = criticalValueSearch(tWith2, 0.05f, 0.0001f, 5.0f);
    EXPECT_EQ(format(found.value, kGeneralPattern), "4.303");
    EXPECT_LE(found.probability, 0.05f);
    EXPECT_GT(tWith2(found.value - 0.0005f), 0.05f);
    // 5 divided by 10 five times in single precision falls just below .00005f: no sixth pass.
    EXPECT_EQ(passSteps(5.0f).size(), 5u);
    EXPECT_EQ(passSteps(1.0f).size(), 5u);
}

TEST(CriticalSearchWithDistributions, UnreachableTargetsAndInvalidDegreesOfFreedomRaise) {
    struct Case {
        const char* name;
        std::function<float(float)> probability;
        float target;
        float start;
        float firstStep;
        ArithmeticFault fault;
    };
    const Case cases[] = {
        {"t, .5 df, .0001", [](float t) { return tProbBySteps(t, 0.5); }, 0.0001f, 0.0001f, 5.0f,
         ArithmeticFault::Overflow},
        {"t, 0 df", [](float t) { return tProbBySteps(t, 0.0); }, 0.05f, 0.0001f, 5.0f,
         ArithmeticFault::InvalidOperation},
        {"chi-square, 250000 df", [](float x) { return chiSquareProbBySteps(x, 250000.0); },
         0.0001f, 0.0f, 1.0f, ArithmeticFault::Overflow},
    };
    for (const auto& c : cases) {
        try {
            (void)criticalValueSearch(c.probability, c.target, c.start, c.firstStep);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), c.fault) << c.name;
        }
    }
}

// The fast search against the walk it stands in for.

struct SearchAnswer {
    bool failed = false;
    ArithmeticFault fault = ArithmeticFault::Overflow;
    std::uint32_t value = 0; // the bits of the singles: any difference counts
    std::uint32_t probability = 0;
    bool operator==(const SearchAnswer&) const = default;
};

SearchAnswer answerOf(const std::function<CriticalValue()>& search) {
    try {
        const CriticalValue found = search();
        return {false, ArithmeticFault::Overflow, std::bit_cast<std::uint32_t>(found.value),
                std::bit_cast<std::uint32_t>(found.probability)};
    } catch (const ArithmeticError& error) {
        return {true, error.fault(), 0, 0};
    }
}

// count targets from .0001 to .9999, evenly spaced in their logarithm, and the round ones.
std::vector<float> targetsFromTheLowest(int count) {
    std::vector<float> targets{0.0001f, 0.001f, 0.01f, 0.05f, 0.1f, 0.5f, 0.9f, 0.9999f};
    const double low = std::log(1e-4);
    const double high = std::log(0.9999);
    for (int i = 0; i < count; ++i)
        targets.push_back(static_cast<float>(std::exp(low + (high - low) * i / (count - 1))));
    return targets;
}

struct WindowSearch {
    std::string name;
    GuidedProbability routine;
    std::function<float(float)> probability; // the routine itself, as the walk takes it
    float start;
    float firstStep;
    int targetCount;
};

void expectTheWalksPoints(const std::vector<WindowSearch>& searches) {
    for (const auto& search : searches)
        for (const float target : targetsFromTheLowest(search.targetCount)) {
            const SearchAnswer walked = answerOf([&] {
                return criticalValueSearch(search.probability, target, search.start,
                                           search.firstStep);
            });
            // The leaps alone, without the check against the true quantile.
            GuidedProbability unchecked = search.routine;
            unchecked.trueTail = {};
            const SearchAnswer fast = answerOf([&] {
                return fastCriticalValueSearch(unchecked, target, search.start, search.firstStep);
            });
            EXPECT_EQ(fast, walked) << search.name << " at " << target;
        }
}

WindowSearch tSearch(double df, float start, float firstStep, int targetCount) {
    return {"t, " + std::to_string(df) + " df from " + std::to_string(start),
            guidedTProb(df),
            [df](float t) { return tProbBySteps(t, df); },
            start,
            firstStep,
            targetCount};
}

WindowSearch fSearch(double df1, double df2, int targetCount) {
    return {"F, " + std::to_string(df1) + " and " + std::to_string(df2),
            guidedFProb(df1, df2),
            [df1, df2](float f) { return fProbBySteps(f, df1, df2); },
            0.0f,
            1.0f,
            targetCount};
}

// Critical t as Distr2b searches it: from 0 by 1.
TEST(FastCriticalSearch, CriticalTFromZeroFindsThePointTheWalkFinds) {
    std::vector<WindowSearch> searches;
    for (const double df : {1.0, 2.0, 3.0, 4.0, 5.0, 7.0, 10.0, 15.0, 30.0, 60.0, 120.0, 500.0,
                            999.0, 1000.0, 5000.0, 1.0001, 1.5, 2.5, 27.3})
        searches.push_back(tSearch(df, 0.0f, 1.0f, 60));
    expectTheWalksPoints(searches);
}

// Critical t as the confidence intervals search it: from .0001, by 5 below 3 degrees of freedom.
// Below 1 degree of freedom the small targets lie beyond the search's reach: the same error.
TEST(FastCriticalSearch, CriticalTFromATenThousandthFindsThePointTheWalkFinds) {
    std::vector<WindowSearch> searches;
    for (const double df : {0.3, 0.5, 0.9, 1.0, 1.5, 2.0, 2.5, 2.9, 3.0, 4.0, 10.0, 99.0, 999.0})
        searches.push_back(tSearch(df, 0.0001f, df < 3.0 ? 5.0f : 1.0f, 40));
    expectTheWalksPoints(searches);
}

// Critical F as Distr3b searches it, over degrees of freedom where the series is cheap, where its
// results near the target are noise (the true tail answers there), where the series fails for
// small ratios, and beyond the pass counter, where the approximation alone answers. The walk
// costs up to a second for the largest; those take fewer targets.
TEST(FastCriticalSearch, CriticalFFindsThePointTheWalkFinds) {
    std::vector<WindowSearch> searches;
    const double small[][2] = {{1, 2},   {1, 3},   {2, 2},    {3, 2},   {1, 30}, {3, 10},
                               {4, 7},   {10, 2},  {10, 10},  {30, 40}, {60, 3}, {120, 1000},
                               {2.5, 2}, {1, 2.5}, {7.5, 12}, {100, 2}, {333, 5}};
    for (const auto& pair : small)
        searches.push_back(fSearch(pair[0], pair[1], 30));
    const double middle[][2] = {{1000, 2},  {3000, 2}, {3355, 3},   {5000, 4},
                                {5000, 10}, {2, 5000}, {1000, 1000}};
    for (const auto& pair : middle)
        searches.push_back(fSearch(pair[0], pair[1], 6));
    const double large[][2] = {{20000, 2}, {65535, 2},  {65535, 3}, {2, 65535},
                               {65536, 2}, {100000, 3}, {2, 70000}, {100000, 100000}};
    for (const auto& pair : large)
        searches.push_back(fSearch(pair[0], pair[1], 0));
    expectTheWalksPoints(searches);
}

// The point of the fast search: the long first passes are leapt over.
TEST(FastCriticalSearch, LeapsOverTheLongFirstPasses) {
    struct Case {
        WindowSearch search;
        float target;
        long mostProbes;
    };
    const Case cases[] = {
        {fSearch(65535, 2, 0), 0.0001f, 200},        {fSearch(5000, 4, 0), 0.0001f, 100},
        {fSearch(100000, 3, 0), 0.0001f, 100},       {fSearch(1000.5, 2, 0), 0.0001f, 100},
        {tSearch(1.5, 0.0f, 1.0f, 0), 0.0001f, 100},
    };
    for (const auto& c : cases) {
        long probes = 0;
        GuidedProbability counted = c.search.routine;
        counted.probability = [&](float value) {
            probes = probes + 1;
            return c.search.routine.probability(value);
        };
        (void)fastCriticalValueSearch(counted, c.target, c.search.start, c.search.firstStep);
        EXPECT_LE(probes, c.mostProbes) << c.search.name;
    }
}

} // namespace
} // namespace quillon
