#include "calculations/correlation/pair_ranks.h"

#include "core/arithmetic.h"

#include <utility>

namespace quillon {

void sort(int keyColumn, int otherColumn, float n, PairTable& table) {
    int gap = static_cast<int>(roundHalfEven(n)) / 2;
    while (gap != 0) {
        for (int i = 1; static_cast<float>(i) <= n - static_cast<float>(gap); ++i) {
            int j = i;
            while (table.at(j + gap, keyColumn) < table.at(j, keyColumn)) {
                std::swap(table.at(j, keyColumn), table.at(j + gap, keyColumn));
                std::swap(table.at(j, otherColumn), table.at(j + gap, otherColumn));
                j = j - gap;
                if (j <= 0)
                    break;
            }
        }
        gap = gap / 2;
    }
}

void assignRanks(int column, float n, PairTable& table) {
    int first = 1;
    int i = 1;
    while (static_cast<float>(i + 1) <= n) {
        if (table.at(i, column) != table.at(i + 1, column)) {
            calcRank(column, first, i, table);
            i = i + 1;
            first = i;
        } else {
            i = i + 1;
        }
    }
    calcRank(column, first, i, table);
}

void calcRank(int column, int first, int last, PairTable& table) {
    float sum = 0.0f;
    for (int position = first; position <= last; ++position)
        sum = single(static_cast<double>(sum) + position);
    const float mean = single(divide(sum, last - first + 1.0));
    for (int row = first; row <= last; ++row)
        table.at(row, column) = mean;
}

} // namespace quillon
