// The exact F series on two stored x at once. Every step is the step of fSeriesOfX, made for both
// x in turn: the degrees of freedom fix b, c, u, w and the step counts for both, and the two chains
// of s1 and s2, each waiting on its own last rounding, overlap in the processor. An error of one
// x (an overflow of s1 or s2, a store beyond the single range) fails that one alone.
#include "f_series.h"

#include "arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quillon {

namespace {

constexpr int kLanes = 2;

// Stores a value as single; one the single cannot hold marks its x failed, as single() raises.
float store(double value, bool& failed) {
    const float stored = static_cast<float>(value);
    if (!std::isfinite(stored))
        failed = true;
    return stored;
}

} // namespace

std::array<FSeriesOutcome, 2> runFSeriesPair(float x1, float x2, double df1, double df2,
                                             double pi) {
    // Beyond the pass counter, or with an x of 1, the series is not run for either.
    if (df1 > kMostSeriesDegrees || df2 > kMostSeriesDegrees || x1 == 1.0f || x2 == 1.0f)
        return {runFSeries(x1, df1, df2, pi), runFSeries(x2, df1, df2, pi)};

    const float x[kLanes] = {x1, x2};
    bool failed[kLanes] = {false, false};
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    float w = 1.0f;
    try {
        a = single(df1 / 2.0);
        b = single(df2 / 2.0);
        c = single(double{a} + double{b} - 1.0);
        w = single(divide(2.0, pi));
    } catch (const ArithmeticError&) {
        return {FSeriesOutcome{true, 0.0f}, FSeriesOutcome{true, 0.0f}};
    }
    const float twoOverPi = w;
    w = 1.0f;
    float y[kLanes];
    float t[kLanes];
    float s1[kLanes];
    float s2[kLanes];
    float p[kLanes];
    float z[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) {
        y[lane] = store(1.0 - double{x[lane]}, failed[lane]);
        if (y[lane] < 1E-36f)
            y[lane] = 1E-36f;
        t[lane] = 0.0f;
        s1[lane] = 0.0f;
        s2[lane] = 0.0f;
        p[lane] = 1.0f;
        z[lane] = 0.0f;
    }
    float u = 1.0f;
    float h = b;

    const auto descend = [&] {
        b = static_cast<float>(double{b} - 1.0);
        c = static_cast<float>(double{c} - 1.0);
        for (int lane = 0; lane < kLanes; ++lane) {
            s1[lane] = static_cast<float>(double{s1[lane]} * double{t[lane]} + double{u});
            t[lane] = static_cast<float>(double{y[lane]} * double{c} / double{b});
            s2[lane] = static_cast<float>((double{y[lane]} / double{b} + double{t[lane]}) *
                                          double{s2[lane]});
        }
    };
    // An overflow leaves s1 or s2 infinite or NaN through every later step.
    const auto checkSums = [&] {
        bool allFailed = true;
        for (int lane = 0; lane < kLanes; ++lane) {
            if (!std::isfinite(s1[lane]) || !std::isfinite(s2[lane]))
                failed[lane] = true;
            allFailed = allFailed && failed[lane];
        }
        return allFailed;
    };
    // Steps first to last, looking every so often whether both x have failed already.
    const auto descendFrom = [&](int first, int last) {
        constexpr int kStepsBetweenLooks = 256;
        for (int block = first; block <= last; block += kStepsBetweenLooks) {
            const int blockLast = std::min(last, block + kStepsBetweenLooks - 1);
            for (int step = block; step <= blockLast; ++step)
                descend();
            if (checkSums())
                return true;
        }
        return checkSums();
    };
    const std::array<FSeriesOutcome, 2> bothFailed = {FSeriesOutcome{true, 0.0f},
                                                      FSeriesOutcome{true, 0.0f}};

    for (int pass = 1; pass <= 2; ++pass) {
        if (wholePart(h) > 32767.0)
            return bothFailed;
        const int last = static_cast<int>(wholePart(h));
        if (wholePart(h) != h) {
            if (descendFrom(1, last))
                return bothFailed;
            for (int lane = 0; lane < kLanes; ++lane) {
                bool& laneFailed = failed[lane];
                s1[lane] = store(double{w} * double{s1[lane]}, laneFailed);
                s2[lane] = store(double{w} * double{s2[lane]}, laneFailed);
                const double rootY = std::sqrt(double{y[lane]});
                p[lane] = store(rootY * double{p[lane]}, laneFailed);
                z[lane] = store((double{p[lane]} - rootY) / double{y[lane]}, laneFailed);
            }
            c = -0.5f;
            w = twoOverPi;
        } else {
            if (descendFrom(2, last))
                return bothFailed;
            for (int lane = 0; lane < kLanes; ++lane) {
                bool& laneFailed = failed[lane];
                s1[lane] = store(double{s1[lane]} * double{t[lane]} + double{u}, laneFailed);
                z[lane] = -1.0f;
                s2[lane] = store(double{x[lane]} * double{s2[lane]}, laneFailed);
            }
            u = 0.0f;
            c = -1.0f;
        }
        if (pass == 1) {
            b = a;
            c = static_cast<float>(double{a} + double{c});
            for (int lane = 0; lane < kLanes; ++lane) {
                s2[lane] = s1[lane];
                s1[lane] = 0.0f;
                y[lane] = x[lane];
            }
            h = a;
        }
        for (int lane = 0; lane < kLanes; ++lane)
            if (y[lane] < 1E-36f)
                y[lane] = 1E-36f;
    }

    const bool oddDenominator = std::fmod(roundHalfEven(df2), 2.0) != 0.0;
    std::array<FSeriesOutcome, 2> outcomes;
    for (int lane = 0; lane < kLanes; ++lane) {
        bool laneFailed = failed[lane];
        float laneU = u;
        if (oddDenominator)
            laneU = store(4.0 / pi * std::atan(double{z[lane]}), laneFailed);
        float probability =
            store(1.0 - ((double{s2[lane]} - double{s1[lane]}) * double{p[lane]} - double{laneU}),
                  laneFailed);
        if (probability < 0.0f)
            probability = 0.0f;
        if (probability > 1.0f)
            probability = 1.0f;
        outcomes[static_cast<std::size_t>(lane)] =
            laneFailed ? FSeriesOutcome{true, 0.0f} : FSeriesOutcome{false, probability};
    }
    return outcomes;
}

} // namespace quillon
