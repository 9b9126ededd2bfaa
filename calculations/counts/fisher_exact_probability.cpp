// Fisher's exact probability of a 2 x 2 table, the hypergeometric probability of the
// observed table under fixed margins, row1! row2! col1! col2! / (N! a11! a12! a21! a22!).
// No factorial is ever formed: the factors of every factorial are listed, equal factors cancelled
// between numerator and denominator, and the rest multiplied and divided alternately in single
// precision so that the running value stays in range.
#include "calculations/counts/fisher_exact_probability.h"

#include "calculations/common/calculation_support.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr double kMaximumTotal = 50.0;

using FactorList = std::vector<std::int16_t>;

// Appends m, m - 1, ..., 1; nothing for m below 1.
void appendFactors(FactorList& factors, std::int16_t m) {
    for (std::int16_t factor = m; factor >= 1; --factor)
        factors.push_back(factor);
}

// Each denominator factor other than 1 cancels the first equal numerator factor still standing;
// both become 1.
void cancelCommonFactors(FactorList& numerator, FactorList& denominator) {
    for (std::int16_t& denominatorFactor : denominator) {
        if (denominatorFactor == 1)
            continue;
        for (std::int16_t& numeratorFactor : numerator) {
            if (numeratorFactor == denominatorFactor) {
                numeratorFactor = 1;
                denominatorFactor = 1;
                break;
            }
        }
    }
}

// The position of the next factor other than 1 from position, or the end of the list.
std::size_t nextFactor(const FactorList& factors, std::size_t position) {
    while (position < factors.size() && factors[position] == 1)
        ++position;
    return position;
}

// The remaining factors in list order, one numerator factor then one denominator factor, the
// product stored as single after every step.
float alternatingProduct(const FactorList& numerator, const FactorList& denominator) {
    float probability = 1.0f;
    std::size_t numeratorCursor = 0;
    std::size_t denominatorCursor = 0;
    for (;;) {
        bool tookFactor = false;
        numeratorCursor = nextFactor(numerator, numeratorCursor);
        if (numeratorCursor < numerator.size()) {
            probability = single(double(probability) * numerator[numeratorCursor]);
            ++numeratorCursor;
            tookFactor = true;
        }
        denominatorCursor = nextFactor(denominator, denominatorCursor);
        if (denominatorCursor < denominator.size()) {
            probability = single(divide(probability, denominator[denominatorCursor]));
            ++denominatorCursor;
            tookFactor = true;
        }
        if (!tookFactor)
            return probability;
    }
}

} // namespace

float fisherTableProbability(const std::array<std::int16_t, 4>& cells) {
    const auto [a11, a12, a21, a22] = cells;
    const std::int16_t row1 = toInt16(a11 + a12);
    const std::int16_t row2 = toInt16(a21 + a22);
    const std::int16_t col1 = toInt16(a11 + a21);
    const std::int16_t col2 = toInt16(a12 + a22);
    const std::int16_t total = toInt16(row1 + row2);
    const std::array<std::int16_t, 4> margins{col1, col2, row1, row2};
    const std::array<std::int16_t, 5> denominatorCounts{a11, a21, a12, a22, total};

    FactorList numeratorFactors;
    for (const std::int16_t margin : margins)
        appendFactors(numeratorFactors, margin);
    FactorList denominatorFactors;
    for (const std::int16_t count : denominatorCounts)
        appendFactors(denominatorFactors, count);

    cancelCommonFactors(numeratorFactors, denominatorFactors);
    return alternatingProduct(numeratorFactors, denominatorFactors);
}

Outcome fisherExactProbability(InputTexts inputs) {
    // Each cell rounded to a whole count, halves to even. The counts are held wide until the limit
    // of 50 is checked, so that a value beyond the 16-bit range meets that limit, not an overflow.
    std::array<double, 4> typed{};
    for (std::size_t box = 0; box < typed.size(); ++box)
        typed[box] = roundHalfEven(readNumber(inputs[box]));

    if (const auto refusal = firstEmptyBox(inputs, {1, 2, 3, 4}))
        return *refusal;
    // A negative frequency would give a "probability" above 1 (row 1 = (-1, 1), row 2 = (1, 1)
    // gives 2) and lets the margins grow without bound.
    constexpr std::string_view kNegative = "The count must be 0 or more.";
    if (const auto refusal = firstRefusal({{1, typed[0] < 0.0, kNegative},
                                           {2, typed[1] < 0.0, kNegative},
                                           {3, typed[2] < 0.0, kNegative},
                                           {4, typed[3] < 0.0, kNegative}}))
        return *refusal;
    const double typedTotal = typed[0] + typed[1] + typed[2] + typed[3];
    if (typedTotal == 0.0)
        return refuse(1, "The four counts must not all be 0.");
    if (typedTotal > kMaximumTotal)
        return refuseWithMessage(1, "The maximum count for Fisher's exact test is 50.");

    const float probability = fisherTableProbability(
        {toInt16(typed[0]), toInt16(typed[1]), toInt16(typed[2]), toInt16(typed[3])});

    const std::string probabilityText = format(probability, kProbabilityPattern);
    std::string text = "Fisher's exact probability = " + probabilityText;
    text += kLineBreak;
    text += kLineBreak;
    return answer(text, text, {{"p", double{probability}, probabilityText}});
}

} // namespace quillon
