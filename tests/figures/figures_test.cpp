// The figures' data for known answers, their ticks and labels, values far out of range, and the
// SVG they make.
#include "figures/build_figure.h"
#include "figures/svg_writer.h"
#include "figures/ticks.h"
#include "tests/figures/figure_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace quillon {
namespace {

FigureOutcome figureOf(const FigureCase& c) {
    const CatalogueEntry* row = findByName(c.name);
    EXPECT_NE(row, nullptr) << c.name;
    const Evaluation evaluation = evaluateCase(*row, c);
    if (std::holds_alternative<QuestionInputs>(row->inputs))
        return buildFigure(*row, evaluation, c.texts);
    const DataSheetInput sheet = sheetOf(c);
    return buildFigure(*row, evaluation, sheet);
}

double quantity(const FigureCase& c, std::string_view name) {
    const CatalogueEntry* row = findByName(c.name);
    const Evaluation evaluation = evaluateCase(*row, c);
    for (const LabelledQuantity& q : evaluation.quantities)
        if (q.name == name)
            return q.value;
    ADD_FAILURE() << c.name << " publishes no " << name;
    return NAN;
}

TEST(Ticks, StepsOfOneTwoOrFiveWithReadableLabels) {
    struct Case {
        double low, high;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {-4.6, 4.6, {"-4", "-2", "0", "2", "4"}},
        {0, 1, {"0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {0.07, 0.38, {"0.1", "0.2", "0.3"}},
        {-0.3, 0.3, {"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}},
        {85, 115, {"85", "90", "95", "100", "105", "110", "115"}},
        {0, 3e7, {"0", "5E+06", "1E+07", "1.5E+07", "2E+07", "2.5E+07", "3E+07"}},
        {1e-6, 4e-6, {"1E-06", "1.5E-06", "2E-06", "2.5E-06", "3E-06", "3.5E-06", "4E-06"}},
        {999846, 1000154, {"999900", "1000000", "1000100"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> labels;
        for (const Tick& tick : niceTicks(c.low, c.high, 6))
            labels.push_back(tick.label);
        EXPECT_EQ(labels, c.labels) << c.low << " " << c.high;
    }
}

TEST(Ticks, NoneOrNoneUnreadableForDegenerateRanges) {
    const double inf = INFINITY;
    EXPECT_TRUE(niceTicks(1, 1).empty());
    EXPECT_TRUE(niceTicks(2, 1).empty());
    EXPECT_TRUE(niceTicks(NAN, 1).empty());
    EXPECT_TRUE(niceTicks(-inf, inf).empty());
    for (const auto& [low, high] : std::vector<std::pair<double, double>>{
             {-1e-300, 1e-300}, {-3e38, 3e38}, {-1.7e308, 1.7e308}, {5, 5}, {0, 0}}) {
        const Axis axis = makeAxis("x", low, high);
        EXPECT_TRUE(std::isfinite(axis.low) && std::isfinite(axis.high));
        for (const Tick& tick : axis.ticks) {
            EXPECT_NE(tick.label, "-0");
            EXPECT_EQ(tick.label.find("nan"), std::string::npos);
            EXPECT_EQ(tick.label.find("inf"), std::string::npos);
        }
    }
}

TEST(Labels, NumbersAndPercentsReadAsWords) {
    const std::pair<double, std::string> numbers[] = {
        {2.228, "2.228"}, {-0.0, "0"},     {1e30, "1E+30"},        {-1.5e-7, "-1.5E-07"},
        {NAN, "?"},       {INFINITY, "?"}, {1234567, "1.235E+06"}, {0.05, "0.05"}};
    for (const auto& [value, text] : numbers)
        EXPECT_EQ(numberLabel(value), text) << value;
    const std::pair<double, std::string> percents[] = {{0.05, "5%"},
                                                       {0.0335, "3.35%"},
                                                       {0.6827, "68.3%"},
                                                       {0.0000001, "less than 0.01%"},
                                                       {1.0, "100%"},
                                                       {0.0, "0%"},
                                                       {0.999999, "more than 99.99%"},
                                                       {NAN, "?"}};
    for (const auto& [p, text] : percents)
        EXPECT_EQ(percentLabel(p), text) << p;
}

// The shaded areas span exactly what the answer's values say.
TEST(Figures, ShadedAreasStandOnTheAnswersValues) {
    struct Case {
        FigureCase input;
        std::string value; // the quantity that bounds the areas
        int areas;
    };
    const Case cases[] = {
        {{"t-critical", {".05", "10"}}, "critical_t", 2},
        {{"z-critical", {".01"}}, "critical_z", 2},
        {{"t-probability", {"-2.5", "4"}}, "t", 2},
        {{"mean-against-population", {"10", "2", "10", "", "12"}}, "t", 2},
        {{"f-critical", {".05", "3", "20"}}, "critical_f", 1},
        {{"chi-square-probability", {"3.84", "1"}}, "chi_square", 1},
        {{"independent-groups", {"10", "2", "10", "12", "2", "10"}}, "t", 2},
    };
    for (const Case& c : cases) {
        const FigureOutcome outcome = figureOf(c.input);
        ASSERT_TRUE(outcome.figure) << c.input.name << ": " << outcome.reason;
        const Panel& panel = outcome.figure->panels.front();
        ASSERT_EQ(static_cast<int>(panel.areas.size()), c.areas) << c.input.name;
        const double value = std::fabs(quantity(c.input, c.value));
        if (c.areas == 2) {
            EXPECT_DOUBLE_EQ(panel.areas[0].to, -value) << c.input.name;
            EXPECT_DOUBLE_EQ(panel.areas[1].from, value) << c.input.name;
            EXPECT_DOUBLE_EQ(panel.areas[0].from, panel.x.low);
            EXPECT_DOUBLE_EQ(panel.areas[1].to, panel.x.high);
        } else {
            EXPECT_DOUBLE_EQ(panel.areas[0].from, value) << c.input.name;
            EXPECT_DOUBLE_EQ(panel.areas[0].to, panel.x.high);
        }
        // The area follows the curve down to the axis at both bounds.
        EXPECT_EQ(panel.areas[0].outline.front().y, 0.0);
        EXPECT_EQ(panel.areas[0].outline.back().y, 0.0);
    }
}

TEST(Figures, RangesAreShadedBetweenTheirLimits) {
    const std::pair<FigureCase, std::pair<double, double>> cases[] = {
        {{"z-range", {"100", "15", "85", "115"}}, {85, 115}},
        {{"z-range", {"100", "15", "115", "85"}}, {85, 115}},
        {{"t-range", {"50", "10", "11", "40", "60"}}, {40, 60}},
        {{"t-range", {"50", "10", "11", "55", "75"}}, {55, 75}},
    };
    for (const auto& [input, bounds] : cases) {
        const FigureOutcome outcome = figureOf(input);
        ASSERT_TRUE(outcome.figure) << outcome.reason;
        const Panel& panel = outcome.figure->panels.front();
        ASSERT_EQ(panel.areas.size(), 1u);
        EXPECT_DOUBLE_EQ(panel.areas[0].from, bounds.first);
        EXPECT_DOUBLE_EQ(panel.areas[0].to, bounds.second);
        EXPECT_NE(outcome.figure->description.find("is shaded"), std::string::npos);
    }
}

// Bars of every outcome sum to about 1; the observed outcome and the tail are told apart.
TEST(Figures, OutcomeBarsSumToOneAndMarkTheObservedAndTheTail) {
    struct Case {
        FigureCase input;
        double observed;
        bool upper;
    };
    const Case cases[] = {
        {{"binomial", {"10", ".5", "8"}}, 8, true},
        {{"binomial", {"10", ".5", "5"}}, 5, false},
        {{"binomial", {"2000", ".5", "1100"}}, 1100, true},
        {{"poisson", {"10", "5"}}, 10, true},
        {{"poisson", {"2", "5"}}, 2, false},
        {{"poisson", {"1100", "1000"}}, 1100, true},
        {{"fisher-exact", {"3", "1", "1", "3"}}, 3, true},
    };
    for (const Case& c : cases) {
        const FigureOutcome outcome = figureOf(c.input);
        ASSERT_TRUE(outcome.figure) << c.input.name << ": " << outcome.reason;
        const Panel& panel = outcome.figure->panels.front();
        double sum = 0.0;
        int observed = 0;
        for (const Bar& bar : panel.bars) {
            sum += bar.height;
            const bool holds = c.observed >= bar.left && c.observed <= bar.right;
            if (holds) {
                ++observed;
                EXPECT_EQ(bar.ink, Ink::Accent);
            } else if (c.input.name != "fisher-exact") {
                const bool inTail = c.upper ? bar.left > c.observed : bar.right < c.observed;
                EXPECT_EQ(bar.ink, inTail ? Ink::Shade : Ink::Curve) << c.input.name << bar.left;
            }
        }
        EXPECT_NEAR(sum, 1.0, 1e-6) << c.input.name;
        EXPECT_EQ(observed, 1) << c.input.name;
        EXPECT_LE(panel.bars.size(), 301u);
    }
}

TEST(Figures, TheFittedLinePassesThroughTheMeans) {
    for (const FigureCase& c : ordinaryCases()) {
        if (c.name != "correlation")
            continue;
        const FigureOutcome outcome = figureOf(c);
        ASSERT_TRUE(outcome.figure) << outcome.reason;
        const Panel& panel = outcome.figure->panels.front();
        ASSERT_EQ(panel.segments.size(), 1u);
        double meanX = 0.0;
        double meanY = 0.0;
        for (const Dot& dot : panel.dots) {
            meanX += dot.at.x / static_cast<double>(panel.dots.size());
            meanY += dot.at.y / static_cast<double>(panel.dots.size());
        }
        const Segment& line = panel.segments.front();
        const double slope = (line.to.y - line.from.y) / (line.to.x - line.from.x);
        EXPECT_NEAR(line.from.y + slope * (meanX - line.from.x), meanY, 1e-5)
            << outcome.figure->description;
    }
}

TEST(Figures, GroupMeansStandBesideTheirTest) {
    const FigureOutcome two = figureOf({"independent-groups", {"10", "2", "10", "12", "2", "10"}});
    ASSERT_TRUE(two.figure);
    ASSERT_EQ(two.figure->panels.size(), 2u);
    const Panel& means = two.figure->panels[1];
    ASSERT_EQ(means.errorBars.size(), 2u);
    EXPECT_DOUBLE_EQ(means.errorBars[0].centre, 10.0);
    EXPECT_DOUBLE_EQ(means.errorBars[1].centre, 12.0);
    EXPECT_NEAR(means.errorBars[0].low, 8.5692861880586708, 1e-9);
    const FigureOutcome three = figureOf(
        {"anova", {}, {{"10", "2", "10"}, {"12", "2", "10"}, {"14", "2", "10"}, {"9", "1", "5"}}});
    ASSERT_TRUE(three.figure);
    ASSERT_EQ(three.figure->panels.size(), 2u);
    EXPECT_EQ(three.figure->panels[1].dots.size(), 4u);
}

TEST(Figures, TheDotPlotMarksTheMeanAndTheMedian) {
    const FigureOutcome outcome = figureOf({"describe-sample", {}, {{"1"}, {"2"}, {"2"}, {"7"}}});
    ASSERT_TRUE(outcome.figure);
    const Panel& panel = outcome.figure->panels.front();
    EXPECT_EQ(panel.dots.size(), 4u);
    ASSERT_EQ(panel.markers.size(), 2u);
    EXPECT_DOUBLE_EQ(panel.markers[0].x, 3.0);
    EXPECT_DOUBLE_EQ(panel.markers[1].x, 2.0);
    // The two 2s stack.
    EXPECT_DOUBLE_EQ(std::max(panel.dots[1].at.y, panel.dots[2].at.y), 2.0);
}

TEST(Figures, EveryRowDeclaresWhetherItHasOne) {
    for (const CatalogueEntry& row : catalogue()) {
        bool example = false;
        for (const FigureCase& c : ordinaryCases())
            example = example || c.name == row.commandName;
        EXPECT_EQ(example, row.figure != FigureKind::None) << row.commandName;
    }
    const FigureOutcome none = figureOf({"sample-size-mean", {"10", "2", "95"}});
    EXPECT_FALSE(none.figure);
    EXPECT_FALSE(none.reason.empty());
    const FigureOutcome refused = figureOf({"t-critical", {"2", "10"}});
    EXPECT_FALSE(refused.figure);
    EXPECT_FALSE(refused.reason.empty());
}

bool holdsNonFinite(const std::string& svg) {
    for (const char* word : {"nan", "inf", "NaN", "Inf"})
        if (svg.find(word) != std::string::npos)
            return true;
    return false;
}

std::size_t largestPointCount(const Figure& figure) {
    std::size_t most = 0;
    for (const Panel& panel : figure.panels) {
        for (const Curve& curve : panel.curves)
            most = std::max(most, curve.points.size());
        for (const ShadedArea& area : panel.areas)
            most = std::max(most, area.outline.size());
        most = std::max(most, panel.bars.size());
    }
    return most;
}

// Every example and every far-out value: a figure that holds only finite numbers and a bounded
// count of points, whose SVG says no NaN or infinity; or none, with a reason.
TEST(Figures, FarOutValuesDrawSensiblyOrSayWhyNot) {
    std::vector<FigureCase> cases = ordinaryCases();
    cases.insert(cases.end(), farOutCases().begin(), farOutCases().end());
    for (const FigureCase& c : cases) {
        const FigureOutcome outcome = figureOf(c);
        const std::string what = c.name + " " + (c.texts.empty() ? "" : c.texts.front());
        if (!outcome.figure) {
            EXPECT_FALSE(outcome.reason.empty()) << what;
            continue;
        }
        EXPECT_TRUE(allFinite(*outcome.figure)) << what;
        EXPECT_LE(largestPointCount(*outcome.figure), 400u) << what;
        EXPECT_FALSE(outcome.figure->description.empty()) << what;
        EXPECT_FALSE(holdsNonFinite(outcome.figure->description)) << what;
        for (const FigureColours& colours : {lightFigureColours(), darkFigureColours()})
            EXPECT_FALSE(holdsNonFinite(writeSvg(*outcome.figure, {640, 400}, colours))) << what;
    }
}

TEST(Svg, TextIsEscapedNeverMarkup) {
    const std::pair<std::string, std::string> cases[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a & b \"c\" 'd'", "a &amp; b &quot;c&quot; &apos;d&apos;"},
        {std::string("bell\x07 nul") + '\0' + "end", "bell nulend"},
        {"\xC3\xA9t\xC3\xA9 \xE2\x80\x94 \xCE\xBC", "\xC3\xA9t\xC3\xA9 \xE2\x80\x94 \xCE\xBC"},
        {"broken \xC3 \xFF\xFE tail \xED\xA0\x80", "broken   tail "},
        {"]]><!-- -->", "]]&gt;&lt;!-- --&gt;"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(escapeXml(in), out);
}

TEST(Svg, AStandaloneDocumentWithTitleAndDescription) {
    Figure figure;
    figure.title = "A <b>title</b>";
    figure.description = "Tails & areas";
    Panel panel;
    panel.x = makeAxis("x", 0, 1);
    panel.y = makeAxis("y", 0, 1);
    panel.markers.push_back({0.5, "p < .05"});
    figure.panels.push_back(panel);
    const std::string svg = writeSvg(figure, {320, 200}, darkFigureColours());
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find("<title>A &lt;b&gt;title&lt;/b&gt;</title>"), std::string::npos);
    EXPECT_NE(svg.find("<desc>Tails &amp; areas</desc>"), std::string::npos);
    EXPECT_NE(svg.find("p &lt; .05"), std::string::npos);
    EXPECT_NE(svg.find(darkFigureColours().background), std::string::npos);
    for (const char* banned : {"<script", "href", "<image", "<foreignObject", "@import"})
        EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
}

} // namespace
} // namespace quillon
