// The effect sizes and intervals of the count tests against R (counts_effects_values.R writes the
// rows), their identities, the inputs for which they are not defined, and their speed.
#include "calculations/report/binomial_effects.h"
#include "calculations/report/contingency_effects.h"
#include "calculations/report/fisher_exact_effects.h"
#include "calculations/report/poisson_effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace quillon::report {
namespace {

// A value R reports as infinite or missing: the report says "not defined" instead.
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kRelative = 1e-6;

void expectMatches(const DefinedNumber& value, double expected, const std::string& what) {
    SCOPED_TRACE(what);
    if (std::isnan(expected)) {
        EXPECT_FALSE(value.isDefined());
        EXPECT_EQ(value.reason().rfind("not defined: ", 0), 0u) << value.reason();
        return;
    }
    ASSERT_TRUE(value.isDefined()) << value.reason();
    EXPECT_NEAR(value.value(), expected, kRelative * std::abs(expected) + 1e-300);
}

struct ContingencyCase {
    std::vector<std::vector<double>> counts;
    double level, chiSquare, v, oddsRatio, orLower, orUpper, risk, riskLower, riskUpper;
};

const ContingencyCase kContingencyCases[] = {
    {{{12, 5}, {7, 9}},
     0.95,
     2.4305755196815575,
     0.27139234260883977,
     3.0857142857142859,
     0.73352964713776092,
     12.980569620075636,
     1.6134453781512605,
     0.85527987870925681,
     3.0436890345254994},
    {{{12, 5}, {7, 9}},
     0.9,
     2.4305755196815575,
     0.27139234260883977,
     3.0857142857142859,
     0.92412432474267769,
     10.303410913582997,
     1.6134453781512605,
     0.9471632553063889,
     2.7484237523926942},
    {{{189, 10845}, {104, 10933}},
     0.95,
     25.013883967194161,
     0.033665072965108796,
     1.8320539419087136,
     1.4400423918486225,
     2.33077975000064,
     1.8178017944535074,
     1.433030903050563,
     2.305884232422446},
    {{{189, 10845}, {104, 10933}},
     0.9,
     25.013883967194161,
     0.033665072965108796,
     1.8320539419087136,
     1.4968774223586223,
     2.2422822309488502,
     1.8178017944535074,
     1.4888879383819271,
     2.2193768105271277},
    {{{20, 15, 10}, {30, 25, 40}, {12, 18, 30}},
     0.95,
     10.684955343494073,
     0.16343924974967053,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone},
    {{{20, 15, 10}, {30, 25, 40}, {12, 18, 30}},
     0.9,
     10.684955343494073,
     0.16343924974967053,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone},
    {{{8, 14, 3}, {11, 6, 9}},
     0.95,
     6.6566356275303642,
     0.36127865589663294,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone},
    {{{8, 14, 3}, {11, 6, 9}},
     0.9,
     6.6566356275303642,
     0.36127865589663294,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone,
     kNone},
    {{{1e+30, 2e+30}, {2.9999999999999998e+30, 1e+30}},
     0.95,
     1.2152777777777771e+30,
     0.41666666666666657,
     0.16666666666666669,
     0.16666666666666613,
     0.16666666666666724,
     0.44444444444444448,
     0.44444444444444375,
     0.44444444444444525},
    {{{1e+30, 2e+30}, {2.9999999999999998e+30, 1e+30}},
     0.9,
     1.2152777777777771e+30,
     0.41666666666666657,
     0.16666666666666669,
     0.16666666666666624,
     0.16666666666666713,
     0.44444444444444448,
     0.44444444444444386,
     0.44444444444444514},
};

TEST(ContingencyEffects, MatchesR) {
    for (const auto& row : kContingencyCases) {
        SCOPED_TRACE(row.counts[0][0]);
        const auto effects = contingencyEffects(row.counts, row.level);
        expectMatches(effects.chiSquare, row.chiSquare, "chi-square");
        expectMatches(effects.cramersV, row.v, "V");
        expectMatches(effects.oddsRatio, row.oddsRatio, "odds ratio");
        expectMatches(effects.oddsRatioInterval.lower, row.orLower, "odds ratio lower");
        expectMatches(effects.oddsRatioInterval.upper, row.orUpper, "odds ratio upper");
        expectMatches(effects.relativeRisk, row.risk, "relative risk");
        expectMatches(effects.relativeRiskInterval.lower, row.riskLower, "risk lower");
        expectMatches(effects.relativeRiskInterval.upper, row.riskUpper, "risk upper");
    }
}

TEST(ContingencyEffects, IntervalsHoldTheirEstimatesAndVStaysInZeroToOne) {
    const std::vector<std::vector<std::vector<double>>> tables = {
        {{1, 1}, {1, 1}},
        {{50, 0}, {0, 50}},
        {{3, 7}, {9, 2}},
        {{1e38, 1}, {1, 1e38}},
        {{1, 2, 3}, {4, 5, 6}, {7, 8, 1e38}}};
    for (const auto& table : tables) {
        const auto effects = contingencyEffects(table);
        ASSERT_TRUE(effects.cramersV.isDefined()) << effects.cramersV.reason();
        EXPECT_GE(effects.cramersV.value(), 0.0);
        EXPECT_LE(effects.cramersV.value(), 1.0);
        if (effects.oddsRatio.isDefined() && effects.oddsRatioInterval.lower.isDefined() &&
            effects.oddsRatioInterval.upper.isDefined()) {
            EXPECT_LE(effects.oddsRatioInterval.lower.value(), effects.oddsRatio.value());
            EXPECT_GE(effects.oddsRatioInterval.upper.value(), effects.oddsRatio.value());
        }
        if (effects.relativeRisk.isDefined() && effects.relativeRiskInterval.lower.isDefined()) {
            EXPECT_LE(effects.relativeRiskInterval.lower.value(), effects.relativeRisk.value());
            EXPECT_GE(effects.relativeRiskInterval.upper.value(), effects.relativeRisk.value());
        }
    }
    // A perfectly associated 2 x 2 table has phi 1.
    EXPECT_DOUBLE_EQ(contingencyEffects({{50, 0}, {0, 50}}).cramersV.value(), 1.0);
}

struct NotDefinedCase {
    std::vector<std::vector<double>> counts;
    bool vDefined, oddsDefined, riskDefined;
    std::string reason; // of the first quantity not defined
};

TEST(ContingencyEffects, SaysWhyAQuantityIsNotDefined) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const NotDefinedCase cases[] = {
        {{{0, 5}, {3, 4}}, true, false, false, "not defined: a cell is 0"},
        {{{5, 0}, {3, 4}}, true, false, true, "not defined: a cell is 0"},
        {{{5, 2}, {3, 0}}, true, false, true, "not defined: a cell is 0"},
        {{{0, 0}, {3, 4}}, false, false, false, "not defined: a row or column total is 0"},
        {{{-1, 2}, {3, 4}}, false, false, false, "not defined: a count is negative"},
        {{{nan, 2}, {3, 4}}, false, false, false, "not defined: a count is not a number"},
        {{{1, 2, 3}},
         false,
         false,
         false,
         "not defined: the table needs at least two rows and two columns"},
        {{{1, 2}, {3}}, false, false, false, "not defined: the rows are not of one length"},
        {{}, false, false, false, "not defined: the table needs at least two rows and two columns"},
    };
    for (const auto& row : cases) {
        const auto effects = contingencyEffects(row.counts);
        EXPECT_EQ(effects.cramersV.isDefined(), row.vDefined);
        EXPECT_EQ(effects.oddsRatio.isDefined(), row.oddsDefined);
        EXPECT_EQ(effects.oddsRatioInterval.upper.isDefined(), row.oddsDefined);
        EXPECT_EQ(effects.relativeRisk.isDefined(), row.riskDefined);
        EXPECT_EQ(effects.relativeRiskInterval.lower.isDefined(), row.riskDefined);
        const auto& first = row.vDefined ? effects.oddsRatio : effects.cramersV;
        EXPECT_EQ(first.reason(), row.reason);
    }
    const auto badLevel = contingencyEffects({{3, 4}, {5, 6}}, 1.0);
    EXPECT_TRUE(badLevel.oddsRatio.isDefined());
    EXPECT_FALSE(badLevel.oddsRatioInterval.lower.isDefined());
    EXPECT_EQ(badLevel.relativeRiskInterval.upper.reason(), badLevelReason);
}

struct FisherCase {
    double a, b, c, d, level, point, less, greater, twoSided, oddsRatio, lower, upper;
};

const FisherCase kFisherCases[] = {
    {5, 5, 5, 5, 0.95, 0.34371820130334069, 0.67185910065167043, 0.67185910065167032, 1, 1,
     0.12591482400347193, 7.9418766449010603},
    {5, 5, 5, 5, 0.99, 0.34371820130334069, 0.67185910065167043, 0.67185910065167032, 1, 1,
     0.071595623835406894, 13.967334125042722},
    {2, 8, 8, 2, 0.95, 0.010960401827274872, 0.011507068782610555, 0.99945333304466433,
     0.02301413756522111, 0.075457035562371447, 0.0041741878569790001, 0.76365231118704924},
    {2, 8, 8, 2, 0.99, 0.010960401827274872, 0.011507068782610555, 0.99945333304466433,
     0.02301413756522111, 0.075457035562371447, 0.0016932292117781407, 1.2961858531429848},
    {3, 1, 1, 3, 0.95, 0.22857142857142862, 0.98571428571428577, 0.24285714285714288,
     0.48571428571428582, 6.4083196581996713, 0.21173559544657847, 626.24353058881354},
    {3, 1, 1, 3, 0.99, 0.22857142857142862, 0.98571428571428577, 0.24285714285714288,
     0.48571428571428582, 6.4083196581996713, 0.096511081307906768, 3186.2487256742138},
    {10, 2, 3, 15, 0.95, 0.00044969996204905144, 0.99998451901868612, 0.00046518094336290585,
     0.00053672411914343593, 21.305317556750314, 2.7533827882493234, 301.46233797151388},
    {10, 2, 3, 15, 0.99, 0.00044969996204905144, 0.99998451901868612, 0.00046518094336290585,
     0.00053672411914343593, 21.305317556750314, 1.7275577347785294, 728.94090760592564},
    {1, 0, 0, 1, 0.95, 0.50000000000000011, 1, 0.49999999999999989, 1, kNone, 0.025641025641025727,
     kNone},
    {1, 0, 0, 1, 0.99, 0.50000000000000011, 1, 0.49999999999999989, 1, kNone, 0.0050251256281559466,
     kNone},
    {0, 5, 5, 0, 0.95, 0.003968253968253968, 0.003968253968253968, 1, 0.0079365079365079395, 0, 0,
     0.43534120574506358},
    {0, 5, 5, 0, 0.99, 0.003968253968253968, 0.003968253968253968, 1, 0.0079365079365079395, 0, 0,
     0.91058955967639021},
    {5, 0, 0, 5, 0.95, 0.003968253968253968, 1, 0.003968253968253968, 0.0079365079365079395, kNone,
     2.297048813214345, kNone},
    {5, 0, 0, 5, 0.99, 0.003968253968253968, 1, 0.003968253968253968, 0.0079365079365079395, kNone,
     1.098189617235876, kNone},
    {2, 7, 8, 2, 0.95, 0.017536642923639819, 0.018521725952066501, 0.9990149169715733,
     0.023014137565221159, 0.085852399951248382, 0.0046735742421036685, 0.89577364248771296},
    {2, 7, 8, 2, 0.99, 0.017536642923639819, 0.018521725952066501, 0.9990149169715733,
     0.023014137565221159, 0.085852399951248382, 0.00189426910243381, 1.5366990250953145},
    {120, 80, 90, 110, 0.95, 0.00088076601075918126, 0.99906317323281846, 0.0018175927779407195,
     0.0036351855558814389, 1.8305149902234894, 1.2089753687625284, 2.7814290891996776},
    {120, 80, 90, 110, 0.99, 0.00088076601075918126, 0.99906317323281846, 0.0018175927779407195,
     0.0036351855558814389, 1.8305149902234894, 1.0687419053708969, 3.1560349186013963},
    {500, 480, 470, 530, 0.95, 0.007243133475804092, 0.96670091432765015, 0.040542219148153889,
     0.079525179644400118, 1.1745497953079427, 0.98081634011680696, 1.4067848528074114},
    {500, 480, 470, 530, 0.99, 0.007243133475804092, 0.96670091432765015, 0.040542219148153889,
     0.079525179644400118, 1.1745497953079427, 0.92800675715205394, 1.4870696998941262},
    {0, 10, 3, 7, 0.95, 0.10526315789473684, 0.10526315789473684, 1, 0.2105263157894737, 0, 0,
     2.2552275858089139},
    {0, 10, 3, 7, 0.99, 0.10526315789473684, 0.10526315789473684, 1, 0.2105263157894737, 0, 0,
     4.6493573707336688},
};

TEST(FisherExactEffects, MatchesR) {
    for (const auto& row : kFisherCases) {
        SCOPED_TRACE(testing::Message() << row.a << " " << row.b << " " << row.c << " " << row.d
                                        << " at " << row.level);
        const auto effects = fisherExactEffects(row.a, row.b, row.c, row.d, row.level);
        expectMatches(effects.pointProbability, row.point, "point");
        expectMatches(effects.pLess, row.less, "less");
        expectMatches(effects.pGreater, row.greater, "greater");
        expectMatches(effects.pTwoSided, row.twoSided, "two-sided");
        expectMatches(effects.oddsRatio, row.oddsRatio, "odds ratio");
        expectMatches(effects.oddsRatioInterval.lower, row.lower, "lower");
        expectMatches(effects.oddsRatioInterval.upper, row.upper, "upper");
    }
}

TEST(FisherExactEffects, TeaTastingTwoSidedP) {
    EXPECT_NEAR(fisherExactEffects(3, 1, 1, 3).pTwoSided.value(), 0.4857, 5e-5);
}

TEST(FisherExactEffects, PValuesAndIntervalKeepTheirOrder) {
    const double tables[][4] = {{3, 1, 1, 3},        {0, 0, 4, 5},     {7, 0, 2, 9},
                                {1, 30, 29, 2},      {25, 25, 25, 25}, {40000, 10000, 10000, 40000},
                                {0, 50000, 50000, 0}};
    for (const auto& t : tables) {
        SCOPED_TRACE(t[0]);
        const auto effects = fisherExactEffects(t[0], t[1], t[2], t[3]);
        ASSERT_TRUE(effects.pTwoSided.isDefined()) << effects.pTwoSided.reason();
        EXPECT_GE(effects.pTwoSided.value(), effects.pointProbability.value());
        EXPECT_LE(effects.pTwoSided.value(), 1.0);
        // The two tails overlap in the observed table.
        EXPECT_NEAR(effects.pLess.value() + effects.pGreater.value() -
                        effects.pointProbability.value(),
                    1.0, 1e-9);
        if (effects.oddsRatio.isDefined() && effects.oddsRatioInterval.upper.isDefined()) {
            EXPECT_LE(effects.oddsRatioInterval.lower.value(), effects.oddsRatio.value());
            EXPECT_GE(effects.oddsRatioInterval.upper.value(), effects.oddsRatio.value());
        }
    }
}

TEST(FisherExactEffects, SaysWhyItIsNotDefined) {
    const struct {
        double a, b, c, d;
        std::string reason;
    } cases[] = {
        {0, 0, 0, 0, "not defined: the table is empty"},
        {-1, 2, 3, 4, "not defined: a cell is not a whole number of at least 0"},
        {1.5, 2, 3, 4, "not defined: a cell is not a whole number of at least 0"},
        {std::numeric_limits<double>::infinity(), 2, 3, 4,
         "not defined: a cell is not a whole number of at least 0"},
        {1e30, 1e30, 1e38, 1, "not defined: the total is above 100000"},
    };
    for (const auto& row : cases) {
        const auto effects = fisherExactEffects(row.a, row.b, row.c, row.d);
        for (const auto* value : {&effects.pTwoSided, &effects.pLess, &effects.oddsRatio,
                                  &effects.oddsRatioInterval.lower})
            EXPECT_EQ(value->reason(), row.reason);
    }
}

struct BinomialCase {
    double n, x, p, level, lower, upper, twoSided;
};

const BinomialCase kBinomialCases[] = {
    {10, 3, 0.5, 0.95, 0.066739511177734495, 0.65245285005999731, 0.34375000000000011},
    {10, 3, 0.5, 0.9, 0.087264433914150272, 0.60662421610541339, 0.34375000000000011},
    {10, 8, 0.5, 0.95, 0.4439045376923586, 0.97478927367316659, 0.10937499999999994},
    {10, 8, 0.5, 0.9, 0.49309869893679764, 0.96322856211253494, 0.10937499999999994},
    {10, 5, 0.5, 0.95, 0.18708602844739858, 0.81291397155260148, 1},
    {10, 5, 0.5, 0.9, 0.22244110100812908, 0.77755889899187092, 1},
    {925, 682, 0.75, 0.95, 0.70766826407903904, 0.76540655824152526, 0.38249155957485192},
    {925, 682, 0.75, 0.9, 0.71241292443654824, 0.76105527468954515, 0.38249155957485192},
    {20, 0, 0.29999999999999999, 0.95, 0, 0.16843347098308536, 0.0010589696700355855},
    {20, 0, 0.29999999999999999, 0.9, 0, 0.13910834066826516, 0.0010589696700355855},
    {20, 20, 0.29999999999999999, 0.95, 0.83156652901691464, 1, 3.4867844009999923e-11},
    {20, 20, 0.29999999999999999, 0.9, 0.86089165933173484, 1, 3.4867844009999923e-11},
    {2000, 1100, 0.5, 0.95, 0.52788685807974589, 0.57196634406071689, 8.4570895355039471e-06},
    {2000, 1100, 0.5, 0.9, 0.53140653533018845, 0.56848483331519706, 8.4570895355039471e-06},
    {50, 3, 0.20000000000000001, 0.95, 0.012548587835334061, 0.16548194660377291,
     0.011917135597017944},
    {50, 3, 0.20000000000000001, 0.9, 0.016551859189231344, 0.14783717636418126,
     0.011917135597017944},
    {1000000, 300000, 0.30009999999999998, 0.95, 0.2991019119335821, 0.30089924664225376,
     0.82812565493780843},
    {1000000, 300000, 0.30009999999999998, 0.9, 0.2992461617632064, 0.30075469376517017,
     0.82812565493780843},
    {37, 9, 0.1234, 0.95, 0.1177251743071079, 0.41199169242391387, 0.040426995763823526},
    {37, 9, 0.1234, 0.9, 0.13318109964348585, 0.3860808724214162, 0.040426995763823526},
};

TEST(BinomialEffects, MatchesR) {
    for (const auto& row : kBinomialCases) {
        SCOPED_TRACE(testing::Message() << row.n << " " << row.x << " " << row.p);
        const auto effects = binomialEffects(row.n, row.x, row.p, row.level);
        expectMatches(effects.proportion, row.x / row.n, "proportion");
        expectMatches(effects.proportionInterval.lower, row.lower, "lower");
        expectMatches(effects.proportionInterval.upper, row.upper, "upper");
        expectMatches(effects.pTwoSided, row.twoSided, "two-sided");
    }
}

struct PoissonCase {
    double x, expected, level, lower, upper, twoSided;
};

const PoissonCase kPoissonCases[] = {
    {137, 24.198930000000001, 0.95, 115.02053443379853, 161.95640468807335, 2.8452272641144545e-56},
    {137, 24.198930000000001, 0.99, 108.72968546245772, 170.13382912649408, 2.8452272641144545e-56},
    {2, 5, 0.95, 0.24220927854396501, 7.2246876677239582, 0.25802369355308846},
    {2, 5, 0.99, 0.1034945467480911, 9.2737920892555437, 0.25802369355308846},
    {10, 5, 0.95, 4.7953886961324343, 18.390356042017778, 0.03856600430529028},
    {10, 5, 0.99, 3.716922131467117, 21.397827499654266, 0.03856600430529028},
    {0, 3, 0.95, 0, 3.6888794541139354, 0.08329560367670516},
    {0, 3, 0.99, 0, 5.2983173665480354, 0.08329560367670516},
    {5, 5, 0.95, 1.6234863901184209, 11.668332079322667, 1},
    {5, 5, 0.99, 1.0779282406523196, 14.149759411023012, 1},
    {1100, 1000, 0.95, 1035.9476235188322, 1166.9761017705857, 0.0018363201157628648},
    {1100, 1000, 0.99, 1016.4483078234408, 1188.3467488196941, 0.0018363201157628648},
    {3, 0.5, 0.95, 0.61867212289560158, 8.7672730697423233, 0.014387677966970687},
    {3, 0.5, 0.99, 0.33786338872773342, 10.977477495329765, 0.014387677966970687},
    {40, 61.700000000000003, 0.95, 28.576586441788969, 54.468646963984071, 0.0041106203070131828},
    {40, 61.700000000000003, 0.99, 25.58596594522259, 59.363067206817064, 0.0041106203070131828},
    {1000000, 1001000, 0.95, 998040.98334029387, 1001961.9119454322, 0.31779436868190608},
    {1000000, 1001000, 0.99, 997426.04902124079, 1002578.7088640063, 0.31779436868190608},
};

TEST(PoissonEffects, MatchesR) {
    for (const auto& row : kPoissonCases) {
        SCOPED_TRACE(testing::Message() << row.x << " against " << row.expected);
        const auto effects = poissonEffects(row.x, row.expected, row.level);
        expectMatches(effects.countInterval.lower, row.lower, "lower");
        expectMatches(effects.countInterval.upper, row.upper, "upper");
        expectMatches(effects.pTwoSided, row.twoSided, "two-sided");
    }
}

TEST(CountEffects, HugeAndBadInputsGiveNumbersOrReasons) {
    const auto check = [](const DefinedNumber& value, const std::string& what) {
        SCOPED_TRACE(what);
        if (value.isDefined())
            EXPECT_TRUE(std::isfinite(value.value()));
        else
            EXPECT_EQ(value.reason().rfind("not defined: ", 0), 0u) << value.reason();
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double binomials[][3] = {
        {1e30, 5e29, 0.5}, {1e38, 1, 0.0001}, {1e15, 1e15, 0.9999}, {1e15, 1, 0.0001}, {0, 0, 0.5},
        {10, 11, 0.5},     {10, 3, 1.5},      {10, 3, nan},         {2.5, 1, 0.5},     {1, 1, 0}};
    for (const auto& b : binomials) {
        const auto effects = binomialEffects(b[0], b[1], b[2]);
        check(effects.proportion, "proportion");
        check(effects.proportionInterval.lower, "lower");
        check(effects.proportionInterval.upper, "upper");
        check(effects.pTwoSided, "binomial p");
    }
    EXPECT_EQ(binomialEffects(1e30, 5e29, 0.5).proportionInterval.upper.reason(),
              "not defined: more than 1E15 trials");
    EXPECT_EQ(poissonEffects(1e38, 1).pTwoSided.reason(),
              "not defined: the observed count is above 1E9");
    EXPECT_EQ(binomialEffects(10, 11, 0.5).pTwoSided.reason(),
              "not defined: the successes are not a whole number from 0 to the trials");
    const double poissons[][2] = {{1e30, 1e30},   {1e38, 1}, {0, 1e38}, {1e9, 1e38},
                                  {32767, 1e-30}, {5, 0},    {0, 0},    {-1, 3},
                                  {2.5, 3},       {3, -1},   {3, nan}};
    for (const auto& p : poissons) {
        const auto effects = poissonEffects(p[0], p[1]);
        check(effects.countInterval.lower, "lower");
        check(effects.countInterval.upper, "upper");
        check(effects.pTwoSided, "poisson p");
    }
    EXPECT_EQ(poissonEffects(5, 0).pTwoSided.value(), 0.0);
    EXPECT_EQ(poissonEffects(0, 0).pTwoSided.value(), 1.0);
    EXPECT_EQ(poissonEffects(2.5, 3).pTwoSided.reason(),
              "not defined: the observed count is not a whole number of at least 0");
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kInstrumented = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kInstrumented = true;
#else
constexpr bool kInstrumented = false;
#endif
#else
constexpr bool kInstrumented = false;
#endif

// Each function at the largest input it takes, well under 10 ms: the best of five runs, so that
// another process on the machine does not decide it.
TEST(CountEffects, LargestInputsTakeUnderTenMilliseconds) {
    if (kInstrumented)
        GTEST_SKIP() << "a sanitizer's instrumentation is what would be timed";
    using Clock = std::chrono::steady_clock;
    const auto milliseconds = [](auto&& work) {
        double best = std::numeric_limits<double>::max();
        for (int run = 0; run < 5; ++run) {
            const auto start = Clock::now();
            work();
            best = std::min(
                best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        return best;
    };
    std::vector<std::vector<double>> table(100, std::vector<double>(26, 1e30));
    EXPECT_LT(milliseconds([&] { contingencyEffects(table); }), 10.0);
    EXPECT_LT(milliseconds([] { fisherExactEffects(25000, 25000, 25000, 25000); }), 10.0);
    EXPECT_LT(milliseconds([] { fisherExactEffects(25200, 24800, 24800, 25200); }), 10.0);
    EXPECT_LT(milliseconds([] { binomialEffects(1e15, 3e14, 0.3001); }), 10.0);
    EXPECT_LT(milliseconds([] { binomialEffects(1e15, 5e14, 0.5); }), 10.0);
    EXPECT_LT(milliseconds([] { poissonEffects(1e9, 1.001e9); }), 10.0);
    EXPECT_LT(milliseconds([] { poissonEffects(1, 1e38); }), 10.0);
    EXPECT_LT(milliseconds([] { poissonEffects(1e6, 1.001e6); }), 10.0);
}

} // namespace
} // namespace quillon::report
