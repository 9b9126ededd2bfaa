// The rule that keeps the steps' values where they are true to their printed digits, the searches
// that follow it, and the identities between the distributions that hold once every value is.
#include "core/kept_or_true.h"

#include "core/arithmetic.h"
#include "core/critical_probabilities.h"
#include "core/critical_search.h"
#include "core/distributions.h"
#include "core/number_text.h"
#include "core/true_tails.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(KeptOrTrue, ProbabilitiesThatPrintWithinAUnitOfTheTruthAreKept) {
    struct Case {
        const char* name;
        float bySteps;
        double truth;
        float expected;
    };
    const Case cases[] = {
        {"prints .0500, 4.9E-5 above", .05f, .049951, .05f},
        {"prints .0500, 4.9E-5 below", .05f, .050049, .05f},
        {"prints .0500, 9.9E-5 above", .05f, .049901, .05f},
        {"prints .0500, 9.9E-5 below", .05f, .050099, .05f},
        {"prints .0500, 1.01E-4 above", .05f, .049899, static_cast<float>(.049899)},
        {"prints .0500, 1.01E-4 below", .05f, .050101, static_cast<float>(.050101)},
        // Judged by the text, not the value: 1.35E-4 off, it prints .0505 for .050405; 7.1E-5
        // off, it prints .0502 for .050089.
        {"1.35E-4 off, prints within a unit", .05054f, .050405, .05054f},
        {"7.1E-5 off, prints beyond a unit", .05016f, .050089, static_cast<float>(.050089)},
        {"within the slack of a single", .0725f, .07239992, .0725f},
        {"beyond the slack", .0725f, .0723998, static_cast<float>(.0723998)},
        // Below .001 only the truth's own rounding is kept: .0003 for .000213 is 40% off.
        {"the F fallback at 1.25 with 1000 and 1000", .00033f, .0002128, .0002128f},
        {"below .001, prints .0005 for .000451", .00046f, .000451, .00046f},
        {"below .001, prints .0004 for .00049999", .00044f, .00049999, .00049999f},
        {"at .001 a unit again", .00105f, .001, .00105f},
        {"the F fallback at 1.35 with 500 and 500", .00061f, .000426, .000426f},
        {"t with 5000 counted as 999", .0457700f, .0455543, .0455543f},
        {"series noise far below a unit", 1.5e-7f, 6.8e-11, 1.5e-7f},
        {"exactly the truth", .3125f, .3125, .3125f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptOrTrueProbability(c.bySteps, c.truth), c.expected) << c.name;
}

TEST(KeptOrTrue, WhereTheTruthCannotBeFormedTheStepsStand) {
    const auto fails = []() -> double { throw ArithmeticError(ArithmeticFault::Overflow); };
    EXPECT_EQ(keptOrTrueProbability(.25f, fails), .25f);
    EXPECT_EQ(keptOrTrueProbability(
                  .25f, [] { return .5; }),
              .5f);
    EXPECT_EQ(keptOrTrueProbability(.25f, [] { return .25004; }), .25f);
}

// The rule judges a critical value as the windows print it: three decimals, the decimal text of
// the single rounded half away from zero.
TEST(KeptOrTrue, CriticalValuesAreJudgedAsPrinted) {
    struct Case {
        float value;
        double printed;
    };
    const Case cases[] = {
        {2.0005f, 2.001},       {2.00049f, 2.0},   {6366.198f, 6366.198}, {0.0003f, 0.0},
        {9999.4995f, 9999.499}, {9999.5f, 9999.5}, {101670.5f, 101670.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printedCriticalValue(c.value), c.printed) << c.value;
}

// With a tail of exp(-x), the quantile of p is -log(p); with 1/x, it is 1/p.
TEST(KeptOrTrue, ACriticalValueIsKeptWhereItPrintsWithinItsBand) {
    const std::function<double(double)> exponential = [](double x) { return std::exp(-x); };
    const std::function<double(double)> reciprocal = [](double x) { return 1.0 / x; };
    struct Case {
        const char* name;
        const std::function<double(double)>* tail;
        float target;
        float value;
        bool kept;
    };
    const Case cases[] = {
        // The quantile of .05 is 2.995732: 0.05% of it is .0015.
        {"prints 2.996, .0003 above", &exponential, .05f, 2.9958f, true},
        {"prints 2.997, .0013 above", &exponential, .05f, 2.997f, true},
        {"prints 2.998, .0023 above", &exponential, .05f, 2.998f, false},
        {"prints 2.995, .0007 below", &exponential, .05f, 2.9951f, true},
        {"prints 2.994, .0017 below", &exponential, .05f, 2.9941f, false},
        // The quantile of .9999 is .0001: .0006 either way, and nothing below 0.
        {"0 near .0001", &exponential, .9999f, 0.0f, true},
        {"printed .001 near .0001", &exponential, .9999f, 0.0006f, false},
        {"printed 0.000 near .0001", &exponential, .9999f, 0.0004f, true},
        // The quantile of .0001 is 10000: 5 either way.
        {"4.9 above", &reciprocal, .0001f, 10004.9f, true},
        {"5.2 above", &reciprocal, .0001f, 10005.2f, false},
        {"4.9 below", &reciprocal, .0001f, 9995.1f, true},
        {"5.2 below", &reciprocal, .0001f, 9994.8f, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printsTrueCriticalValue(c.value, c.target, *c.tail), c.kept) << c.name;
}

// The probability asked for is held as a single: .36 with 47 degrees of freedom has the quantile
// .92439998 where the typed decimal's is .92440002, 2E-8 either side of the band's end.
TEST(KeptOrTrue, TheBandAllowsForATargetHeldAsASingle) {
    const std::function<double(double)> t47 = [](double t) { return trueTTail(t, 47.0); };
    EXPECT_TRUE(printsTrueCriticalValue(.925f, .36f, t47));
    EXPECT_TRUE(printsTrueCriticalValue(.924f, .36f, t47));
    EXPECT_FALSE(printsTrueCriticalValue(.926f, .36f, t47));
}

// The quantile of .05 under exp(-x) is 2.995732; its band is .001498 either way.
TEST(KeptOrTrue, AHalfWidthIsJudgedAsPrinted) {
    const std::function<double(double)> exponential = [](double x) { return std::exp(-x); };
    struct Case {
        const char* name;
        HalfWidth halfWidth;
        float t;
        bool kept;
    };
    // Four decimals: the band, .0005 for a critical value's rounding and .00005 for the
    // half-width's, .002048 in all. Three decimals at 100 t + .5: .2003 about 300.0732.
    const Case cases[] = {
        {"prints 2.9977, .00197 above", {1.0, 0.0, kProbabilityPattern}, 2.9977f, true},
        {"prints 2.9979, .00217 above", {1.0, 0.0, kProbabilityPattern}, 2.9979f, false},
        {"prints 2.9937, .00203 below", {1.0, 0.0, kProbabilityPattern}, 2.9937f, true},
        {"prints 2.9935, .00223 below", {1.0, 0.0, kProbabilityPattern}, 2.9935f, false},
        {"prints 300.270, .197 above", {100.0, 0.5, kGeneralPattern}, 2.9977f, true},
        {"prints 300.300, .227 above", {100.0, 0.5, kGeneralPattern}, 2.998f, false},
        // A half-width of no width prints the same at any t.
        {"no width", {0.0, 0.5, kGeneralPattern}, 9.0f, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printsTrueHalfWidth(c.halfWidth, c.t, .05f, exponential), c.kept) << c.name;
    EXPECT_EQ(format(HalfWidth{100.0, 0.5, kGeneralPattern}.of(2.9977f), kGeneralPattern),
              "300.270");
}

// A routine whose steps are a factor off the truth exp(-x), searched from 0 by 1.
GuidedProbability stepsOff(double factor) {
    GuidedProbability routine;
    routine.probability = [factor](float x) {
        return static_cast<float>(std::min(1.0, factor * std::exp(-static_cast<double>(x))));
    };
    routine.trueTail = [](double x) { return std::exp(-x); };
    return routine;
}

TEST(CheckedSearch, StepsTrueToTheDigitsKeepTheirAnswer) {
    // 1E-5 off: the steps' search finds the same grid point as the truth's; its probability, which
    // prints within a unit of the truth, stands.
    const GuidedProbability close = stepsOff(1.0 + 1e-5);
    const CriticalValue found = fastCriticalValueSearch(close, .05f, 0.0f, 1.0f);
    GuidedProbability unchecked = close;
    unchecked.trueTail = {};
    const CriticalValue bySteps = fastCriticalValueSearch(unchecked, .05f, 0.0f, 1.0f);
    EXPECT_EQ(found.value, bySteps.value);
    EXPECT_EQ(found.probability, bySteps.probability);
    EXPECT_EQ(format(found.value, kGeneralPattern), "2.996");
}

TEST(CheckedSearch, StepsOffTheDigitsGiveWayToTheSearchOnTheTrueTail) {
    struct Case {
        const char* name;
        double factor;
        float target;
        const char* value;
        const char* probability;
        bool trueProbability; // the steps' probability at the value prints more than a unit off
    };
    const Case cases[] = {
        // 1% off moves the quantile of .05 by .01, beyond its band of .0015.
        {"1% high at .05", 1.01, .05f, "2.996", ".0500", true},
        {"1% low at .05", 0.99, .05f, "2.996", ".0500", true},
        // 20% off moves the quantile of .0001 by .18; the steps' .00012 prints .0001.
        {"20% high at .0001", 1.2, .0001f, "9.210", ".0001", false},
    };
    for (const auto& c : cases) {
        const GuidedProbability routine = stepsOff(c.factor);
        const CriticalValue found = fastCriticalValueSearch(routine, c.target, 0.0f, 1.0f);
        EXPECT_EQ(format(found.value, kGeneralPattern), c.value) << c.name;
        EXPECT_EQ(format(found.probability, kProbabilityPattern), c.probability) << c.name;
        const float truth = single(std::exp(-double{found.value}));
        const float steps = routine.probability(found.value);
        EXPECT_EQ(found.probability, c.trueProbability ? truth : steps) << c.name;
    }
}

// A window that prints a number built from the value judges that number instead.
TEST(CheckedSearch, TheWindowsJudgementKeepsOrReplacesTheStepsValue) {
    const GuidedProbability routine = stepsOff(1.01);
    const auto always = [](float) { return true; };
    const auto never = [](float) { return false; };
    // 1% high, the steps reach .05 at 3.006.
    EXPECT_EQ(
        format(fastCriticalValueSearch(routine, .05f, 0.0f, 1.0f, always).value, kGeneralPattern),
        "3.006");
    EXPECT_EQ(
        format(fastCriticalValueSearch(routine, .05f, 0.0f, 1.0f, never).value, kGeneralPattern),
        "2.996");
}

TEST(CheckedSearch, AStepSearchThatCannotReachItsTargetGivesWayToTheTrueTail) {
    // The steps never fall below .5: their search passes its bound.
    GuidedProbability stuck;
    stuck.probability = [](float x) {
        return static_cast<float>(std::max(0.5, std::exp(-static_cast<double>(x))));
    };
    stuck.trueTail = [](double x) { return std::exp(-x); };
    const CriticalValue found = fastCriticalValueSearch(stuck, .05f, 0.0f, 1.0f);
    EXPECT_EQ(format(found.value, kGeneralPattern), "2.996");
    // Without a true tail the error reaches the caller, as it always has.
    stuck.trueTail = {};
    EXPECT_THROW((void)fastCriticalValueSearch(stuck, .05f, 0.0f, 1.0f), ArithmeticError);
    // A true tail that never falls to the target cannot answer either.
    stuck.trueTail = [](double) { return 0.5; };
    EXPECT_THROW((void)fastCriticalValueSearch(stuck, .05f, 0.0f, 1.0f), ArithmeticError);
}

// Identities between the distributions, each side printed within a unit of its truth: the two
// printed sides agree within two units of the fourth decimal. The steps alone break each of them
// somewhere here: the cap of t at 999, the F fallback, the chi-square approximation above 30.
constexpr double kBothSides = 2e-4 + 2e-7;

double printed(float probability) {
    return printedProbability(probability);
}

std::vector<double> ratiosAround(double centre) {
    std::vector<double> ratios;
    for (const double factor :
         {0.5, 0.8, 0.9, 0.95, 0.99, 1.0, 1.01, 1.05, 1.1, 1.25, 1.5, 2.0, 4.0})
        ratios.push_back(centre * factor);
    return ratios;
}

TEST(DistributionIdentities, TheUpperTailOfFIsOneMinusTheLowerTail) {
    const double pairs[][2] = {{1, 70000},   {2, 74997}, {46, 7927},  {100, 1000}, {500, 500},
                               {1000, 1000}, {3, 10},    {5000, 2},   {65536, 3},  {100000, 100000},
                               {2.5, 7.5},   {1, 1},     {30, 65535}, {65535, 30}};
    for (const auto& pair : pairs)
        for (const double f : ratiosAround(1.0)) {
            const float ratio = static_cast<float>(f);
            const float inverse = single(1.0 / double{ratio});
            EXPECT_NEAR(printed(fProb(ratio, pair[0], pair[1])) +
                            printed(fProb(inverse, pair[1], pair[0])),
                        1.0, kBothSides)
                << f << " with " << pair[0] << " and " << pair[1];
        }
}

TEST(DistributionIdentities, TSquaredIsFWithOneNumeratorDegree) {
    for (const double df :
         {1.0, 2.0, 5.0, 30.0, 999.0, 1000.0, 3542.0, 5000.0, 70000.0, 97930.0, 1e6, 27.3})
        for (const double t : {0.01, 0.5, 1.0, 1.357, 1.96, 2.0, 2.5, 3.3, 4.0, 10.0}) {
            const float value = static_cast<float>(t);
            EXPECT_NEAR(printed(tProb(value, df)), printed(fProb(value * value, 1.0, df)),
                        kBothSides)
                << t << " with " << df;
        }
}

TEST(DistributionIdentities, ChiSquareIsTheLimitOfFTimesItsDegrees) {
    // F(df, 1E9) times df is chi-square with df within far less than a unit of the fourth decimal.
    for (const double df : {1.0, 2.0, 7.0, 30.0, 31.0, 40.0, 54.79, 100.0, 1000.0, 100000.0})
        for (const double x : ratiosAround(df)) {
            const float value = static_cast<float>(x);
            const float f = single(double{value} / df);
            EXPECT_NEAR(printed(chiSquareProb(value, df)), printed(fProb(f, df, 1e9)), kBothSides)
                << x << " with " << df;
        }
}

TEST(DistributionIdentities, TAndChiSquareWithOneDegreeAgreeWithZ) {
    // zProb stops at .9999, a unit of the fourth decimal below 1.
    for (const double z : {0.001, 0.3, 1.0, 1.645, 1.96, 2.576, 3.29, 3.891, 5.0}) {
        const float value = static_cast<float>(z);
        EXPECT_NEAR(printed(tProb(value, 1e9)), printed(zProb(value)), kBothSides) << z;
        EXPECT_NEAR(printed(chiSquareProb(value * value, 1.0)), printed(zProb(value)), kBothSides)
            << z;
    }
}

// A window's critical value, as printed, lies within its band of the quantile: the routine that
// prints its probabilities gives the target back, printed within a unit, on the right side of it
// just beyond either end of the band. The probability beside it is the routine's own at the value
// found.
struct CriticalWindow {
    std::string name;
    GuidedProbability routine;
    std::function<float(float)> probability;
};

std::vector<CriticalWindow> criticalWindows() {
    std::vector<CriticalWindow> windows;
    for (const double df : {1.0, 2.0, 3.0, 10.0, 999.0, 1000.0, 3542.0, 100000.0, 2.5})
        windows.push_back(
            {"t " + std::to_string(df), guidedTProb(df), [df](float t) { return tProb(t, df); }});
    const double pairs[][2] = {{1, 2},       {1000, 2},  {5000, 2},  {65535, 2},
                               {65536, 2},   {1, 70000}, {2, 74997}, {100, 1000},
                               {1000, 1000}, {3, 10},    {2.5, 7.5}};
    for (const auto& pair : pairs) {
        const double df1 = pair[0];
        const double df2 = pair[1];
        windows.push_back({"F " + std::to_string(df1) + ", " + std::to_string(df2),
                           guidedFProb(df1, df2),
                           [df1, df2](float f) { return fProb(f, df1, df2); }});
    }
    for (const double df : {1.0, 5.0, 30.0, 31.0, 40.0, 54.79, 1000.0, 100000.0})
        windows.push_back({"chi-square " + std::to_string(df), guidedChiSquareProb(df),
                           [df](float x) { return chiSquareProb(x, df); }});
    return windows;
}

TEST(DistributionIdentities, CriticalValuesGiveBackTheirProbability) {
    for (const auto& window : criticalWindows())
        for (const float target :
             {.0001f, .0002f, .0005f, .001f, .01f, .05f, .2f, .5f, .95f, .9999f}) {
            const CriticalValue found = fastCriticalValueSearch(window.routine, target, 0.0f, 1.0f);
            const std::string what = window.name + " at " + std::to_string(target);
            EXPECT_EQ(found.probability, window.probability(found.value)) << what;
            const double printed = printedCriticalValue(found.value);
            const double band = std::max(kKeptCriticalShare * printed, kKeptCriticalDistance);
            // Just beyond the band's ends: the quantile lies between them.
            const float lowest = single(printed - band * 1.001);
            const float highest = single(printed + band * 1.001);
            if (lowest > 0.0f) {
                EXPECT_GE(printedProbability(window.probability(lowest)),
                          target - kKeptProbabilityUnit - kKeptProbabilitySlack)
                    << what;
            }
            EXPECT_LE(printedProbability(window.probability(highest)),
                      target + kKeptProbabilityUnit + kKeptProbabilitySlack)
                << what;
        }
}

} // namespace
} // namespace quillon
