// The least-squares line of y on x through pairs of values, in double: the line a scatter of the
// pairs draws, for the correlations as for the regression.
#pragma once

#include <optional>
#include <span>

namespace quillon {

struct LeastSquaresLine {
    double meanX = 0.0;
    double meanY = 0.0;
    double slope = 0.0;
    double intercept = 0.0;
};

// Nothing for fewer than two pairs, for x without spread, or where a sum is not finite.
std::optional<LeastSquaresLine> leastSquaresLine(std::span<const double> x,
                                                 std::span<const double> y);

} // namespace quillon
