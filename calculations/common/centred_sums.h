// Sums of squares and products about the means, formed in double, for data whose single-precision
// raw sums cancel: Σx² - (Σx)²/n keeps about 7 - log10(Σx² / Σ(x - x̄)²) digits, so years, dates or
// weights in grams (a large level against a small spread) lose every one of them. Data so small
// that their squares fall below the normal single range (below about 1E-19: masses in kilograms,
// lengths in metres of atoms) lose their digits in the raw sums too, down to sums of exactly 0.
// Each routine takes the values as a calculation stores them: singles, or doubles when typed values
// keep more digits than a single holds.
#pragma once

#include <span>
#include <type_traits>
#include <vector>

namespace quillon {

// Above this condition a raw sum of squares is no longer trusted to its printed digits.
inline constexpr double kMaxSumOfSquaresCondition = 50.0;

// Σx² / Σ(x - x̄)², both in double: the factor by which forming the sum of squares about the mean
// from raw sums magnifies their rounding errors. Infinite when the values are all alike.
double sumOfSquaresCondition(std::span<const float> values);
double sumOfSquaresCondition(std::span<const double> values);

// Whether the raw sums of these values cancel beyond kMaxSumOfSquaresCondition, or their sum of
// squares about the mean lies below the smallest normal single.
bool rawSumsCancel(std::span<const float> values);
bool rawSumsCancel(std::span<const double> values);

// A sum of squares or products about the means as a calculation keeps it: stored as a single, as
// the raw sums are, unless its size lies below the smallest normal single, where a single would
// hold it with fewer digits or as 0: then as it is, in double.
double keptCentredSum(double sum);

// The same for a calculation that stores its quantities as Real: a calculation in double keeps
// every sum as it is.
template <typename Real> double keptCentredSumAs(double sum) {
    if constexpr (std::is_same_v<Real, float>)
        return keptCentredSum(sum);
    else
        return sum;
}

// Elements 1..count of a sheet column held 1-based (element 0 unused).
std::span<const float> sheetValues(const std::vector<float>& column, float count);
std::span<const double> sheetValues(const std::vector<double>& column, float count);

// Σx in double.
double sumOf(std::span<const float> values);
double sumOf(std::span<const double> values);

// Σx / n in double.
double meanOf(std::span<const float> values);
double meanOf(std::span<const double> values);

// The mean of a sum formed in double and stored as single, as the running single-precision sum is
// stored: a sum beyond the single range raises Overflow.
float storedMean(std::span<const float> values);

// Σ(x - x̄)(y - ȳ) in double, the means in double; x and y of equal length. With y = x the sum of
// squares about the mean, exactly 0 only when the values are all alike.
double centredProducts(std::span<const float> x, std::span<const float> y);
double centredProducts(std::span<const double> x, std::span<const double> y);

} // namespace quillon
