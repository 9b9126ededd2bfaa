// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "calculations/distributions/normal_distribution.h"

#include "tests/calculations/distributions/distribution_cases.h"

namespace quillon {
namespace {

TEST(NormalDistribution, zProbability) {
    expectOutcomes(zProbability,
                   {
                       {{"1.96"}, answer("Two-tailed probability = .0500", "z=1.96, p=.0500")},
                       {{"-1.96"}, answer("Two-tailed probability = .0500", "z=1.96, p=.0500")},
                       {{"-1.5"}, answer("Two-tailed probability = .1336", "z=1.5, p=.1336")},
                       {{"7"}, answer("Two-tailed probability = .0000", "z=7, p=.0000")},
                       {{""}, refuse(1)},
                       {{"0"}, refuse(1)},
                       {{"abc"}, refuse(1)},
                   });
}

TEST(NormalDistribution, criticalZ) {
    expectOutcomes(criticalZ,
                   {
                       {{".05"}, answer("z value = 1.960", "z=1.960, p=.0500")},
                       {{".01"}, answer("z value = 2.576", "z=2.576, p=.0100")},
                       {{".0001"}, answer("z value = 3.891", "z=3.891, p=.0001")},
                       // The grid point .6744999 is printed from its seven digits, 0.6745000.
                       {{".5"}, answer("z value = 0.675", "z=0.675, p=.5000")},
                       {{".9998"}, answer("z value = 0.000", "z=0.000, p=.9998")},
                       // The first probe already meets the target: z = 0, never below it.
                       {{".9999"}, answer("z value = 0.000", "z=0.000, p=.9999")},
                       {{".00009"}, refuse(1)},
                       {{"1"}, refuse(1)},
                       {{""}, refuse(1)},
                   });
}

TEST(NormalDistribution, zRangeProbability) {
    expectOutcomes(
        zRangeProbability,
        {
            {{"100", "15", "85", "115"},
             rangeAnswered("Mean=100 (SD=15)", "85 - 115", ".6827", ".3173")},
            {{"100", "15", "115", "85"},
             rangeAnswered("Mean=100 (SD=15)", "115 - 85", ".6827", ".3173")},
            // Both limits above the mean: the difference of the two areas.
            {{"100", "15", "115", "130"},
             rangeAnswered("Mean=100 (SD=15)", "115 - 130", ".1359", ".8641")},
            // A limit at the mean adds half of 1 - .9999, the largest normal probability given.
            {{"100", "15", "100", "129.4"},
             rangeAnswered("Mean=100 (SD=15)", "100 - 129.4", ".4751", ".5249")},
            {{"100", "15", "100", "100"},
             rangeAnswered("Mean=100 (SD=15)", "100 - 100", ".0000", "1.0000")},
            {{"-.5", "2.5", "-1", "0"},
             rangeAnswered("Mean=-.5 (SD=2.5)", "-1 - 0", ".1585", ".8415")},
            {{"", "15", "85", "115"}, refuse(1)},
            {{"100", "", "85", "115"}, refuse(2)},
            {{"100", "15", "", "115"}, refuse(3)},
            {{"100", "15", "85", ""}, refuse(4)},
            {{"100", "0", "85", "115"}, refuse(2)},
            {{"100", "-15", "85", "115"}, refuse(2)},
            // Emptiness of every box is checked before the SD's value.
            {{"100", "0", "85", ""}, refuse(4)},
        });
}

TEST(NormalDistribution, OverflowReachesTheWindowAsAnArithmeticError) {
    expectFaults(zRangeProbability, {
                                        // a mean beyond the single range
                                        {{"1E39", "15", "85", "115"}, ArithmeticFault::Overflow},
                                        // a deviate beyond it
                                        {{"0", "1E-30", "-1E10", "115"}, ArithmeticFault::Overflow},
                                    });
    expectFaults(zProbability, {{{"1E39"}, ArithmeticFault::Overflow}});
}

} // namespace
} // namespace quillon
