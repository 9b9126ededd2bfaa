#include "core/critical_value.h"

#include "core/arithmetic.h"
#include "core/true_tails.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct RecordedSearch {
    std::string line;
    Distribution distribution;
    float target = 0.0f;
    SearchGrid grid;
    bool fails = false;
    int fault = 0;
    float value = 0.0f;
    float probability = 0.0f;
};

Distribution distributionNamed(const std::string& name, double df1, double df2) {
    if (name == "t")
        return Distribution::t(df1);
    if (name == "F")
        return Distribution::f(df1, df2);
    if (name == "chi-square")
        return Distribution::chiSquare(df1);
    EXPECT_EQ(name, "z");
    return Distribution::normal();
}

std::vector<RecordedSearch> recordedSearches() {
    std::ifstream file(QUILLON_CRITICAL_VALUE_ANSWERS);
    EXPECT_TRUE(file) << "cannot read " << QUILLON_CRITICAL_VALUE_ANSWERS;
    std::vector<RecordedSearch> searches;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, df1, df2, target, start, step, first, second;
        std::getline(fields, name, '\t');
        std::getline(fields, df1, '\t');
        std::getline(fields, df2, '\t');
        std::getline(fields, target, '\t');
        std::getline(fields, start, '\t');
        std::getline(fields, step, '\t');
        std::getline(fields, first, '\t');
        std::getline(fields, second, '\t');
        RecordedSearch search;
        search.line = line;
        search.distribution = distributionNamed(name, std::strtod(df1.c_str(), nullptr),
                                                std::strtod(df2.c_str(), nullptr));
        search.target = std::strtof(target.c_str(), nullptr);
        search.grid = {std::strtof(start.c_str(), nullptr), std::strtof(step.c_str(), nullptr)};
        search.fails = first == "error";
        if (search.fails)
            search.fault = std::atoi(second.c_str());
        else {
            search.value = std::strtof(first.c_str(), nullptr);
            search.probability = std::strtof(second.c_str(), nullptr);
        }
        searches.push_back(search);
    }
    return searches;
}

// Every recorded search finds the same value and probability to the bit, or fails the same way:
// what the windows print cannot change by a digit.
TEST(CriticalValue, FindsEveryRecordedAnswerToTheBit) {
    const std::vector<RecordedSearch> searches = recordedSearches();
    EXPECT_GT(searches.size(), 700u);
    for (const RecordedSearch& recorded : searches) {
        try {
            const CriticalValue found =
                criticalValue(recorded.distribution, recorded.target, recorded.grid);
            EXPECT_FALSE(recorded.fails) << recorded.line;
            EXPECT_EQ(std::bit_cast<std::uint32_t>(found.value),
                      std::bit_cast<std::uint32_t>(recorded.value))
                << recorded.line << ": " << found.value;
            EXPECT_EQ(std::bit_cast<std::uint32_t>(found.probability),
                      std::bit_cast<std::uint32_t>(recorded.probability))
                << recorded.line << ": " << found.probability;
        } catch (const ArithmeticError& error) {
            EXPECT_TRUE(recorded.fails) << recorded.line;
            EXPECT_EQ(static_cast<int>(error.fault()), recorded.fault) << recorded.line;
        }
    }
}

// The rule that decides whether the steps' value stands is asked with the distribution's own true
// tail; its answer decides between the steps' value and the true tail's search.
TEST(CriticalValue, AsksTheKeptRuleWithTheDistributionsTrueTail) {
    struct Case {
        Distribution distribution;
        float target;
        double at;       // a value to read the tail the rule is given at
        double trueTail; // the distribution's true tail there
    };
    const Case cases[] = {
        {Distribution::t(10.0), 0.05f, 2.0, trueTTail(2.0, 10.0)},
        {Distribution::t(2000.0), 0.05f, 2.0, trueTTail(2.0, 2000.0)},
        {Distribution::f(3.0, 20.0), 0.05f, 3.0, trueFTail(3.0, 3.0, 20.0)},
        {Distribution::chiSquare(10.0), 0.05f, 18.0, trueChiSquareTail(18.0, 10.0)},
    };
    for (const Case& c : cases) {
        int asked = 0;
        double given = 0.0;
        const auto always = [&](float, const std::function<double(double)>& trueTail) {
            asked = asked + 1;
            given = trueTail(c.at);
            return true;
        };
        const CriticalValue bySteps = criticalValue(c.distribution, c.target, {}, always);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(given, c.trueTail);
        EXPECT_EQ(bySteps.value, criticalValue(c.distribution, c.target).value);

        // Never kept: the search on the true tail, whose value lies within a last step above the
        // true quantile.
        const auto never = [](float, const std::function<double(double)>&) { return false; };
        const CriticalValue byTruth = criticalValue(c.distribution, c.target, {}, never);
        const double tail = c.distribution.kind == Distribution::Kind::T
                                ? trueTTail(byTruth.value, c.distribution.df1)
                            : c.distribution.kind == Distribution::Kind::F
                                ? trueFTail(byTruth.value, c.distribution.df1, c.distribution.df2)
                                : trueChiSquareTail(byTruth.value, c.distribution.df1);
        EXPECT_LE(tail, c.target * (1.0 + 1e-6));
    }
}

// z is walked unchecked: no rule is asked, and the answer is the walk's.
TEST(CriticalValue, NeverAsksTheKeptRuleForZ) {
    bool asked = false;
    const auto rule = [&](float, const std::function<double(double)>&) {
        asked = true;
        return false;
    };
    for (const float target : {0.0001f, 0.05f, 0.5f, 0.9999f})
        EXPECT_EQ(criticalValue(Distribution::normal(), target, {}, rule).value,
                  criticalValue(Distribution::normal(), target).value);
    EXPECT_FALSE(asked);
}

} // namespace
} // namespace quillon
