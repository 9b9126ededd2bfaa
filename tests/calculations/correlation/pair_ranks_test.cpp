// Ranks of paired data: the sort that carries partners along, and mid-ranks for ties.
#include "calculations/correlation/pair_ranks.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon {
namespace {

PairTable tableOf(const std::vector<float>& keys, const std::vector<float>& others) {
    PairTable table;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        table.at(static_cast<int>(i + 1), 0) = keys[i];
        table.at(static_cast<int>(i + 1), 1) = others[i];
    }
    return table;
}

std::vector<float> rows(PairTable& table, int column, int n) {
    std::vector<float> values;
    for (int row = 1; row <= n; ++row)
        values.push_back(table.at(row, column));
    return values;
}

TEST(PairRanks, SortCarriesEachPartnerAlong) {
    PairTable table = tableOf({5, 3, 9, 1, 7, 3}, {50, 30, 90, 10, 70, 30});
    sort(0, 1, 6, table);
    EXPECT_EQ(rows(table, 0, 6), (std::vector<float>{1, 3, 3, 5, 7, 9}));
    EXPECT_EQ(rows(table, 1, 6), (std::vector<float>{10, 30, 30, 50, 70, 90}));
    EXPECT_EQ(table.at(7, 0), 0.0f); // rows after n untouched
}

TEST(PairRanks, TiesShareTheMeanOfTheirPositions) {
    struct Case {
        std::vector<float> sorted;
        std::vector<float> ranks;
    };
    const std::vector<Case> cases = {
        {{1, 1, 1, 2}, {2, 2, 2, 4}},
        {{1, 2, 2, 3}, {1, 2.5, 2.5, 4}},
        {{4, 4, 4}, {2, 2, 2}},
        {{1, 2, 3, 9, 9}, {1, 2, 3, 4.5, 4.5}},
    };
    for (const Case& row : cases) {
        const int n = static_cast<int>(row.sorted.size());
        PairTable table = tableOf(row.sorted, row.sorted);
        assignRanks(0, static_cast<float>(n), table);
        EXPECT_EQ(rows(table, 0, n), row.ranks);
        EXPECT_EQ(rows(table, 1, n), row.sorted); // the other column keeps its values
    }
}

} // namespace
} // namespace quillon
