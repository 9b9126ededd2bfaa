// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "calculations/distributions/chi_square_distribution.h"

#include "tests/calculations/distributions/distribution_cases.h"

namespace quillon {
namespace {

TEST(ChiSquareDistribution, chiSquareProbability) {
    expectOutcomes(chiSquareProbability,
                   {
                       {{"3.84", "1"}, answer("Probability = .0500", "X2(1)=3.84, p=.0500")},
                       {{"-3.84", "1"}, answer("Probability = .0500", "X2(1)=3.84, p=.0500")},
                       {{"20", "2.5"}, answer("Probability = .0001", "X2(2.5)=20, p=.0001")},
                       {{".3", "100"}, answer("Probability = 1.0000", "X2(100)=.3, p=1.0000")},
                       {{"", "1"}, refuse(1)},
                       {{"0", "1"}, refuse(1)},
                       {{"3.84", ""}, refuse(2)},
                       {{"3.84", ".5"}, refuse(2)},
                   });
}

TEST(ChiSquareDistribution, criticalChiSquare) {
    expectOutcomes(
        criticalChiSquare,
        {
            // The .0001 grid reaches 3.841499, whose seven digits round down.
            {{".05", "1"}, answer("Chi-square value = 3.841", "X2(1)=3.841, p=.0500")},
            {{".01", "10"}, answer("Chi-square value = 23.209", "X2(10)=23.209, p=.0100")},
            {{".05", "2.5"}, answer("Chi-square value = 6.928", "X2(2.5)=6.928, p=.0500")},
            {{"1", "1"}, refuse(1)},
            {{".00001", "1"}, refuse(1)},
            {{"", "1"}, refuse(1)},
            {{".05", ""}, refuse(2)},
            {{".05", ".5"}, refuse(2)},
            {{".05", "100001"}, refuse(2)},
        });
}

// The largest df accepted still ends, near the normal approximation's 100736.5.
TEST(ChiSquareDistribution, criticalChiSquareAtTheLargestDegreesOfFreedom) {
    const std::vector<std::string> inputs = {".05", "100000"};
    const Outcome outcome = criticalChiSquare(inputs);
    ASSERT_TRUE(std::holds_alternative<Answer>(outcome)) << describeOutcome(outcome);
    EXPECT_NEAR(answeredNumber(outcome), 100736.5, 2.0);
}

} // namespace
} // namespace quillon
