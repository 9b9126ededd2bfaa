#include "core/storage.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

TEST(Storage, AValueFitsASingleWhenItsSevenDigitsGiveItBack) {
    const struct {
        std::string typed;
        bool fits;
    } cases[] = {
        {"1.2", true},          {"0.1", true},
        {"338.8", true},        {"1234567", true},
        {"9999999", true},      {"100000000", true},
        {"-0.0000125", true},   {"1e38", true},
        {"1e39", true}, // beyond: overflow as before
        {"12345678", false},    {"10000001", false},
        {"16777216", false},    {"1000000.2", false},
        {"1.2345678", false},   {"107.868153766667", false},
        {"-10000000.3", false}, {"0.0000130631132405806", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitsSingle(readNumber(c.typed)), c.fits) << c.typed;
}

TEST(Storage, StoredChecksBothStorages) {
    EXPECT_EQ(stored<float>(1000000.2), 1000000.1875f);
    EXPECT_EQ(stored<double>(1000000.2), 1000000.2);
    EXPECT_THROW(stored<float>(1e39), ArithmeticError);
    EXPECT_EQ(stored<double>(1e39), 1e39);
    EXPECT_THROW(stored<double>(1e308 * 10.0), ArithmeticError);
}

} // namespace
} // namespace quillon
