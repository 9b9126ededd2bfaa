#include "calculations/report/anova_effects.h"
#include "calculations/report/independent_means_effects.h"
#include "calculations/report/matched_pairs_effects.h"
#include "calculations/report/noncentral_f_interval.h"
#include "calculations/report/noncentral_t_interval.h"
#include "calculations/report/population_mean_effects.h"
#include "calculations/report/variance_ratio_interval.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

// Expected values from means_effects_values.R (base R: t.test, var.test, oneway.test, lm, and pt
// and pf with their noncentrality inverted by uniroot), compared to 1e-6 relative.

namespace quillon::report {
namespace {

void expectNear(const DefinedNumber& got, double expected, const std::string& what) {
    ASSERT_TRUE(got.isDefined()) << what << ": " << got.reason();
    EXPECT_NEAR(got.value(), expected, 1e-6 * std::fmax(std::fabs(expected), 1e-3)) << what;
}

void expectNear(const DefinedBounds& got, double lower, double upper, const std::string& what) {
    ASSERT_TRUE(got.isDefined()) << what << ": " << got.reason();
    EXPECT_NEAR(got.value().lower, lower, 1e-6 * std::fmax(std::fabs(lower), 1e-3)) << what;
    EXPECT_NEAR(got.value().upper, upper, 1e-6 * std::fmax(std::fabs(upper), 1e-3)) << what;
}

// A result either holds a finite value or a reason in words, never both and never neither.
void expectSound(const DefinedNumber& got, const std::string& what) {
    if (got.isDefined())
        EXPECT_TRUE(std::isfinite(got.value())) << what;
    else
        EXPECT_EQ(got.reason().rfind("not defined: ", 0), 0u) << what << ": " << got.reason();
}

void expectSound(const DefinedBounds& got, const std::string& what) {
    if (got.isDefined()) {
        EXPECT_TRUE(std::isfinite(got.value().lower) && std::isfinite(got.value().upper)) << what;
        EXPECT_LE(got.value().lower, got.value().upper) << what;
    } else {
        EXPECT_EQ(got.reason().rfind("not defined: ", 0), 0u) << what << ": " << got.reason();
    }
}

struct TwoGroupsCase {
    double mean1, sd1, n1, mean2, sd2, n2;
    double difference, differenceLower, differenceUpper;
    double d, dLower, dUpper, g;
    double welchT, welchDf, welchP;
};

TEST(MeansEffects, TwoGroupsMatchR) {
    const TwoGroupsCase cases[] = {
        {10, 2, 10, 12, 2, 10, 2, 0.120878201, 3.879121799, 1, 0.05324525849, 1.922440573,
         0.957646427, 2.236067977, 18, 0.03824961452},
        {10, 2, 15, 8.5, 2.5, 15, -1.5, -3.193294838, 0.1932948383, -0.6625891564, -1.393246242,
         0.07921667677, -0.6446542694, -1.814575137, 26.71282633, 0.08083558843},
        {5.2, 1.1, 7, 6.8, 2.3, 12, 1.6, -0.3688472203, 3.56884722, 0.8154355063, -0.1665701577,
         1.775481874, 0.7788318342, 2.042421111, 16.63008899, 0.05729628647},
        {100, 15, 200, 105, 16, 180, 5, 1.872500752, 8.127499248, 0.3229640646, 0.1200751032,
         0.5254311907, 0.322322768, 3.132828254, 367.4029333, 0.001870296249},
        {0, 1, 3, 1, 1, 2, 1, -1.905162716, 3.905162716, 1, -1.009648708, 2.879932274, 0.7236012546,
         1.095445115, 2.272727273, 0.3757220368},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.mean1) + " vs " + std::to_string(c.mean2);
        const auto got = independentMeansEffects(c.mean1, c.sd1, c.n1, c.mean2, c.sd2, c.n2);
        expectNear(got.difference, c.difference, what);
        expectNear(got.differenceInterval, c.differenceLower, c.differenceUpper, what);
        expectNear(got.cohensD, c.d, what);
        expectNear(got.cohensDInterval, c.dLower, c.dUpper, what);
        expectNear(got.hedgesG, c.g, what);
        expectNear(got.welchT, c.welchT, what);
        expectNear(got.welchDf, c.welchDf, what);
        expectNear(got.welchProbability, c.welchP, what);
        // g shrinks d toward 0; each interval holds its estimate.
        EXPECT_LT(std::fabs(got.hedgesG.value()), std::fabs(got.cohensD.value())) << what;
        EXPECT_LT(got.cohensDInterval.value().lower, got.cohensD.value()) << what;
        EXPECT_GT(got.cohensDInterval.value().upper, got.cohensD.value()) << what;
    }
}

struct OneSampleCase {
    double mean, sd, n, mu, population;
    double difference, differenceLower, differenceUpper, d, dLower, dUpper;
};

TEST(MeansEffects, OneSampleMatchesR) {
    const OneSampleCase cases[] = {
        {10.5, 2, 25, 10, 0, 0.5, -0.3255594247, 1.325559425, 0.25, -0.1507664145, 0.6457437081},
        {10.5, 2, 25, 10, 100, 0.5, -0.2185572475, 1.218557247, 0.25, -0.1507664145, 0.6457437081},
        {3.1, 4.2, 6, 5, 0, -1.9, -6.307629688, 2.507629688, -0.4523809524, -1.27823567,
         0.4124530975},
        {0.4, 1, 2, 0, 0, 0.4, -8.584643532, 9.384643532, 0.4, -1.133670408, 1.795717122},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.mean) + " N " + std::to_string(c.population);
        const auto got = populationMeanEffects(c.mean, c.sd, c.n, c.mu, c.population);
        expectNear(got.difference, c.difference, what);
        expectNear(got.differenceInterval, c.differenceLower, c.differenceUpper, what);
        expectNear(got.d, c.d, what);
        expectNear(got.dInterval, c.dLower, c.dUpper, what);
        if (c.population == 0) {
            // Matched pairs are the same arithmetic on the differences.
            const auto pairs = matchedPairsEffects(c.difference, c.sd, c.n);
            expectNear(pairs.dInterval, c.dLower, c.dUpper, what + " as pairs");
        }
    }
}

TEST(MeansEffects, PairsGiveTheSummariesOfTheirDifferences) {
    // Differences 1, 2, 3, 4, 5 (first minus second) far from 0 in both columns.
    const std::vector<double> first{1e9 + 2, 1e9 + 4, 1e9 + 6, 1e9 + 8, 1e9 + 10};
    const std::vector<double> second{1e9 + 1, 1e9 + 2, 1e9 + 3, 1e9 + 4, 1e9 + 5};
    const auto got = matchedPairsEffects(first, second);
    expectNear(got.difference, 3.0, "mean difference");
    expectNear(got.d, 3.0 / std::sqrt(2.5), "d_z");
    EXPECT_FALSE(matchedPairsEffects(std::vector<double>{}, std::vector<double>{}).d.isDefined());
}

struct RatioCase {
    double sd1, n1, sd2, n2, ratio, lower, upper;
};

TEST(MeansEffects, VarianceRatioMatchesR) {
    const RatioCase cases[] = {
        {3, 10, 2, 15, 2.25, 0.7010873901, 8.545393085},
        {2.5, 15, 2, 15, 1.5625, 0.524577501, 4.654043006},
        {1, 2, 7, 40, 0.02040816327, 0.003755094812, 20.51582902},
    };
    for (const auto& c : cases) {
        const auto got = varianceRatioInterval(c.sd1, c.n1, c.sd2, c.n2);
        expectNear(got.ratio, c.ratio, std::to_string(c.sd1));
        expectNear(got.ratioInterval, c.lower, c.upper, std::to_string(c.sd1));
    }
}

struct AnovaCase {
    std::vector<GroupSummary> groups;
    double eta, etaLower, etaUpper, omega, welchF, welchDf1, welchDf2, welchP;
};

TEST(MeansEffects, AnovaMatchesR) {
    const AnovaCase cases[] = {
        {{{10, 2, 8}, {12, 2.5, 10}, {11, 3, 9}},
         0.1025368292,
         0,
         0.3055566757,
         0.02674800864,
         1.710159008,
         2,
         15.73652058,
         0.2127803678},
        {{{10, 2, 8}, {10.2, 2, 8}, {9.9, 2, 8}},
         0.004424778761,
         0,
         0.04869342078,
         -0.08630054315,
         0.04454545455,
         2,
         14,
         0.9565671225},
        {{{3, 1, 5}, {7, 1.5, 6}, {5, 2, 7}, {9, 1.2, 5}},
         0.6958095691,
         0.3412140314,
         0.7897195252,
         0.6375719596,
         23.54397321,
         3,
         10.47371283,
         5.767586277e-05},
    };
    for (const auto& c : cases) {
        const std::string what = "eta " + std::to_string(c.eta);
        const auto got = anovaEffects(c.groups);
        expectNear(got.etaSquared, c.eta, what);
        expectNear(got.etaSquaredInterval, c.etaLower, c.etaUpper, what);
        expectNear(got.omegaSquared, c.omega, what);
        expectNear(got.welchF, c.welchF, what);
        expectNear(got.welchDf1, c.welchDf1, what);
        expectNear(got.welchDf2, c.welchDf2, what);
        expectNear(got.welchProbability, c.welchP, what);
    }
}

TEST(MeansEffects, BadInputsGiveReasonsNotNumbers) {
    const double huge = 1e38;
    const double inf = std::numeric_limits<double>::infinity();
    struct TwoGroupsInput {
        double m1, s1, n1, m2, s2, n2;
        bool dDefined;
    };
    const TwoGroupsInput twoGroups[] = {
        {10, 0, 10, 12, 0, 10, false}, // both SDs 0
        {10, 2, 1, 12, 2, 1, false},   // sizes add up to 2
        {10, 2, 0, 12, 2, 10, false},  // a size of 0
        {10, 2, -5, 12, 2, 10, false}, // a negative size
        {huge, huge, 10, -huge, huge, 10, true},
        {huge, 1e-38, 10, -huge, 1e-38, 10, false}, // t far beyond any exact interval
        {10, 2, huge, 12, 2, huge, true},           // huge t on huge df: the closed-form bounds
        {10, 2, 10, inf, 2, 10, false},
        {10, -2, 10, 12, 2, 10, true}, // a negative SD passes the window's checks
    };
    for (const auto& c : twoGroups) {
        const std::string what = std::to_string(c.m1) + "," + std::to_string(c.s1) + "," +
                                 std::to_string(c.n1) + "," + std::to_string(c.n2);
        const auto got = independentMeansEffects(c.m1, c.s1, c.n1, c.m2, c.s2, c.n2);
        for (const auto* number : {&got.difference, &got.cohensD, &got.hedgesG, &got.welchT,
                                   &got.welchDf, &got.welchProbability})
            expectSound(*number, what);
        expectSound(got.differenceInterval, what);
        expectSound(got.cohensDInterval, what);
        EXPECT_EQ(got.cohensDInterval.isDefined(), c.dDefined) << what;
    }

    for (const auto& [mean, sd, n, population] :
         std::vector<std::array<double, 4>>{{10, 0, 10, 0},
                                            {10, 2, 1, 0},
                                            {10, 2, 10, 10},
                                            {10, 2, 10, 1},
                                            {huge, huge, huge, 0},
                                            {huge, 1e-38, 10, 0}}) {
        const auto got = populationMeanEffects(mean, sd, n, 0.0, population);
        const std::string what =
            std::to_string(sd) + "," + std::to_string(n) + "," + std::to_string(population);
        expectSound(got.difference, what);
        expectSound(got.differenceInterval, what);
        expectSound(got.d, what);
        expectSound(got.dInterval, what);
    }

    for (const auto& [sd1, n1, sd2, n2] : std::vector<std::array<double, 4>>{
             {0, 10, 2, 10}, {2, 1, 2, 10}, {huge, 10, 1e-38, 10}, {2, huge, 2, huge}}) {
        const auto got = varianceRatioInterval(sd1, n1, sd2, n2);
        expectSound(got.ratio, "ratio");
        expectSound(got.ratioInterval, "ratio");
    }

    const std::vector<std::vector<GroupSummary>> anovas{
        {{10, 2, 8}},                          // one group
        {{10, 2, 1}, {11, 2, 1}},              // no more cases than groups
        {{10, 0, 5}, {10, 0, 5}},              // every value the same
        {{10, 0, 5}, {12, 0, 5}},              // no variation within
        {{huge, huge, 10}, {-huge, huge, 10}}, // sums of squares overflow
        {{huge, 1e-38, 10}, {-huge, 1e-38, 10}, {0, 1, 10}},
        {{10, 2, huge}, {12, 2, huge}},
    };
    for (const auto& groups : anovas) {
        const auto got = anovaEffects(groups);
        for (const auto* number : {&got.etaSquared, &got.omegaSquared, &got.welchF, &got.welchDf1,
                                   &got.welchDf2, &got.welchProbability})
            expectSound(*number, "anova");
        expectSound(got.etaSquaredInterval, "anova");
    }
}

TEST(MeansEffects, LevelOutsideZeroToOneLeavesIntervalsUndefined) {
    for (const double level : {0.0, 1.0, -0.5, 95.0, std::nan("")}) {
        const auto got = independentMeansEffects(10, 2, 10, 12, 2, 10, level);
        EXPECT_FALSE(got.differenceInterval.isDefined()) << level;
        EXPECT_FALSE(got.cohensDInterval.isDefined()) << level;
        EXPECT_TRUE(got.cohensD.isDefined()) << level;
        EXPECT_FALSE(varianceRatioInterval(3, 10, 2, 15, level).ratioInterval.isDefined());
        EXPECT_FALSE(noncentralFInterval(3.0, 2, 20, level).isDefined()) << level;
    }
}

TEST(MeansEffects, WiderLevelGivesWiderInterval) {
    const auto narrow = noncentralTInterval(2.5, 12, 0.90);
    const auto wide = noncentralTInterval(2.5, 12, 0.99);
    ASSERT_TRUE(narrow.isDefined() && wide.isDefined());
    EXPECT_LT(wide.value().lower, narrow.value().lower);
    EXPECT_GT(wide.value().upper, narrow.value().upper);
}

// Every inversion at its hardest accepted input stays under 10 ms (the least of three runs, so
// that other work on the machine does not count).
TEST(MeansEffects, WorstInputsAreFast) {
    using Clock = std::chrono::steady_clock;
    const auto time = [](auto&& work) {
        double least = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = Clock::now();
            work();
            least = std::fmin(
                least, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        return least;
    };
    const double t = largestInvertibleT;
    const double lambda = largestInvertibleLambda;
    const auto timeT = [&](double at, double df) {
        return time([&] { (void)noncentralTInterval(at, df, 0.95); });
    };
    const auto timeF = [&](double f, double df1, double df2) {
        return time([&] { (void)noncentralFInterval(f, df1, df2, 0.95); });
    };
    for (const double df : {1.0, 2.0, 30.0, 1e3, 1e5 - 1, 1e9, 1e38})
        for (const double at : {t, -t, t / 3})
            EXPECT_LT(timeT(at, df), 10.0) << at << " on " << df;
    for (const double df1 : {1.0, 2.0, 10.0, 99.0})
        for (const double df2 : {1.0, 2.0, 10.0, 1e3, 1e9, 1e38})
            EXPECT_LT(timeF(lambda / df1, df1, df2), 10.0) << df1 << ", " << df2;
}

// Beyond the exact range on many df the closed-form bounds continue the exact ones.
TEST(MeansEffects, LargeTOnManyDfMeetsTheExactInterval) {
    const double df = approximateFromDf;
    const auto exact = noncentralTInterval(largestInvertibleT, df, 0.95);
    const auto approximate = noncentralTInterval(largestInvertibleT * (1 + 1e-12), df, 0.95);
    ASSERT_TRUE(exact.isDefined() && approximate.isDefined());
    EXPECT_NEAR(approximate.value().lower, exact.value().lower, 1e-5 * largestInvertibleT);
    EXPECT_NEAR(approximate.value().upper, exact.value().upper, 1e-5 * largestInvertibleT);
    EXPECT_FALSE(noncentralTInterval(largestInvertibleT * 2, 30, 0.95).isDefined());
}

} // namespace
} // namespace quillon::report
