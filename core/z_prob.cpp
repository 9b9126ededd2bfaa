// Two-tailed normal probability: the upper tail by the polynomial approximation of Abramowitz and
// Stegun 26.2.17 (absolute error below 7.5E-8), doubled.
#include "core/distributions.h"

#include "core/arithmetic.h"

#include <cmath>

namespace quillon {

float zProb(float z) {
    const float a = std::fabs(z);
    // Beyond 6 the tail is below 2E-9: none.
    if (a > 6.0f)
        return 0.0f;
    // The density exp(-z^2/2) / sqrt(2 pi).
    const double zSquared = double{z} * double{z};
    const float e = single(divide(1.0, power(6.283185307 * exponential(zSquared), 0.5)));
    const float t = single(divide(1.0, double{a} * 0.2316419 + 1.0));
    const float t2 = single(double{t} * double{t});
    // The polynomial is summed in extended precision from the stored t and t2.
    const long double te = t;
    const long double t2e = t2;
    const float s = single(te * 0.31938153 - t2e * 0.356563782 + (te * t2e) * 1.781477937 -
                           (t2e * t2e) * 1.821255978 + (t2e * t2e * te) * 1.330274429);
    float p = single(std::fabs(2.0 * double{s} * double{e}));
    if (p > 0.9999f)
        p = 0.9999f;
    return p;
}

} // namespace quillon
