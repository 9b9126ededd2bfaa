#include "calculations/common/centred_sums.h"

#include "core/arithmetic.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace quillon {

double sumOfSquaresCondition(std::span<const float> values) {
    double rawSquares = 0.0;
    for (const float x : values)
        rawSquares += static_cast<double>(x) * x;
    const double centredSquares = centredProducts(values, values);
    if (centredSquares == 0.0)
        return std::numeric_limits<double>::infinity();
    return rawSquares / centredSquares;
}

bool rawSumsCancel(std::span<const float> values) {
    if (sumOfSquaresCondition(values) > kMaxSumOfSquaresCondition)
        return true;
    return centredProducts(values, values) < std::numeric_limits<float>::min();
}

double keptCentredSum(double sum) {
    if (sum != 0.0 && std::fabs(sum) < std::numeric_limits<float>::min())
        return sum;
    return single(sum);
}

std::span<const float> sheetValues(const std::vector<float>& column, float count) {
    return std::span<const float>(column).subspan(1, static_cast<std::size_t>(count));
}

double sumOf(std::span<const float> values) {
    double sum = 0.0;
    for (const float x : values)
        sum += x;
    return sum;
}

double meanOf(std::span<const float> values) {
    return sumOf(values) / static_cast<double>(values.size());
}

float storedMean(std::span<const float> values) {
    const float sum = single(sumOf(values));
    return single(divide(sum, static_cast<double>(values.size())));
}

double centredProducts(std::span<const float> x, std::span<const float> y) {
    const double meanX = meanOf(x);
    const double meanY = meanOf(y);
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i)
        sum += (x[i] - meanX) * (y[i] - meanY);
    return sum;
}

} // namespace quillon
