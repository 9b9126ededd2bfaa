// The distribution routines and their own steps against true values from Boost.Math, over grids of
// whole degrees of freedom of both parities and a range of values. The tolerances follow from where
// each routine rounds; each is stated with its reason.
#include "core/arithmetic.h"
#include "core/distributions.h"
#include "core/distributions_by_steps.h"
#include "core/f_series.h"
#include "core/true_distributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quillon {
namespace {

// Half a unit in the last place of a single just below 1: one rounding of a stored single.
const double kRounding = std::ldexp(1.0, -24);

std::vector<double> geometricRange(double from, double to, double factor) {
    std::vector<double> values;
    for (double value = from; value <= to; value *= factor)
        values.push_back(value);
    return values;
}

std::vector<double> wholeDegreesOfFreedom() {
    std::vector<double> dfs;
    for (int df = 1; df <= 40; ++df)
        dfs.push_back(df);
    for (const double df : {49.0, 50.0, 99.0, 100.0, 199.0, 200.0, 333.0, 500.0, 998.0, 999.0})
        dfs.push_back(df);
    return dfs;
}

double trueTwoTailedT(double t, double df) {
    return 2.0 *
           boost::math::cdf(boost::math::complement(boost::math::students_t(df), std::fabs(t)));
}

double trueUpperF(double f, double df1, double df2) {
    return boost::math::cdf(boost::math::complement(boost::math::fisher_f(df1, df2), f));
}

double trueUpperChiSquare(double x, double df) {
    return boost::math::cdf(boost::math::complement(boost::math::chi_squared(df), x));
}

bool seriesFails(float f, double df1, double df2, double pi) {
    try {
        (void)fSeries(f, df1, df2, pi);
        return false;
    } catch (const ArithmeticError&) {
        return true;
    }
}

// The F series against the truth. The series stores x = df1 F / (df2 + df1 F) as a single before
// anything else; where the probability is steep in x (x close to 1 with few denominator degrees of
// freedom) that one rounding moves the answer by more than 1E-6, so the truth is taken at the
// stored x. What remains:
// - 1E-6 for the rounding of the final steps;
// - one rounding per step down the half-degrees of freedom, (df1 + df2) / 2 of them;
// - with both degrees of freedom odd, the arctangent argument Z = (P - sqrt x) / x cancels: one
//   rounding of the single P, divided by sqrt x. This is what swamps the answer for an F close to
//   0 (a t close to 0); below F = 1E-6 the true value answers instead.
// Where the series fails, the normal approximation answers: its tail polynomial (A&S 26.2.19)
// errs by up to 2.5E-4, the cube-root transformation adds as much again, so 5E-4 against the
// exact truth.
struct SeriesCheck {
    double got;
    double truth;
    double tolerance;
};

SeriesCheck checkFSeries(float probability, float f, double df1, double df2, double pi) {
    if (seriesFails(f, df1, df2, pi))
        return {probability, trueUpperF(f, df1, df2), 5e-4};
    const float storedX = static_cast<float>(df1 * f / (df2 + df1 * f));
    const double truth =
        storedX < 1.0f ? boost::math::ibetac(df1 / 2.0, df2 / 2.0, double{storedX}) : 0.0;
    const double tolerance =
        1e-6 + kRounding * (df1 + df2) / 2.0 + 3.0 * kRounding / std::sqrt(double{storedX});
    return {probability, truth, tolerance};
}

TEST(DistributionTruth, ZProbWithinThePolynomialError) {
    // A&S 26.2.17 errs by at most 7.5E-8 in the tail, doubled; e, t, t2, s and p are each rounded
    // to single once, at most 6E-8 each near 1.
    const double tolerance = 2.0 * 7.5e-8 + 5.0 * 2.0 * kRounding;
    for (double z = 0.0; z <= 6.0; z += 0.001) {
        const float value = static_cast<float>(z);
        const double truth = std::min(0.9999, 2.0 * boost::math::cdf(boost::math::complement(
                                                        boost::math::normal(), double{value})));
        EXPECT_NEAR(zProb(value), truth, tolerance) << z;
    }
}

TEST(DistributionTruth, TProbOverWholeDegreesOfFreedom) {
    for (const double df : wholeDegreesOfFreedom())
        for (const double t : geometricRange(1e-3, 300.0, 1.03)) {
            const float value = static_cast<float>(t);
            const float f = value * value;
            const auto check = checkFSeries(tProbBySteps(value, df), f, 1.0, df, kDoublePi);
            EXPECT_NEAR(check.got, check.truth, check.tolerance) << "t " << t << " df " << df;
        }
}

TEST(DistributionTruth, FProbOverWholeDegreesOfFreedom) {
    const double dfs[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,  12,  15,
                          16, 29, 30, 31, 32, 59, 60, 99, 100, 199, 200, 333, 1000};
    for (const double df1 : dfs)
        for (const double df2 : dfs)
            for (const double f : geometricRange(1e-6, 5000.0, 1.15)) {
                const float value = static_cast<float>(f);
                const auto check =
                    checkFSeries(fProbBySteps(value, df1, df2), value, df1, df2, kSinglePi);
                EXPECT_NEAR(check.got, check.truth, check.tolerance)
                    << "F " << f << " df " << df1 << ", " << df2;
            }
}

TEST(DistributionTruth, FProbFallbackAgainstTheTruth) {
    // Degrees of freedom whose series overflows, both large: the approximation alone answers.
    // With one of them small (below about 200 against more than 65535, or 38 against 5000) the
    // absolute value in the approximation's deviate puts an F between the median and 1 on the
    // wrong side of 1/2; those pairs are left out here.
    const double dfs[] = {200, 500, 999, 1000, 5000, 70000};
    for (const double df1 : dfs)
        for (const double df2 : dfs)
            for (const double f : geometricRange(0.5, 2.0, 1.01)) {
                const float value = static_cast<float>(f);
                if (!seriesFails(value, df1, df2, kSinglePi))
                    continue;
                EXPECT_NEAR(fProbBySteps(value, df1, df2), trueUpperF(value, df1, df2), 5e-4)
                    << "F " << f << " df " << df1 << ", " << df2;
            }
}

TEST(DistributionTruth, ChiSquareProbSeriesUpTo30) {
    // Step 8 subtracts from 1 a product close to 1 whose sum carries one rounding per term, up to
    // about x of them: 2E-6.
    for (int df = 1; df <= 30; ++df)
        for (const double x : geometricRange(1e-3, 180.0, 1.02)) {
            const float value = static_cast<float>(x);
            EXPECT_NEAR(chiSquareProb(value, df), trueUpperChiSquare(value, df), 2e-6)
                << "x " << x << " df " << df;
        }
}

TEST(DistributionTruth, ChiSquareProbApproximationAbove30) {
    // sqrt(2 x) - sqrt(2 df - 1) as a normal deviate (A&S 26.4.13) ignores the skewness of
    // chi-square: its error is at most about 0.047 / sqrt(df), largest near the middle.
    for (const double df : {31.0, 32.0, 33.0, 40.0, 45.0, 50.0, 100.0, 1000.0, 10000.0})
        for (const double x : geometricRange(1e-2, 3.0 * df + 200.0, 1.01)) {
            const float value = static_cast<float>(x);
            EXPECT_NEAR(chiSquareProbBySteps(value, df), trueUpperChiSquare(value, df),
                        0.05 / std::sqrt(df))
                << "x " << x << " df " << df;
        }
}

// The true values of the mends are stored singles: within a few roundings, relative, and within
// the smallest single where they fall below the single range.
void expectTrueSingle(float got, double truth, const char* what, double argument, double df1,
                      double df2 = 0.0) {
    EXPECT_NEAR(got, truth, 3.0 * kRounding * truth + std::numeric_limits<float>::denorm_min())
        << what << " " << argument << " df " << df1 << " " << df2;
}

TEST(DistributionTruth, NonWholeDegreesOfFreedomTakeTheTrueValue) {
    for (const double df : {0.3, 1.5, 2.5, 3.7, 27.3, 101.5, 998.5})
        for (const double t : geometricRange(1e-4, 100.0, 1.2)) {
            const float value = static_cast<float>(t);
            // tProb holds its degrees of freedom as a single.
            const double n = static_cast<float>(df);
            expectTrueSingle(tProb(value, df), trueTwoTailedT(value, n), "t", t, df);
        }
    for (const double df1 : {0.5, 1.0, 2.5, 7.0, 33.3})
        for (const double df2 : {1.5, 4.0, 4.5, 120.25, 1e9 + 0.5})
            for (const double f : geometricRange(1e-3, 1000.0, 1.3)) {
                if (df1 == std::floor(df1) && df2 == std::floor(df2))
                    continue;
                const float value = static_cast<float>(f);
                expectTrueSingle(fProb(value, df1, df2), trueUpperF(value, df1, df2), "F", f, df1,
                                 df2);
            }
    for (const double df : {0.5, 2.5, 9.9, 29.5})
        for (const double x : geometricRange(1e-3, 300.0, 1.1)) {
            const float value = static_cast<float>(x);
            expectTrueSingle(chiSquareProb(value, df), trueUpperChiSquare(value, df), "x", x, df);
        }
}

TEST(DistributionTruth, TAndFCloseToZeroTakeTheTrueValue) {
    for (const double df : {1.0, 3.0, 4.0, 31.0, 999.0})
        for (const double t : geometricRange(1e-9, 9.99e-4, 1.5)) {
            const float value = static_cast<float>(t);
            expectTrueSingle(tProb(value, df), trueTwoTailedT(value, df), "t", t, df);
        }
    for (const double df1 : {1.0, 3.0, 10.0, 31.0})
        for (const double df2 : {1.0, 3.0, 10.0, 31.0, 1000.0})
            for (const double f : geometricRange(1e-12, 9.99e-7, 2.0)) {
                const float value = static_cast<float>(f);
                expectTrueSingle(fProb(value, df1, df2), trueUpperF(value, df1, df2), "F", f, df1,
                                 df2);
            }
}

// The true functions need only stay well inside a single's rounding (6E-8): 1E-8. The truth is
// taken in extended precision, as Boost's double evaluation itself wanders for huge parameters.
void expectRegularizedBeta(double a, double b, double x) {
    if (!(x > 0.0 && x < 1.0))
        return;
    const long double truth = boost::math::ibeta(
        static_cast<long double>(a), static_cast<long double>(b), static_cast<long double>(x));
    EXPECT_NEAR(regularizedBeta(a, b, x, 1.0 - x), static_cast<double>(truth), 1e-8)
        << "a " << a << " b " << b << " x " << x;
}

TEST(DistributionTruth, RegularizedBetaAgreesFarBeyondSinglePrecision) {
    const double parameters[] = {1e-3, 0.5, 1.0, 1.5, 7.0, 9.5, 10.5, 60.0, 1e4, 1e6};
    for (const double a : parameters)
        for (const double b : parameters)
            for (const double x : {1e-12, 1e-4, 0.01, 0.2, 0.5, 0.7, 0.99, 0.999999}) {
                expectRegularizedBeta(a, b, x);
                // Close to the mean a / (a + b), where the mass sits.
                expectRegularizedBeta(a, b, a / (a + b) * (1.0 + 1e-3 * x));
            }
    // One parameter huge, as from 1E9 degrees of freedom. (Further out, the fraction taken at
    // 1 - x close to 1 loses the digits of a small x: about 1E-5 at 1E12.)
    const double huge = 1e9;
    for (const double small : {0.5, 1.5, 7.0, 60.0})
        for (const double multiple : {0.1, 0.5, 1.0, 1.1, 2.0, 5.0, 20.0}) {
            expectRegularizedBeta(small, huge, multiple * small / huge);
            expectRegularizedBeta(huge, small, 1.0 - multiple * small / huge);
        }
    // Both huge. (At 1E15 Boost's extended evaluation misses I_0.5(a, a) = 1/2 by 1.5E-6.)
    for (const double both : {1e6, 1e9})
        for (const double deviations : {-3.0, -0.5, 0.0, 0.5, 3.0})
            expectRegularizedBeta(both, both, 0.5 + deviations / std::sqrt(8.0 * both));
}

TEST(DistributionTruth, RegularizedUpperGammaAgreesToDoublePrecision) {
    for (const double a : {0.05, 0.5, 1.0, 1.25, 2.5, 7.0, 14.5, 15.0})
        for (const double x : geometricRange(1e-6, 400.0, 1.1)) {
            const double truth = boost::math::gamma_q(a, x);
            EXPECT_NEAR(regularizedUpperGamma(a, x), truth, 1e-12 * truth + 1e-15)
                << "a " << a << " x " << x;
        }
}

// The series' results that are noise: below the rounding error it accumulates, where the true
// tail is small. Exactly 0 past the point where the steps collapse (t with 1 degree of freedom
// above 5792.6; F with 2 in the denominator once x rounds to 1), a small positive value where
// x keeps only its last unit (F(5000, 2) from 6711 to 13421, where the true tail falls from .00015
// to .000075) or where the true tail lies below the series' cancellation (F(5000, 10) at 1000).
TEST(DistributionMends, SeriesNoiseGivesWayToTheTrueTail) {
    struct Case {
        const char* name;
        float value;
        double df1, df2;
        double pi;
    };
    const Case cases[] = {
        {"t 5800, 1 df", 5800.0f * 5800.0f, 1, 1, kDoublePi},
        {"t 6366.198, 1 df", 6366.198f * 6366.198f, 1, 1, kDoublePi},
        {"F 5000, 20000 and 2", 5000.0f, 20000, 2, kSinglePi},
        {"F 9999.5, 65535 and 2", 9999.5f, 65535, 2, kSinglePi},
        {"F 10000, 5000 and 2", 10000.0f, 5000, 2, kSinglePi},
        {"F 1000, 5000 and 10", 1000.0f, 5000, 10, kSinglePi},
        {"F 300, 5000 and 4", 300.0f, 5000, 4, kSinglePi},
        {"F 10, 30 and 40", 10.0f, 30, 40, kSinglePi},
    };
    for (const auto& c : cases) {
        const float series = fSeries(c.value, c.df1, c.df2, c.pi);
        EXPECT_LT(series, fSeriesRoundingError(c.df1, c.df2)) << c.name;
        const bool isT = c.pi == kDoublePi;
        const float got = isT ? tProb(std::sqrt(c.value), c.df2) : fProb(c.value, c.df1, c.df2);
        const double truth = trueUpperF(c.value, c.df1, c.df2);
        EXPECT_GT(got, 0.0f) << c.name;
        EXPECT_NEAR(got, truth, 1e-6 * truth) << c.name;
    }
}

// Every other result of the series is kept bit for bit; where the series fails the approximation
// answers as before.
TEST(DistributionMends, SeriesResultsAboveTheirRoundingErrorStayAsTheyAre) {
    const double dfs[] = {1, 2, 3, 4, 7, 10, 31, 100, 999, 1000, 5000, 20001, 65534, 65535};
    for (const double df1 : dfs)
        for (const double df2 : {1.0, 2.0, 3.0, 4.0, 9.0, 30.0, 999.0, 65535.0})
            for (const double f : geometricRange(1e-6, 3e4, 2.3)) {
                const float value = static_cast<float>(f);
                const float got = fProbBySteps(value, df1, df2);
                float series = 0.0f;
                try {
                    series = fSeries(value, df1, df2, kSinglePi);
                } catch (const ArithmeticError&) {
                    EXPECT_EQ(got, fNormalApproximation(value, df1, df2))
                        << "F " << f << " df " << df1 << ", " << df2;
                    continue;
                }
                if (series >= fSeriesRoundingError(df1, df2))
                    EXPECT_EQ(got, series) << "F " << f << " df " << df1 << ", " << df2;
            }
}

// Where the stored x is 1 the routines give the true tail without running the series; the series
// would only have given a result below its rounding error there.
TEST(DistributionMends, AStoredXOfOneLeavesTheSeriesBelowItsRoundingError) {
    for (const double df1 : {1.0, 2.0, 3.0, 50.0, 999.0, 4096.0, 30001.0, 65534.0, 65535.0})
        for (const double df2 : {1.0, 2.0, 3.0, 8.0, 101.0, 5000.0, 65535.0})
            for (const double pi : {kSinglePi, kDoublePi}) {
                const float series = fSeriesOfX(1.0f, df1, df2, pi);
                EXPECT_LT(series, fSeriesRoundingError(df1, df2)) << df1 << ", " << df2;
                EXPECT_GE(series, 0.0f) << df1 << ", " << df2;
            }
}

} // namespace
} // namespace quillon
