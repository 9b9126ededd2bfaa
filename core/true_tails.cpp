#include "core/true_tails.h"

#include "core/true_distributions.h"

#include <cmath>

namespace quillon {

double trueZTail(double z) {
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

double trueTTail(double t, double n) {
    const double tSquared = t * t;
    const double w = n / (n + tSquared);
    const double complement = tSquared / (n + tSquared);
    return regularizedBeta(n / 2.0, 0.5, w, complement);
}

double trueFTail(double f, double df1, double df2) {
    if (f <= 0.0)
        return 1.0;
    const double numerator = df1 * f;
    const double w = df2 / (df2 + numerator);
    const double complement = numerator / (df2 + numerator);
    return regularizedBeta(df2 / 2.0, df1 / 2.0, w, complement);
}

double trueChiSquareTail(double x, double df) {
    if (x <= 0.0)
        return 1.0;
    return regularizedUpperGamma(df / 2.0, x / 2.0);
}

} // namespace quillon
