// The true incomplete beta and gamma functions over every parameter a window can pass, against
// 50-digit values from Boost.Math, and the invariant of every distribution routine: a probability
// within 0 to 1, or an ArithmeticError.
#include "core/arithmetic.h"
#include "core/distributions.h"
#include "core/gamma_tails.h"
#include "core/true_distributions.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace quillon {
namespace {

using Exact = boost::multiprecision::cpp_bin_float_50;

// Half a unit in the last place of a single just below 1: one rounding of a stored single.
const double kRounding = std::ldexp(1.0, -24);

// ---- The invariant ------------------------------------------------------------------------------

const float kLargestSingle = std::numeric_limits<float>::max();
const float kSmallestSingle = std::numeric_limits<float>::denorm_min();

// Values as a box can give them, and the extremes of a single.
const std::vector<float> kValues = {-kLargestSingle,
                                    -1e30f,
                                    -2.5f,
                                    -1e-30f,
                                    -kSmallestSingle,
                                    0.0f,
                                    kSmallestSingle,
                                    1e-38f,
                                    6.27e-42f,
                                    1e-30f,
                                    1e-8f,
                                    1e-3f,
                                    0.1f,
                                    0.5f,
                                    1.0f,
                                    1.5f,
                                    2.0f,
                                    20.25f,
                                    50.0f,
                                    400.0f,
                                    1e4f,
                                    1e8f,
                                    1e19f,
                                    1e30f,
                                    kLargestSingle};

// Degrees of freedom: whole and not, tiny to huge (a box reads a double).
const std::vector<double> kDegrees = {
    1.8e-307, 1e-30, 1e-3, 0.5,         1.0,    1.5,   2.0,  2.5,   3.0,  7.0, 27.3,
    29.5,     30.0,  31.0, 99.5,        999.0,  999.5, 1e3,  65535, 1e6,  1e9, 1e9 + 0.5,
    1e15,     1e19,  2.8,  1e19 + 2048, 1.1e20, 6e20,  1e30, 1e100, 1e300};

// Runs one routine; it must give a probability within 0 to 1 or raise an ArithmeticError.
void expectProbabilityOrFault(const std::function<double()>& routine, const std::string& what) {
    try {
        const double probability = routine();
        EXPECT_TRUE(probability >= 0.0 && probability <= 1.0) << what << " gave " << probability;
    } catch (const ArithmeticError&) {
    }
}

std::string arguments(double first, double second, double third = 0.0) {
    return std::to_string(first) + " (" + std::to_string(second) + ", " + std::to_string(third) +
           ")";
}

TEST(ProbabilityInvariant, DistributionRoutinesStayWithinZeroAndOne) {
    for (const float value : kValues) {
        expectProbabilityOrFault([&] { return zProb(value); }, "zProb " + std::to_string(value));
        for (const double df : kDegrees) {
            expectProbabilityOrFault([&] { return tProb(value, df); },
                                     "tProb " + arguments(value, df));
            expectProbabilityOrFault([&] { return chiSquareProb(value, df); },
                                     "chiSquareProb " + arguments(value, df));
            for (const double df2 : kDegrees)
                expectProbabilityOrFault([&] { return fProb(value, df, df2); },
                                         "fProb " + arguments(value, df, df2));
        }
    }
}

TEST(ProbabilityInvariant, TrueFunctionsStayWithinZeroAndOne) {
    const double parameters[] = {1e-300, 1e-10, 1e-3, 0.5,  0.75, 1.0,   1.5,  7.0,
                                 9.9,    10.1,  60.0, 300,  1e4,  9.9e4, 1e5,  1e6,
                                 1e9,    1e12,  1e15, 1e19, 1e30, 1e100, 1e300};
    const double points[] = {0.0, 1e-300, 1e-100, 1e-20, 1e-12, 1e-6,    0.01,
                             0.3, 0.5,    0.7,    0.99,  1e-3,  0.999999};
    for (const double a : parameters) {
        for (const double x : points) {
            expectProbabilityOrFault([&] { return regularizedUpperGamma(a, x * 1e6); },
                                     "gamma " + arguments(x * 1e6, a));
            for (const double b : parameters) {
                // x near 0 and near 1, each with the complement that keeps its digits.
                expectProbabilityOrFault([&] { return regularizedBeta(a, b, x, 1.0 - x); },
                                         "beta " + arguments(x, a, b));
                expectProbabilityOrFault([&] { return regularizedBeta(a, b, 1.0 - x, x); },
                                         "beta 1 - " + arguments(x, a, b));
            }
        }
    }
}

TEST(ProbabilityInvariant, ArgumentsOutsideTheDomainAreFaults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double a, b, x, y;
    } betaCases[] = {{0.0, 1.0, 0.5, 0.5},      {1.0, -1.0, 0.5, 0.5}, {nan, 1.0, 0.5, 0.5},
                     {infinity, 1.0, 0.5, 0.5}, {1.0, 1.0, nan, 0.5},  {1.0, 1.0, 0.5, -0.1},
                     {1.0, 1.0, 1.5, 0.5}};
    for (const auto& row : betaCases)
        EXPECT_THROW(regularizedBeta(row.a, row.b, row.x, row.y), ArithmeticError)
            << row.a << " " << row.b << " " << row.x << " " << row.y;
    const struct {
        double a, x;
    } gammaCases[] = {{0.0, 1.0},  {-1.0, 1.0}, {nan, 1.0},     {infinity, 1.0},
                      {1.0, -1.0}, {1.0, nan},  {1.0, infinity}};
    for (const auto& row : gammaCases)
        EXPECT_THROW(regularizedUpperGamma(row.a, row.x), ArithmeticError) << row.a << " " << row.x;
}

// ---- Accuracy against 50-digit values -----------------------------------------------------------

// Both tails of I_x(a, b) at the x and y passed, from whichever of them carries the digits.
struct BetaTails {
    double lower;
    double upper;
};

BetaTails trueBeta(double a, double b, double x, double y) {
    if (x <= 0.5)
        return {static_cast<double>(boost::math::ibeta(Exact(a), Exact(b), Exact(x))),
                static_cast<double>(boost::math::ibetac(Exact(a), Exact(b), Exact(x)))};
    return {static_cast<double>(boost::math::ibetac(Exact(b), Exact(a), Exact(y))),
            static_cast<double>(boost::math::ibeta(Exact(b), Exact(a), Exact(y)))};
}

// The functions give double; a single's rounding is 6E-8. The error stays below 1E-8 of the
// smaller tail, and a value close to 1 within a few units of the double's last place.
void expectTrueBeta(double a, double b, double x, double y, double relative = 1e-8) {
    const BetaTails truth = trueBeta(a, b, x, y);
    EXPECT_NEAR(regularizedBeta(a, b, x, y), truth.lower,
                relative * std::min(truth.lower, truth.upper) + (truth.lower > 0.5 ? 4e-16 : 0.0))
        << "a " << a << " b " << b << " x " << x << " y " << y;
}

// x at z standard deviations from the mean, x and y each formed on its own. The mean a / (a + b)
// itself is a double: its last place, about sqrt(min(a, b)) 1E-16 standard deviations, moves a
// tail z deviations out by z times that, relative.
void expectTrueBetaAround(double a, double b, const std::vector<double>& deviations) {
    const double x0 = 1.0 / (1.0 + b / a);
    const double y0 = 1.0 / (1.0 + a / b);
    const double sd = std::sqrt(x0 * y0 / (a + b + 1.0));
    for (const double z : deviations) {
        const double x = x0 + z * sd;
        const double y = y0 - z * sd;
        if (x > 0.0 && y > 0.0)
            expectTrueBeta(a, b, x, y,
                           1e-8 + 2.0 * std::fabs(z) * std::sqrt(std::min(a, b)) * 1.1e-16);
    }
}

TEST(TrueBeta, OneParameterFarLargerThanTheOther) {
    // The rows of the F windows and their like: a few half degrees of freedom against
    // 1E19 and more, where x close to 1 carries its digits only in 1 - x.
    const struct {
        double small;
        double large;
    } rows[] = {{0.75, 5e18},  {1.4, 1e19}, {55.06, 5.6e19}, {0.05, 3e20},  {0.5, 1e9},
                {0.75, 1e12},  {7.0, 1e15}, {100.0, 1e12},   {1e4, 1e12},   {1e4, 1e15},
                {5e4, 3.6e12}, {9e4, 1e14}, {1e-3, 1e6},     {1e-10, 1e15}, {300.0, 2e9}};
    const std::vector<double> deviations = {-8.0, -3.0, -0.5, 0.0, 0.5, 2.0, 5.0, 12.0};
    for (const auto& row : rows) {
        expectTrueBetaAround(row.small, row.large, deviations);
        expectTrueBetaAround(row.large, row.small, deviations);
    }
}

TEST(TrueBeta, BothParametersLarge) {
    const struct {
        double a;
        double b;
    } rows[] = {{1e5, 1e5},  {1e5, 1.1e5}, {9.9e4, 9.9e4}, {2e5, 7e12},  {1e6, 1e15},   {1e9, 1e9},
                {1e9, 1e15}, {1e12, 1e12}, {3e14, 3e14},   {5e18, 5e18}, {1e15, 2.5e19}};
    // (The 50-digit values take minutes right at the mean of parameters beyond 1E12.)
    const std::vector<double> deviations = {-12.0, -5.0, -1.0, -0.5, 1.0, 5.0};
    for (const auto& row : rows) {
        expectTrueBetaAround(row.a, row.b, deviations);
        expectTrueBetaAround(row.b, row.a, deviations);
    }
    // At the mean of equal parameters the value is 1/2 exactly; close to it, the two sides agree.
    for (const double a : {1e5, 9.9e4, 1e9, 1e15, 5e18, 1e300}) {
        EXPECT_NEAR(regularizedBeta(a, a, 0.5, 0.5), 0.5, 1e-12) << a;
        const double x = 0.5 - 0.3 / std::sqrt(8.0 * a);
        EXPECT_NEAR(regularizedBeta(a, a, x, 1.0 - x) + regularizedBeta(a, a, 1.0 - x, x), 1.0,
                    1e-12)
            << a;
    }
    expectTrueBetaAround(1e5, 1e5, {0.0, 1e-9});
    expectTrueBetaAround(1e9, 1e9, {0.0, 1e-9});
}

TEST(TrueBeta, TailsFarFromTheMean) {
    // Points given outright, x or 1 - x tiny.
    const double parameters[] = {1e-3, 0.5, 2.5, 60.0, 1e4, 1e9};
    for (const double a : parameters)
        for (const double b : parameters)
            for (const double small : {1e-200, 1e-30, 1e-8, 1e-3}) {
                expectTrueBeta(a, b, small, 1.0 - small);
                expectTrueBeta(a, b, 1.0 - small, small);
            }
}

TEST(TrueGamma, BothTailsKeepTheirDigits) {
    // Tiny parameters (chi-square with degrees of freedom close to 0), where the upper tail is
    // about a E1(x) and 1 - P would lose it; and large ones, where log Gamma and a log x cancel.
    const double parameters[] = {1e-300, 1e-30, 1e-10, 1e-3, 0.05, 0.5, 0.999, 1.0,
                                 2.5,    9.99,  10.0,  14.5, 15.0, 100, 1e4,   1e5};
    for (const double a : parameters)
        for (const double x :
             {1e-40, 1e-12, 1e-3, 0.3, 1.9, 5.0, 30.0, 300.0, 0.5 * a, a, a + 1.0, 2.0 * a}) {
            if (!(x > 0.0))
                continue;
            const GammaTails got = gammaTails(a, x);
            const double lower = static_cast<double>(boost::math::gamma_p(Exact(a), Exact(x)));
            const double upper = static_cast<double>(boost::math::gamma_q(Exact(a), Exact(x)));
            const double tolerance = 1e-10 * std::min(lower, upper);
            EXPECT_NEAR(got.lower, lower, tolerance + (lower > 0.5 ? 4e-16 : 0.0))
                << "a " << a << " x " << x;
            EXPECT_NEAR(got.upper, upper, tolerance + (upper > 0.5 ? 4e-16 : 0.0))
                << "a " << a << " x " << x;
        }
}

// ---- The routines at the arguments that gave impossible answers
// ----------------------------------

// P(F' >= f) = I_w(df2/2, df1/2) with w = df2 / (df2 + df1 f), in 50 digits, from whichever of w
// and 1 - w is the smaller.
double trueUpperF(float f, double df1, double df2) {
    const Exact numerator = Exact(df1) * Exact(f);
    const Exact w = Exact(df2) / (Exact(df2) + numerator);
    if (w < 0.5)
        return static_cast<double>(boost::math::ibeta(Exact(df2) / 2, Exact(df1) / 2, w));
    return static_cast<double>(
        boost::math::ibetac(Exact(df1) / 2, Exact(df2) / 2, numerator / (Exact(df2) + numerator)));
}

TEST(TrueDistributions, HugeDegreesOfFreedomGiveTheTrueSingle) {
    const struct {
        float f;
        double df1;
        double df2;
    } rows[] = {
        {50.0f, 1.5, 1e19},                      // 1.7E-17
        {0.1f, 6e20, 1.6},                       // .9998
        {2.0f, 110.12, 111111011111011110111.0}, // 2.4E-9
        {20.25f, 2.8, 2e19 - 1.0},               // 2.1E-12
        {400.0f, 1.5, 1e19 - 1.0},               // 1E-131, below a single: 0
        {1.0f, 1e15 + 0.5, 1e15 + 0.5},          // .5000 and its neighbours
        {1.0000001f, 3e14 + 0.5, 3e14 + 0.5},
        {0.99999994f, 3e14 + 0.5, 3e14 + 0.5},
        {1.5f, 30.5, 1e300},
        {0.7f, 1e300, 2.5},
    };
    for (const auto& row : rows) {
        const double truth = trueUpperF(row.f, row.df1, row.df2);
        EXPECT_NEAR(fProb(row.f, row.df1, row.df2), truth,
                    3.0 * kRounding * truth + std::numeric_limits<float>::denorm_min())
            << "F " << row.f << " df " << row.df1 << ", " << row.df2;
    }
}

TEST(TrueDistributions, ChiSquareWithTinyDegreesOfFreedomIsNotNegative) {
    // The upper tail is about df/2 (-log(x/2)), 8.6E-306 here: 0 as a single, not -5.6E-14.
    EXPECT_EQ(chiSquareProb(6.27e-42f, 1.8e-307), 0.0f);
    // And where it is within a single's range, its digits.
    const double a = 0.5e-6;
    const double truth = static_cast<double>(boost::math::gamma_q(Exact(a), Exact(0.5e-3)));
    EXPECT_NEAR(chiSquareProb(1e-3f, 2.0 * a), truth, 3.0 * kRounding * truth);
}

} // namespace
} // namespace quillon
