#include "calculations/correlation/pair_ranks.h"

#include "core/arithmetic.h"

#include <utility>

namespace quillon {

template <typename Real>
void sort(int keyColumn, int otherColumn, float n, PairTableOf<Real>& table) {
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

template <typename Real> void assignRanks(int column, float n, PairTableOf<Real>& table) {
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

template <typename Real> void calcRank(int column, int first, int last, PairTableOf<Real>& table) {
    float sum = 0.0f;
    for (int position = first; position <= last; ++position)
        sum = single(static_cast<double>(sum) + position);
    const float mean = single(divide(sum, last - first + 1.0));
    for (int row = first; row <= last; ++row)
        table.at(row, column) = mean;
}

template void sort(int, int, float, PairTableOf<float>&);
template void sort(int, int, float, PairTableOf<double>&);
template void assignRanks(int, float, PairTableOf<float>&);
template void assignRanks(int, float, PairTableOf<double>&);
template void calcRank(int, int, int, PairTableOf<float>&);
template void calcRank(int, int, int, PairTableOf<double>&);

} // namespace quillon
