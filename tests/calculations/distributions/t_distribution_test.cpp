// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "calculations/distributions/t_distribution.h"

#include "tests/calculations/distributions/distribution_cases.h"

namespace quillon {
namespace {

TEST(TDistribution, tProbability) {
    expectOutcomes(
        tProbability,
        {
            {{"2.228", "10"}, answer("Two-tailed probability = .0500", "t(10)=2.228, p=.0500")},
            {{"-2.228", "10"}, answer("Two-tailed probability = .0500", "t(10)=2.228, p=.0500")},
            // Degrees of freedom stay double: fifteen digits, and a fractional value counts.
            {{"2.228", "10.123456789"},
             answer("Two-tailed probability = .0497", "t(10.123456789)=2.228, p=.0497")},
            {{"2", "2.5"}, answer("Two-tailed probability = .1574", "t(2.5)=2, p=.1574")},
            // Above 999 the steps count the df as 999 (.0458 here), 2.2E-4 off: the true value.
            // The df is copied as typed.
            {{"2", "5000"}, answer("Two-tailed probability = .0456", "t(5000)=2, p=.0456")},
            {{"", "10"}, refuse(1)},
            {{"0", "10"}, refuse(1)},
            {{"2.228", ""}, refuse(2)},
            {{"2.228", "0.5"}, refuse(2)},
        });
}

TEST(TDistribution, criticalT) {
    expectOutcomes(criticalT,
                   {
                       {{".05", "10"}, answer("t value = 2.228", "t(10)=2.228, p=.0500")},
                       {{".01", "5"}, answer("t value = 4.032", "t(5)=4.032, p=.0100")},
                       {{".05", "2.5"}, answer("t value = 3.575", "t(2.5)=3.575, p=.0500")},
                       {{".00009", "10"}, refuse(1)},
                       {{"1", "10"}, refuse(1)},
                       {{"", "10"}, refuse(1)},
                       {{".05", ""}, refuse(2)},
                       {{".05", ".99"}, refuse(2)},
                   });
}

// With one degree of freedom the series' probability falls to 0 once t squared reaches 2^25, near
// 5792.6; the true tail answers there, and the search goes on to the true 6366.198. Past 2048 a
// step of .0001 no longer moves a single: the search ends on the .001 grid. At .001 the series
// answers, its x rounded to a single: 635.822, .13% short of the true 636.619; the search on the
// true tail answers instead.
TEST(TDistribution, criticalTWithOneDegreeOfFreedom) {
    expectOutcomes(criticalT,
                   {
                       {{".0001", "1"}, answer("t value = 6366.198", "t(1)=6366.198, p=.0001")},
                       {{".001", "1"}, answer("t value = 636.619", "t(1)=636.619, p=.0010")},
                   });
}

TEST(TDistribution, tRangeProbability) {
    expectOutcomes(
        tRangeProbability,
        {
            // Symmetric about the mean: 1 minus the two-tailed probability of t = 1, 10 df.
            {{"50", "10", "11", "40", "60"},
             rangeAnswered("Mean=50, SD=10 (N=11)", "40 - 60", ".6591", ".3409")},
            // A limit at the mean adds nothing: t = 0 has probability 1.
            {{"50", "10", "11", "50", "60"},
             rangeAnswered("Mean=50, SD=10 (N=11)", "50 - 60", ".3296", ".6704")},
            {{"", "10", "11", "40", "60"}, refuse(1)},
            {{"50", "", "11", "40", "60"}, refuse(2)},
            {{"50", "0", "11", "40", "60"}, refuse(2)},
            {{"50", "10", "", "40", "60"}, refuse(3)},
            {{"50", "10", "1", "40", "60"}, refuse(3)},
            {{"50", "10", "11", "", "60"}, refuse(4)},
            {{"50", "10", "11", "40", ""}, refuse(5)},
            // Checked in order: the SD before the sample size.
            {{"50", "-1", "1", "40", "60"}, refuse(2)},
        });
}

TEST(TDistribution, OverflowReachesTheWindowAsAnArithmeticError) {
    expectFaults(tRangeProbability,
                 {{{"0", "1E-30", "11", "-1E10", "1"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
