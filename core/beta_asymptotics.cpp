// Two approximations of I_x(a, b) for huge parameters, each used only where its error stays far
// inside a single's rounding.
//
// Both parameters large: with r = a + b, x0 = a / r, y0 = b / r and eta of the sign of x - x0 given
// by eta^2 / 2 = x0 (u - log(1 + u)) + y0 (v - log(1 + v)), u = x/x0 - 1, v = y/y0 - 1,
//     I_x(a, b) = erfc(-eta sqrt(r/2)) / 2 - exp(-r eta^2 / 2) / sqrt(2 pi r) (c0(eta) + O(1/r))
// with c0 = sqrt(x0 y0) / (x - x0) - 1 / eta, whose limit at eta = 0 is (x0 - y0) / (3 sqrt(x0 y0))
// (Temme's uniform expansion, DLMF 8.18). The omitted terms fall as
// min(a, b)^(-3/2): at most 5E-9 relative at 1E5, uniformly in max(a, b) and x.
//
// One parameter large: as b grows with a fixed, b x tends to a gamma variable; taking
// lambda = -(b + (a - 1)/2) log(1 - x) in its place, I_x(a, b) = P(a, lambda) within a relative
// 16 a^3 / b^2 (measured against 50-digit values; the shift (a - 1)/2 takes out the error of
// order a^2 / b that lambda = b x would leave).
#include "core/beta_asymptotics.h"

#include "core/gamma_tails.h"
#include "core/stirling_terms.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Below this |eta| sqrt(r), c0 takes its limit: sqrt(x0 y0) / (x - x0) and 1 / eta would cancel.
constexpr double kCentre = 1e-6;
constexpr double kSqrtTwo = 1.41421356237309504880;
constexpr double kSqrtTwoPi = 2.50662827463100050242;

// One parameter large enough against the other for the gamma limit: 16 small^3 / large^2 <= 1E-9,
// and large at least 1E6.
constexpr double kGammaLimitFactor = 1.27e5; // sqrt(16 / 1E-9)
constexpr double kGammaLimitLeast = 1e6;

// log(1 - x), from whichever of x and 1 - x carries the digits.
double logComplement(double x, double y) {
    return x < 0.5 ? std::log1p(-x) : std::log(y);
}

} // namespace

double betaLowerTailForLargeParameters(double a, double b, double x, double y) {
    const double small = std::min(a, b);
    const double large = std::max(a, b);
    // sqrt(a + b) without forming a + b, which may overflow.
    const double sqrtTotal = std::sqrt(large) * std::sqrt(1.0 + small / large);
    const double x0 = 1.0 / (1.0 + b / a);
    const double y0 = 1.0 / (1.0 + a / b);
    // x - x0 = y0 - y; the smaller of x and y has the digits.
    const double departure = x <= 0.5 ? x - x0 : y0 - y;
    const double halfEtaSquared = x0 * logRatioRemainder(x / x0, departure / x0) +
                                  y0 * logRatioRemainder(y / y0, -departure / y0);
    const double eta = -std::sqrt(2.0 * halfEtaSquared);
    const double z = eta * sqrtTotal;
    const double sigma = std::sqrt(x0 * y0);
    const double c0 =
        std::fabs(z) < kCentre ? (x0 - y0) / (3.0 * sigma) : sigma / departure - 1.0 / eta;
    return 0.5 * std::erfc(-z / kSqrtTwo) - std::exp(-0.5 * z * z) / (kSqrtTwoPi * sqrtTotal) * c0;
}

bool betaGammaLimitHolds(double a, double b) {
    const double small = std::min(a, b);
    const double large = std::max(a, b);
    return large >= kGammaLimitLeast && large >= kGammaLimitFactor * small * std::sqrt(small);
}

double betaByGammaLimit(double a, double b, double x, double y) {
    if (a <= b) {
        const double lambda = -(b + (a - 1.0) / 2.0) * logComplement(x, y);
        return gammaTails(a, lambda).lower;
    }
    // I_x(a, b) = 1 - I_y(b, a), the upper tail of the gamma variable for I_y(b, a).
    const double lambda = -(a + (b - 1.0) / 2.0) * logComplement(y, x);
    return gammaTails(b, lambda).upper;
}

} // namespace quillon
