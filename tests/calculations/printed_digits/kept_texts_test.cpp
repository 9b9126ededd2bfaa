// Answers that print a number built from the routines' values rather than a value itself (the
// probability of a range, an interval's half-width), and a critical value at the edge of its band:
// each keeps its text where that prints true, and prints the truth elsewhere. The true values are
// the last rows of true_values.tsv (make_true_values.cpp, Boost.Math in long double).
#include "calculations/catalogue.h"
#include "calculations/distributions/distribution_support.h"
#include "core/arithmetic.h"
#include "core/true_tails.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace quillon {
namespace {

struct KeptText {
    const char* name;
    const char* window;
    std::vector<std::string> inputs;
    std::vector<std::string> lines; // each a line of the answer
};

TEST(KeptTexts, EachPrintsItsTextWithinItsTolerance) {
    const KeptText cases[] = {
        // Half of each tail enters a range: the tails' steps, 1.1E-4 and 1.4E-4 off, give .9056
        // for .905614 and .9117 for .911773; checked tail by tail they printed .9055 and .9118.
        {"t range with 1999 degrees of freedom",
         "Distr2c",
         {"0", "1", "2000", "-1.50", "1.92"},
         {"within the range = .9056", "outside the range = .0944"}},
        {"t range on one side of the mean",
         "Distr2c",
         {"-79.59", "15.2", "2216", "-142.38", "-59.035"},
         {"within the range = .9117", "outside the range = .0883"}},
        // .0725 lies 1.00001 units from the truth of the typed decimals, .0724000135.
        {"t range a hair beyond a unit",
         "Distr2c",
         {"81.35", "7.14", "6172", "91.762", "111.92"},
         {"within the range = .0725", "outside the range = .9275"}},
        {"z range about the mean",
         "Distr1c",
         {"0", "1", "-.01", ".01"},
         {"within the range = .0080", "outside the range = .9920"}},
        // The quantile of .36 held as a single lies 2E-8 below the band's end, .9244.
        {"critical t at the edge of its band", "Distr2b", {".36", "47"}, {"t value = 0.925"}},
        // The steps' t prints 1.515 for 1.51422, beyond its band of .00076; the half-width it
        // gives, 1.5154, lies within the band, its rounding and the half-width's own.
        {"half-width of 87%", "Means3", {"0", "104", "10816", "", "87"}, {"\u00B1 1.5154"}},
        {"half-width of 77%", "Means3", {"0", "168", "28224", "", "77"}, {"\u00B1 1.2011"}},
        // The steps count 999 degrees of freedom, t 1.9623: the true quantile's half-width.
        {"half-width with 99855 degrees of freedom",
         "Means3",
         {"0", "316", "99856", "", "95"},
         {"\u00B1 1.9600"}},
        {"percent half-width of 89%", "Percent3", {"50", "6725", "", "89"}, {"\u00B1 0.976"}},
    };
    for (const KeptText& c : cases) {
        SCOPED_TRACE(c.name);
        const CatalogueEntry* entry = findByWindow(c.window);
        ASSERT_NE(entry, nullptr);
        const Outcome outcome = std::get<QuestionInputs>(entry->inputs).calculate(c.inputs);
        const auto* answer = std::get_if<Answer>(&outcome);
        ASSERT_NE(answer, nullptr);
        for (const std::string& line : c.lines)
            EXPECT_NE(answer->text.find(line), std::string::npos) << answer->text;
    }
}

// The two-tailed probability exp(-|d|) as the truth, and steps that give it `off` higher.
struct RangeCase {
    const char* name;
    float lower;
    float upper;
    float off;
    const char* within;
    const char* outside;
};

TEST(KeptTexts, ARangeKeepsTheStepsWhereBothItsNumbersPrintTrue) {
    const auto truth = [](double d) { return std::exp(-std::fabs(d)); };
    // From -1 to 2 the truth is .748392; from 1 to 2, .116272.
    const RangeCase cases[] = {
        // Each area is half the tail's error: .00015 off each, .0003 in all.
        {"three units off across the mean", -1.0f, 2.0f, .0003f, ".7484", ".2516"},
        {"one unit off across the mean: .748292 kept", -1.0f, 2.0f, .0001f, ".7483", ".2517"},
        // On one side the two areas' errors cancel: the steps stand.
        {"three units off on one side", 1.0f, 2.0f, .0003f, ".1163", ".8837"},
        {"the truth itself", -1.0f, 2.0f, 0.0f, ".7484", ".2516"},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const float off = c.off;
        const auto steps = [&](float d) { return static_cast<float>(truth(d) + off); };
        const RangeProbability range = rangeProbability(0.0f, 1.0f, c.lower, c.upper, steps, truth);
        EXPECT_EQ(probabilityText(range.within), c.within);
        EXPECT_EQ(probabilityText(range.outside), c.outside);
    }
}

TEST(KeptTexts, ARangeWhoseTruthCannotBeFormedKeepsTheSteps) {
    const auto steps = [](float d) { return static_cast<float>(std::exp(-std::fabs(d)) + .001); };
    const auto fails = [](double) -> double { throw ArithmeticError(ArithmeticFault::Overflow); };
    const RangeProbability range = rangeProbability(0.0f, 1.0f, -1.0f, 2.0f, steps, fails);
    EXPECT_EQ(probabilityText(range.within), ".7474");
    EXPECT_EQ(probabilityText(range.outside), ".2526");
}

TEST(KeptTexts, TheTrueNormalTailIsTheComplementaryErrorFunction) {
    const struct {
        double z;
        double twoTailed;
    } cases[] = {{0.0, 1.0}, {1.959963984540054, .05}, {-2.575829303548901, .01}, {6.0, 1.973e-9}};
    for (const auto& c : cases)
        EXPECT_NEAR(trueZTail(c.z), c.twoTailed, c.twoTailed * 1e-3) << c.z;
}

} // namespace
} // namespace quillon
