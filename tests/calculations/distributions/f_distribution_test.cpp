// Expected texts were worked out apart from the program: true distribution values (incomplete beta
// and gamma functions at high precision) or the normal-tail polynomial, on a grid of
// single-precision additions, printed by the number patterns' rounding.
#include "calculations/distributions/f_distribution.h"
#include "calculations/distributions/t_distribution.h"

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
            // Degrees of freedom far beyond the tables: the true tail (1.7E-17, .9998, 2.4E-9),
            // never below 0 or above 1.
            {{"50", "1.5", "10000000000000000000"},
             answer("Probability  = .0000", "F(1.5,1E+19)=50, p=.0000")},
            {{".1", "600000000000000000000", "1.6"},
             answer("Probability  = .9998", "F(6E+20,1.6)=.1, p=.9998")},
            {{"2", "110.12", "111111011111011110111"},
             answer("Probability  = .0000", "F(110.12,1.11111011111011E+20)=2, p=.0000")},
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

// With 2 denominator degrees of freedom and thousands in the numerator the series' x keeps only
// its last unit below 1 from an F of a few thousand on and rounds to 1 beyond: its results there
// are noise (.000148 where the true tail is .0001, then 0), and the true tail answers. True
// critical values: 9999.499 for 1000, 9999.500 for the others. With 1000 the series still
// answers near the target, its x rounded to three units: 9586.979, 4% short; the search on the
// true tail answers instead.
TEST(FDistribution, criticalFWhereTheSeriesLosesItsDigits) {
    expectOutcomes(
        criticalF,
        {
            {{".0001", "1000", "2"}, answer("F value = 9999.499", "F(1000,2)=9999.499, p=.0001")},
            {{".0001", "5000", "2"}, answer("F value = 9999.500", "F(5000,2)=9999.500, p=.0001")},
            {{".0001", "20000", "2"}, answer("F value = 9999.500", "F(20000,2)=9999.500, p=.0001")},
            {{".0001", "65535", "2"}, answer("F value = 9999.500", "F(65535,2)=9999.500, p=.0001")},
        });
}

// A critical value found where the target is small is never printed beside a probability of
// .0000: the search stops where the probability is at or below the target, and the routines give
// no noise there. Above 65535 degrees of freedom with 2 or 4 in the denominator the approximation
// never falls to .0001 within the search's reach; the search on the true tail answers there.
TEST(FDistribution, CriticalValuesAreNeverPrintedBesideAProbabilityOfZero) {
    const char* const targets[] = {".0001", ".00015", ".0002", ".0005", ".001"};
    const char* const numerators[] = {"1",    "3",     "10",    "100",   "999",   "1000", "3355",
                                      "5000", "20000", "32767", "65535", "65536", "2.5",  "1000.5"};
    const char* const denominators[] = {"2", "3", "4", "5", "7", "10", "100", "65535", "70000"};
    for (const char* target : targets) {
        for (const char* df1 : numerators)
            for (const char* df2 : denominators) {
                const std::vector<std::string> inputs = {target, df1, df2};
                try {
                    const Outcome outcome = criticalF(inputs);
                    const Answer& found = std::get<Answer>(outcome);
                    EXPECT_EQ(found.clipboard->find("p=.0000"), std::string::npos)
                        << *found.clipboard;
                } catch (const ArithmeticError&) {
                    ADD_FAILURE() << "no answer for " << target << ", " << df1 << ", " << df2;
                }
            }
        for (const char* df : {"1", "2", "3", "5", "30", "999", "5000", "1.5"}) {
            const std::vector<std::string> inputs = {target, df};
            const Answer found = std::get<Answer>(criticalT(inputs));
            EXPECT_EQ(found.clipboard->find("p=.0000"), std::string::npos) << *found.clipboard;
        }
    }
}

// Above 65535 degrees of freedom, numerator or denominator, the series' 16-bit pass counter
// overflows and the normal approximation answers: 19.537 and 2.965 at .05 with 2 and more than
// 65535, .2% and 1% off. With 65535 the series answers, with its x rounded to a single or the
// rounding of 32,767 steps: 19.321 and 2.993, .9% and .1% short. The search on the true tail
// answers each of them.
TEST(FDistribution, criticalFSeriesUpTo65535DegreesOfFreedom) {
    expectOutcomes(
        criticalF,
        {
            {{".05", "65535", "2"}, answer("F value = 19.496", "F(65535,2)=19.496, p=.0500")},
            {{".05", "65536", "2"}, answer("F value = 19.496", "F(65536,2)=19.496, p=.0500")},
            {{".05", "2", "65535"}, answer("F value = 2.996", "F(2,65535)=2.996, p=.0500")},
            {{".05", "2", "65536"}, answer("F value = 2.996", "F(2,65536)=2.996, p=.0500")},
        });
}

} // namespace
} // namespace quillon
