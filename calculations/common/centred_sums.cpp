#include "calculations/common/centred_sums.h"

#include "core/arithmetic.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace quillon {
namespace {

// The steps below, written once over the storage of the values (single or double).
template <typename Real> double sumOfValues(std::span<const Real> values) {
    double sum = 0.0;
    for (const Real x : values)
        sum += x;
    return sum;
}

template <typename Real> double meanOfValues(std::span<const Real> values) {
    return sumOfValues(values) / static_cast<double>(values.size());
}

template <typename Real>
double centredProductsOf(std::span<const Real> x, std::span<const Real> y) {
    const double meanX = meanOfValues(x);
    const double meanY = meanOfValues(y);
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i)
        sum += (x[i] - meanX) * (y[i] - meanY);
    return sum;
}

template <typename Real> double conditionOf(std::span<const Real> values) {
    double rawSquares = 0.0;
    for (const Real x : values)
        rawSquares += static_cast<double>(x) * x;
    const double centredSquares = centredProductsOf(values, values);
    if (centredSquares == 0.0)
        return std::numeric_limits<double>::infinity();
    return rawSquares / centredSquares;
}

template <typename Real> bool cancels(std::span<const Real> values) {
    if (conditionOf(values) > kMaxSumOfSquaresCondition)
        return true;
    return centredProductsOf(values, values) < std::numeric_limits<float>::min();
}

} // namespace

double sumOfSquaresCondition(std::span<const float> values) {
    return conditionOf(values);
}

double sumOfSquaresCondition(std::span<const double> values) {
    return conditionOf(values);
}

bool rawSumsCancel(std::span<const float> values) {
    return cancels(values);
}

bool rawSumsCancel(std::span<const double> values) {
    return cancels(values);
}

double keptCentredSum(double sum) {
    if (sum != 0.0 && std::fabs(sum) < std::numeric_limits<float>::min())
        return sum;
    return single(sum);
}

std::span<const float> sheetValues(const std::vector<float>& column, float count) {
    return std::span<const float>(column).subspan(1, static_cast<std::size_t>(count));
}

std::span<const double> sheetValues(const std::vector<double>& column, float count) {
    return std::span<const double>(column).subspan(1, static_cast<std::size_t>(count));
}

double sumOf(std::span<const float> values) {
    return sumOfValues(values);
}

double sumOf(std::span<const double> values) {
    return sumOfValues(values);
}

double meanOf(std::span<const float> values) {
    return meanOfValues(values);
}

double meanOf(std::span<const double> values) {
    return meanOfValues(values);
}

float storedMean(std::span<const float> values) {
    const float sum = single(sumOf(values));
    return single(divide(sum, static_cast<double>(values.size())));
}

double centredProducts(std::span<const float> x, std::span<const float> y) {
    return centredProductsOf(x, y);
}

double centredProducts(std::span<const double> x, std::span<const double> y) {
    return centredProductsOf(x, y);
}

} // namespace quillon
