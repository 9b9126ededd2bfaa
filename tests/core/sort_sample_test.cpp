#include "core/sort_sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

namespace quillon {
namespace {

// The caller's array: index 0 unused, then the sample, then unused elements.
constexpr float sentinel = -777.0f;

std::vector<float> held(const std::vector<float>& sample, std::size_t size = 101) {
    std::vector<float> values(size, sentinel);
    std::copy(sample.begin(), sample.end(), values.begin() + 1);
    return values;
}

TEST(SortSample, SortsElementsOneToNAndTouchesNothingElse) {
    struct Case {
        const char* name;
        std::vector<float> sample;
    };
    const Case cases[] = {
        {"empty", {}},
        {"one", {3.0f}},
        {"two in order", {1.0f, 2.0f}},
        {"two reversed", {2.0f, 1.0f}},
        {"odd count", {3.0f, 1.0f, 2.0f, 5.0f, 4.0f}},
        {"duplicates", {4.0f, 2.0f, 4.0f, 9.0f, 5.0f, 4.0f, 7.0f, 5.0f}},
        {"all equal", {1.5f, 1.5f, 1.5f, 1.5f}},
        {"negatives and zeros", {0.0f, -1.0f, 3.5f, -0.0f, -7.25f, 0.0f}},
        {"descending", {9.0f, 8.0f, 7.0f, 6.0f, 5.0f, 4.0f, 3.0f, 2.0f, 1.0f}},
    };
    for (const auto& c : cases) {
        std::vector<float> values = held(c.sample);
        sortSample(values, static_cast<float>(c.sample.size()));
        std::vector<float> expected = held(c.sample);
        std::sort(expected.begin() + 1, expected.begin() + 1 + c.sample.size());
        EXPECT_EQ(values, expected) << c.name;
    }
}

TEST(SortSample, MatchesStdSortOnRandomSamples) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> uniform(-1000.0f, 1000.0f);
    std::uniform_int_distribution<int> small(0, 9);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = static_cast<std::size_t>(round % 101);
        std::vector<float> sample(n);
        // Every third sample draws from few values, so that ties are common.
        for (auto& x : sample)
            x = round % 3 == 0 ? static_cast<float>(small(random)) : uniform(random);
        std::vector<float> values = held(sample, n + 1 + static_cast<std::size_t>(round % 3));
        sortSample(values, static_cast<float>(n));
        std::vector<float> expected = held(sample, values.size());
        std::sort(expected.begin() + 1, expected.begin() + 1 + n);
        ASSERT_EQ(values, expected) << "n = " << n << ", round " << round;
    }
}

TEST(SortSample, EqualValuesAreNeverExchanged) {
    // Zero and minus zero compare equal: their order shows whether an exchange took place.
    for (const float first : {0.0f, -0.0f}) {
        std::vector<float> values = held({first, -first, first, -first});
        sortSample(values, 4.0f);
        for (std::size_t i = 1; i <= 4; ++i)
            EXPECT_EQ(std::signbit(values[i]), std::signbit(i % 2 == 1 ? first : -first)) << i;
    }
}

TEST(SortSample, CountsThatSortNothingReturnAtOnce) {
    for (const float n : {0.0f, 1.0f, 1.4f, -3.0f, -100.0f, NAN}) {
        std::vector<float> values = held({5.0f, 4.0f, 3.0f});
        sortSample(values, n);
        EXPECT_EQ(values, held({5.0f, 4.0f, 3.0f})) << n;
    }
}

TEST(SortSample, CountBeyondTheValuesHeldIsRefused) {
    std::vector<float> values = held({2.0f, 1.0f}, 3);
    EXPECT_THROW(sortSample(values, 3.0f), std::out_of_range);
    EXPECT_THROW(sortSample(values, 1.0e9f), std::out_of_range);
}

} // namespace
} // namespace quillon
