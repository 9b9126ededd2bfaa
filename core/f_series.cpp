// The exact F series: the finite expansions of the incomplete beta ratio for whole degrees of
// freedom (Abramowitz and Stegun 26.6.4 to 26.6.8), walked in two passes, first down the
// denominator's half-degrees of freedom, then down the numerator's. An odd pass leaves the factors
// 2/pi and sqrt(y) for the next and the arctangent argument Z; an even pass clears U.
//
// The fallback: the cube-root (Wilson-Hilferty) transformation of F to a normal deviate
// (A&S 26.6.15, with its correction for fewer than 4 degrees of freedom) and the normal upper tail
// by A&S 26.2.19.
#include "core/f_series.h"

#include "core/arithmetic.h"

#include <cmath>
#include <cstdint>

namespace quillon {

float fSeriesX(float f, double df1, double df2) {
    return single(divide(df1 * f, df2 + df1 * f));
}

double fSeriesRoundingError(double df1, double df2) {
    return (df1 + df2) / 2.0 * 0x1p-24;
}

FSeriesOutcome runFSeries(float x, double df1, double df2, double pi) {
    // Beyond the pass counter the series fails whatever x is.
    if (df1 > kMostSeriesDegrees || df2 > kMostSeriesDegrees)
        return {true, 0.0f};
    if (x == 1.0f)
        return {false, 0.0f};
    try {
        return {false, fSeriesOfX(x, df1, df2, pi)};
    } catch (const ArithmeticError&) {
        return {true, 0.0f};
    }
}

float fSeries(float f, double df1, double df2, double pi) {
    return fSeriesOfX(fSeriesX(f, df1, df2), df1, df2, pi);
}

namespace {

// The quantities of the series as it walks, each stored as a single.
struct SeriesSums {
    float b;
    float c;
    float y;
    float h;
    float t = 0.0f;
    float u = 1.0f;
    float s1 = 0.0f;
    float s2 = 0.0f;
    float p = 1.0f;
    float w = 1.0f;
    float z = 0.0f;
};

// One step down the half-degrees of freedom of the current pass. Each assignment is stored as a
// single; b never reaches 0 here, so the divisions cannot fault. An overflow or invalid operation
// leaves s1 or s2 infinite or NaN, and stays so in every later step: it is raised at once, as a
// checked store would.
void descend(SeriesSums& s) {
    s.s1 = static_cast<float>(double{s.s1} * double{s.t} + double{s.u});
    s.b = static_cast<float>(double{s.b} - 1.0);
    s.c = static_cast<float>(double{s.c} - 1.0);
    s.t = static_cast<float>(double{s.y} * double{s.c} / double{s.b});
    s.s2 = static_cast<float>((double{s.y} / double{s.b} + double{s.t}) * double{s.s2});
    if (!std::isfinite(s.s1) || !std::isfinite(s.s2))
        throw ArithmeticError(ArithmeticFault::Overflow);
}

// A pass over an odd degree of freedom (h a half): h - 1/2 steps, then the factors 2/pi and
// sqrt(y) for the next pass and the arctangent argument Z.
void oddPass(SeriesSums& s, std::int16_t last, double pi) {
    for (int step = 1; step <= last; ++step)
        descend(s);
    s.s1 = single(double{s.w} * double{s.s1});
    s.s2 = single(double{s.w} * double{s.s2});
    s.p = single(squareRoot(s.y) * double{s.p});
    s.z = single(divide(double{s.p} - squareRoot(s.y), s.y));
    s.c = -0.5f;
    s.w = single(divide(2.0, pi));
}

// A pass over an even degree of freedom (h whole): h - 1 steps, then one more term of s1, and U
// cleared.
void evenPass(SeriesSums& s, std::int16_t last, float x) {
    for (int step = 2; step <= last; ++step)
        descend(s);
    s.s1 = single(double{s.s1} * double{s.t} + double{s.u});
    s.u = 0.0f;
    s.z = -1.0f;
    s.c = -1.0f;
    s.s2 = single(double{x} * double{s.s2});
}

// The numerator's pass starts from the denominator's sums.
void turnToNumerator(SeriesSums& s, float a, float x) {
    s.b = a;
    s.c = single(double{a} + double{s.c});
    s.s2 = s.s1;
    s.s1 = 0.0f;
    s.h = a;
    s.y = x;
}

} // namespace

float fSeriesOfX(float x, double df1, double df2, double pi) {
    const float a = single(df1 / 2.0);
    SeriesSums s{.b = single(df2 / 2.0), .c = 0.0f, .y = 0.0f, .h = 0.0f};
    s.c = single(double{a} + double{s.b} - 1.0);
    s.y = single(1.0 - double{x});
    if (s.y < 1E-36f)
        s.y = 1E-36f;
    s.h = s.b;

    for (int pass = 1; pass <= 2; ++pass) {
        // The pass counts its steps with a 16-bit counter that runs up to the whole part of h:
        // more than 32767 half-degrees of freedom (a df above 65535) overflow it before the
        // first step.
        const std::int16_t last = toInt16(wholePart(s.h));
        if (wholePart(s.h) != s.h)
            oddPass(s, last, pi);
        else
            evenPass(s, last, x);
        if (pass == 1)
            turnToNumerator(s, a, x);
        if (s.y < 1E-36f)
            s.y = 1E-36f;
    }

    const bool oddDenominator = std::fmod(roundHalfEven(df2), 2.0) != 0.0;
    if (oddDenominator)
        s.u = single(4.0 / pi * std::atan(double{s.z}));
    float probability = single(1.0 - ((double{s.s2} - double{s.s1}) * double{s.p} - double{s.u}));
    if (probability < 0.0f)
        probability = 0.0f;
    if (probability > 1.0f)
        probability = 1.0f;
    return probability;
}

float fNormalApproximation(float f, double df1, double df2) {
    // An F below 1 is turned over: 1/F has the degrees of freedom swapped.
    float m1 = single(df1);
    float m2 = single(df2);
    float ratio = f;
    if (f < 1.0f) {
        m1 = single(df2);
        m2 = single(df1);
        ratio = single(divide(1.0, f));
    }
    const float denominatorDf = m2;
    const float a = single(divide(2.0 / 9.0, m1));
    const float b = single(divide(2.0 / 9.0, m2));
    const double g = std::fabs(power(ratio, 1.0 / 3.0) * (1.0 - double{b}) + double{a} - 1.0);
    float z = single(divide(g, squareRoot(power(ratio, 2.0 / 3.0) * double{b} + double{a})));
    if (denominatorDf < 4.0f)
        z = single((1.0 + 0.08 * power(z, 4.0) / power(denominatorDf, 3.0)) * double{z});
    const double polynomial = 1.0 + z * (0.196854 + z * (0.115194 + z * (0.000344 + z * 0.019527)));
    const float q = single(divide(0.5, power(polynomial, 4.0)));
    if (f >= 1.0f)
        return q;
    return single(1.0 - double{q});
}

} // namespace quillon
