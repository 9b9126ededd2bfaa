#include "calculations/means/one_way_anova.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/centred_sums.h"
#include "calculations/common/refusal_text.h"
#include "core/distributions.h"
#include "core/storage.h"
#include "core/typed_difference.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace quillon {
namespace {

constexpr int kMeanColumn = 1;
constexpr int kSdColumn = 2;
constexpr int kSizeColumn = 3;
constexpr const char* kDashes = "------------";

using Table = std::vector<std::vector<std::string>>;

// The typed groups of the sheet, or the refusal of the cell at fault; current is the cell left
// current. Too few or too many groups are refused with no one cell at fault.
struct ReadGroups {
    std::vector<std::string> meanText;          // 1..k; index 0 unused
    std::vector<double> typed[kSizeColumn + 1]; // by column, rows 1..k
    CellPosition current{1, kMeanColumn};
    std::optional<Refusal> refusal;
    int count() const { return static_cast<int>(meanText.size()) - 1; }
};

// Why the number read from a cell is refused; nothing when it is taken.
std::optional<std::string> cellRangeProblem(CellPosition cell, double number) {
    if (cell.column == kSdColumn && number <= 0.0)
        return cellName(cell) + ": the SD must be greater than 0.";
    if (cell.column == kSizeColumn && number < 2.0)
        return cellName(cell) + ": the N must be 2 or more.";
    return std::nullopt;
}

// The cell's refusal, if any: empty, not a number, or out of its column's range.
std::optional<Refusal> refusedCell(CellPosition cell, const std::string& text, double& number) {
    if (isEmpty(text))
        return emptyCellRefusal(cell);
    if (auto refusal = nonNumberCellRefusal(cell, text))
        return refusal;
    number = readNumber(text);
    if (auto problem = cellRangeProblem(cell, number))
        return cellRefusal(cell, *std::move(problem));
    return std::nullopt;
}

ReadGroups readGroups(const DataSheet& sheet) {
    ReadGroups read;
    // The groups end above the first empty Mean cell; a Mean in all 100 rows leaves none.
    int k = 0;
    bool meanInEveryRow = true;
    for (int r = 1; r <= DataSheet::kRows; ++r) {
        read.current = {r, kMeanColumn};
        if (isEmpty(sheet.text(r, kMeanColumn))) {
            k = r - 1;
            meanInEveryRow = false;
            break;
        }
    }
    if (k < 2) {
        read.refusal = Refusal{.focus = kFocusGrid,
                               .reason = meanInEveryRow ? "At most 99 groups can be compared."
                                                        : "At least 2 groups are needed."};
        return read;
    }
    const auto size = static_cast<std::size_t>(k + 1);
    read.meanText.resize(size);
    for (int j = kMeanColumn; j <= kSizeColumn; ++j)
        read.typed[j].resize(size);
    for (int i = 1; i <= k; ++i) {
        for (int j = kMeanColumn; j <= kSizeColumn; ++j) {
            read.current = {i, j};
            double number = 0.0;
            read.refusal = refusedCell(read.current, sheet.text(i, j), number);
            if (read.refusal)
                return read;
            // A value beyond the single range is an overflow where it is read.
            static_cast<void>(single(number));
            read.typed[j][static_cast<std::size_t>(i)] = number;
        }
        read.meanText[static_cast<std::size_t>(i)] = sheet.text(i, kMeanColumn);
    }
    return read;
}

// Whether every typed value keeps its digits as a single.
bool singlesHold(const ReadGroups& read) {
    for (int j = kMeanColumn; j <= kSizeColumn; ++j) {
        for (int i = 1; i <= read.count(); ++i)
            if (!fitsSingle(read.typed[j][static_cast<std::size_t>(i)]))
                return false;
    }
    return true;
}

template <typename Real> AnovaGroupsOf<Real> storedGroups(const ReadGroups& read) {
    const auto size = static_cast<std::size_t>(read.count() + 1);
    AnovaGroupsOf<Real> groups{
        std::vector<Real>(size), std::vector<Real>(size), std::vector<Real>(size), {}};
    std::vector<Real>* columns[] = {nullptr, &groups.mean, &groups.sd, &groups.n};
    for (int j = kMeanColumn; j <= kSizeColumn; ++j)
        for (std::size_t i = 1; i < size; ++i)
            (*columns[j])[i] = stored<Real>(read.typed[j][i]);
    if constexpr (std::is_same_v<Real, double>) {
        groups.meanOffset.resize(size);
        for (std::size_t i = 1; i < size; ++i)
            groups.meanOffset[i] = typedDifference(read.meanText[i], read.meanText[1]);
    }
    return groups;
}

// The level each group mean is taken at, in double: the single-precision mean itself, or, for
// means stored as double, the mean less group 1's, so that a level far above the spread
// (1E12 + 0.4) keeps the spread's typed digits. Differences of levels are differences of means.
template <typename Real> std::vector<double> meanLevels(const AnovaGroupsOf<Real>& groups) {
    std::vector<double> level(groups.mean.size());
    for (int i = 1; i <= groups.count(); ++i) {
        if constexpr (std::is_same_v<Real, float>)
            level[i] = groups.mean[i];
        else
            level[i] =
                groups.meanOffset.empty() ? groups.mean[i] - groups.mean[1] : groups.meanOffset[i];
    }
    return level;
}

template <typename Real>
std::vector<PairTestOf<Real>> postHocTests(const AnovaGroupsOf<Real>& groups,
                                           const std::vector<double>& level, Real msw) {
    const std::vector<Real>& n = groups.n;
    std::vector<PairTestOf<Real>> pairs;
    for (int i = 1; i <= groups.count(); ++i) {
        for (int j = i + 1; j <= groups.count(); ++j) {
            const double se = squareRoot((1.0 / n[i] + 1.0 / n[j]) * msw);
            const Real t = stored<Real>(divide(level[i] - level[j], se));
            const Real df = stored<Real>(static_cast<double>(n[i]) + n[j] - 2.0);
            pairs.push_back({i, j, t, df, tProb(single(t), df)});
        }
    }
    return pairs;
}

// Sets the cells of one grid row from column 0 on.
void setRow(Table& table, std::size_t row, std::vector<std::string> cells) {
    for (std::size_t column = 0; column < cells.size(); ++column)
        table[row][column] = std::move(cells[column]);
}

// The numbers of the table's Between, Within and Total rows as quantities, in the order the rows
// read them, each with its cell's text (the degrees of freedom without their blank).
template <typename Real> std::vector<Quantity> anovaQuantities(const AnovaResultOf<Real>& r) {
    constexpr std::string_view kSquaresPattern = "#######.0";
    const float betweenDf = r.betweenDf;
    const Real totalDf = stored<Real>(r.betweenDf + static_cast<double>(r.withinDf));
    return {{"df_between", betweenDf, trimmedPlainForm(betweenDf)},
            {"ss_between", r.betweenSquares, format(r.betweenSquares, kSquaresPattern)},
            {"ms_between", r.betweenMeanSquare, format(r.betweenMeanSquare, kSquaresPattern)},
            {"f", r.f, format(r.f, "#####.##0")},
            {"p", r.probability, format(r.probability, kProbabilityPattern)},
            {"df_within", r.withinDf, trimmedPlainForm(r.withinDf)},
            {"ss_within", r.withinSquares, format(r.withinSquares, kSquaresPattern)},
            {"ms_within", r.withinMeanSquare, format(r.withinMeanSquare, kSquaresPattern)},
            {"df_total", totalDf, trimmedPlainForm(totalDf)},
            {"ss_total", r.totalSquares, format(r.totalSquares, kSquaresPattern)}};
}

// The degrees of freedom keep the blank of their plain form in the grid.
template <typename Real>
Table anovaTable(const AnovaResultOf<Real>& r, const std::vector<Quantity>& printed) {
    const auto cell = [&printed](std::size_t i) { return printed[i].text; };
    const float betweenDf = r.betweenDf;
    Table table(kAnovaFirstPairRow + 2 + 2 * r.pairs.size(),
                std::vector<std::string>(kAnovaColumns));
    setRow(table, 0, {"Source of", "", "Sum of", "Mean"});
    setRow(table, 1, {"Variation", "DF", "Squares", "Squares", "F-ratio", "Prob."});
    setRow(table, 2, {kDashes, kDashes, kDashes, kDashes, kDashes, kDashes});
    setRow(table, 3, {"Between", plainForm(betweenDf), cell(1), cell(2), cell(3), cell(4)});
    setRow(table, 4, {"Within", plainForm(r.withinDf), cell(6), cell(7)});
    setRow(
        table, kAnovaTotalRow,
        {"Total", plainForm(stored<Real>(r.betweenDf + static_cast<double>(r.withinDf))), cell(9)});
    setRow(table, 7, {" Post-hoc", "t-tests   "});
    setRow(table, kAnovaPostHocHeadingRow, {"Group", "Group", "t-value", "DF", "Prob."});
    setRow(table, kAnovaPostHocHeadingRow + 1, {kDashes, kDashes, kDashes, kDashes, kDashes});
    std::size_t row = kAnovaFirstPairRow;
    for (const PairTestOf<Real>& pair : r.pairs) {
        setRow(table, row,
               {plainForm(static_cast<float>(pair.first)),
                plainForm(static_cast<float>(pair.second)), format(pair.t, kGeneralPattern),
                plainForm(pair.df), format(pair.probability, "#.###0")});
        row += 2;
    }
    return table;
}

// The pooled values' sum of squares Σx² = Σ (SD² (N - 1) + N mean²) over their sum of squares
// within the groups, in double. The raw-sum steps form the within-groups sum as the difference of
// two sums of that size, so this is the factor that magnifies their rounding; it is never below
// the condition of the sum of squares about the grand mean, and is infinite for groups with no
// spread at all.
double withinSquaresCondition(const AnovaGroups& groups) {
    double rawSquares = 0.0;
    double withinSquares = 0.0;
    for (int i = 1; i <= groups.count(); ++i) {
        const double sd = groups.sd[i];
        const double mean = groups.mean[i];
        const double n = groups.n[i];
        withinSquares += sd * sd * (n - 1.0);
        rawSquares += sd * sd * (n - 1.0) + n * mean * mean;
    }
    if (withinSquares == 0.0)
        return std::numeric_limits<double>::infinity();
    return rawSquares / withinSquares;
}

template <typename Real> struct SquareSums {
    Real between = 0;
    Real within = 0;
    Real total = 0;
};

// About the grand mean and the group means, in double, each stored as Real.
template <typename Real>
SquareSums<Real> centredSquares(const AnovaGroupsOf<Real>& groups,
                                const std::vector<double>& level) {
    double sizes = 0.0;
    double weightedLevels = 0.0;
    for (int i = 1; i <= groups.count(); ++i) {
        sizes += groups.n[i];
        weightedLevels += level[i] * groups.n[i];
    }
    const double grandLevel = weightedLevels / sizes;
    double between = 0.0;
    double within = 0.0;
    for (int i = 1; i <= groups.count(); ++i) {
        const double deviation = level[i] - grandLevel;
        between += groups.n[i] * deviation * deviation;
        within += static_cast<double>(groups.sd[i]) * groups.sd[i] * (groups.n[i] - 1.0);
    }
    return {stored<Real>(between), stored<Real>(within), stored<Real>(between + within)};
}

// From the raw single-precision sums of the summaries.
SquareSums<float> rawSumSquares(const AnovaGroups& groups, float sn) {
    const int k = groups.count();
    const std::vector<float>& mean = groups.mean;
    const std::vector<float>& sd = groups.sd;
    const std::vector<float>& n = groups.n;
    float smn = 0.0f;
    for (int i = 1; i <= k; ++i)
        smn = single(smn + static_cast<double>(mean[i]) * n[i]);
    const float gm = single(divide(smn, sn));

    // Each group's sum of squared raw values.
    float sq = 0.0f;
    for (int i = 1; i <= k; ++i) {
        const float q = single(power(sd[i], 2.0) * (n[i] - 1.0) +
                               divide(power(static_cast<double>(mean[i]) * n[i], 2.0), n[i]));
        sq = single(static_cast<double>(sq) + q);
    }
    SquareSums<float> squares;
    squares.total = single(sq - power(gm, 2.0) * sn);

    float smm = 0.0f;
    for (int i = 1; i <= k; ++i)
        smm = single(smm + power(mean[i], 2.0) * n[i]);
    // With nearly equal means the single-precision difference can fall below 0; a spread between
    // groups cannot be negative.
    squares.between = std::max(single(smm - power(gm, 2.0) * sn), 0.0f);
    squares.within = single(static_cast<double>(squares.total) - squares.between);
    return squares;
}

// Singles keep the raw-sum steps while they hold the printed digits. Doubles have no legacy text
// to keep, so their sums are always taken about the means.
template <typename Real>
SquareSums<Real> squareSums(const AnovaGroupsOf<Real>& groups, const std::vector<double>& level,
                            Real sn) {
    if constexpr (std::is_same_v<Real, float>) {
        if (withinSquaresCondition(groups) <= kMaxSumOfSquaresCondition)
            return rawSumSquares(groups, sn);
    }
    return centredSquares(groups, level);
}

template <typename Real> Outcome answerOf(const ReadGroups& read) {
    const AnovaResultOf<Real> r = oneWayAnovaOf(storedGroups<Real>(read));
    std::vector<Quantity> quantities = anovaQuantities(r);
    Table table = anovaTable(r, quantities);
    return Answer{.clipboard = "F(" + trimmedPlainForm(static_cast<float>(r.betweenDf)) + "," +
                               trimmedPlainForm(r.withinDf) + ")=" + trimmedPlainForm(r.f) +
                               ", p=" + format(r.probability, kProbabilityPattern),
                  .table = std::move(table),
                  .currentCell = read.current,
                  .quantities = std::move(quantities)};
}

} // namespace

template <typename Real> AnovaResultOf<Real> oneWayAnovaOf(const AnovaGroupsOf<Real>& groups) {
    const int k = groups.count();
    Real sn = 0;
    for (int i = 1; i <= k; ++i)
        sn = stored<Real>(static_cast<double>(sn) + groups.n[i]);

    const std::vector<double> level = meanLevels(groups);
    const SquareSums<Real> squares = squareSums(groups, level, sn);
    AnovaResultOf<Real> r;
    r.betweenSquares = squares.between;
    r.withinSquares = squares.within;
    r.totalSquares = squares.total;
    // Every SD above 0 leaves a spread within the groups; none left means SDs too small for a
    // single.
    if (r.withinSquares <= 0)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);

    r.betweenMeanSquare = stored<Real>(divide(r.betweenSquares, k - 1.0));
    r.withinMeanSquare = stored<Real>(divide(r.withinSquares, static_cast<double>(sn) - k));
    r.f = stored<Real>(divide(r.betweenMeanSquare, r.withinMeanSquare));
    r.betweenDf = toInt16(k - 1.0);
    r.withinDf = stored<Real>(static_cast<double>(sn) - k);
    r.probability = fProb(single(r.f), r.betweenDf, r.withinDf);
    r.pairs = postHocTests(groups, level, r.withinMeanSquare);
    return r;
}

template AnovaResultOf<float> oneWayAnovaOf(const AnovaGroupsOf<float>&);
template AnovaResultOf<double> oneWayAnovaOf(const AnovaGroupsOf<double>&);

Outcome oneWayAnova(const DataSheetInput& input) {
    const ReadGroups read = readGroups(input.sheet);
    if (read.refusal)
        return *read.refusal;
    if (singlesHold(read))
        return answerOf<float>(read);
    return answerOf<double>(read);
}

} // namespace quillon
