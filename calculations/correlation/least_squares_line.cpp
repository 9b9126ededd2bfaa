#include "calculations/correlation/least_squares_line.h"

#include <algorithm>
#include <cmath>

namespace quillon {

std::optional<LeastSquaresLine> leastSquaresLine(std::span<const double> x,
                                                 std::span<const double> y) {
    const std::size_t count = std::min(x.size(), y.size());
    if (count < 2)
        return std::nullopt;
    LeastSquaresLine line;
    for (std::size_t i = 0; i < count; ++i) {
        line.meanX += x[i];
        line.meanY += y[i];
    }
    line.meanX /= static_cast<double>(count);
    line.meanY /= static_cast<double>(count);
    // Sums about the means rather than raw sums keep the digits of values far from zero.
    double sxx = 0.0;
    double sxy = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double dx = x[i] - line.meanX;
        sxx += dx * dx;
        sxy += dx * (y[i] - line.meanY);
    }
    if (!(sxx > 0.0) || !std::isfinite(sxx) || !std::isfinite(sxy))
        return std::nullopt;
    line.slope = sxy / sxx;
    line.intercept = line.meanY - line.slope * line.meanX;
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept))
        return std::nullopt;
    return line;
}

} // namespace quillon
