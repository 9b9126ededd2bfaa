// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "calculations/distributions/f_distribution.h"

#include "tests/calculations/distributions/distribution_cases.h"

namespace quillon {
namespace {

TEST(FDistribution, fProbability) {
    expectOutcomes(
        fProbability,
        {
            {{"2", "3", "10"}, answer("Probability  = .1780", "F(3,10)=2, p=.1780")},
            {{"2", "1.5", "10"}, answer("Probability  = .1888", "F(1.5,10)=2, p=.1888")},
            {{"0", "1", "1"}, answer("Probability  = 1.0000", "F(1,1)=0, p=1.0000")},
            {{"-2.5", "2", "5"}, answer("Probability  = 1.0000", "F(2,5)=-2.5, p=1.0000")},
            {{"", "3", "10"}, refuse(1)},
            {{"2", "", "10"}, refuse(2)},
            {{"2", ".5", "10"}, refuse(2)},
            {{"2", "3", ""}, refuse(3)},
            {{"2", "3", ".5"}, refuse(3)},
        });
}

TEST(FDistribution, criticalF) {
    expectOutcomes(criticalF,
                   {
                       {{".05", "1", "2"}, answer("F value = 18.513", "F(1,2)=18.513, p=.0500")},
                       {{".05", "3", "10"}, answer("F value = 3.708", "F(3,10)=3.708, p=.0500")},
                       {{".01", "2.5", "7"}, answer("F value = 8.906", "F(2.5,7)=8.906, p=.0100")},
                       {{"1", "3", "10"}, refuse(1)},
                       {{".00001", "3", "10"}, refuse(1)},
                       {{"", "3", "10"}, refuse(1)},
                       {{".05", "", "10"}, refuse(2)},
                       {{".05", "3", ""}, refuse(3)},
                       {{".05", "3", "1"}, refuse(3)},
                   });
}

} // namespace
} // namespace quillon
