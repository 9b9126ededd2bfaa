// The exact F series on several stored x at once. Every step is the step of fSeriesOfX, made for
// each x in turn: the degrees of freedom fix b, c, u, w and the step counts for all, and the chains
// of s1 and s2, each waiting on its own last rounding, overlap in the processor. A sum that is 0
// for every x stays 0 through the steps (its factors are finite and positive), so its step is left
// out. An error of one x (an overflow of s1 or s2, a store beyond the single range) fails that
// one alone.
#include "core/f_series.h"

#include "core/arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {

namespace {

constexpr int kLanes = static_cast<int>(kSeriesLanes);

// Stores a value as single; one the single cannot hold marks its x failed, as single() raises.
float store(double value, bool& failed) {
    const float stored = static_cast<float>(value);
    if (!std::isfinite(stored))
        failed = true;
    return stored;
}

#if defined(__SSE2__)
// count steps down for the four x, held two to a register of doubles, each value always one that
// a single holds: the same products, sums and quotients in double, each stored by a conversion to
// single and back (rounding to nearest, an overflow to infinity, as a store of a single does).
// The processor divides two doubles in about the time of one.
void descendFour(int count, float& b, float& c, float u, bool stepS1, bool stepS2, const float* y,
                 float* t, float* s1, float* s2) {
    const auto load = [](const float* values, int first) {
        return _mm_set_pd(double{values[first + 1]}, double{values[first]});
    };
    const auto save = [](__m128d pair, float* values, int first) {
        double both[2];
        _mm_storeu_pd(both, pair);
        values[first] = static_cast<float>(both[0]);
        values[first + 1] = static_cast<float>(both[1]);
    };
    const auto toSingle = [](__m128d pair) { return _mm_cvtps_pd(_mm_cvtpd_ps(pair)); };
    const __m128d y01 = load(y, 0);
    const __m128d y23 = load(y, 2);
    __m128d t01 = load(t, 0);
    __m128d t23 = load(t, 2);
    __m128d s101 = load(s1, 0);
    __m128d s123 = load(s1, 2);
    __m128d s201 = load(s2, 0);
    __m128d s223 = load(s2, 2);
    const __m128d uu = _mm_set1_pd(double{u});
    for (int step = 0; step < count; ++step) {
        b = static_cast<float>(double{b} - 1.0);
        c = static_cast<float>(double{c} - 1.0);
        const __m128d bb = _mm_set1_pd(double{b});
        const __m128d cc = _mm_set1_pd(double{c});
        if (stepS1) {
            s101 = toSingle(_mm_add_pd(_mm_mul_pd(s101, t01), uu));
            s123 = toSingle(_mm_add_pd(_mm_mul_pd(s123, t23), uu));
        }
        t01 = toSingle(_mm_div_pd(_mm_mul_pd(y01, cc), bb));
        t23 = toSingle(_mm_div_pd(_mm_mul_pd(y23, cc), bb));
        if (stepS2) {
            s201 = toSingle(_mm_mul_pd(_mm_add_pd(_mm_div_pd(y01, bb), t01), s201));
            s223 = toSingle(_mm_mul_pd(_mm_add_pd(_mm_div_pd(y23, bb), t23), s223));
        }
    }
    save(t01, t, 0);
    save(t23, t, 2);
    save(s101, s1, 0);
    save(s123, s1, 2);
    save(s201, s2, 0);
    save(s223, s2, 2);
}
#endif

} // namespace

std::array<FSeriesOutcome, kSeriesLanes> runFSeriesLanes(const std::array<float, kSeriesLanes>& x,
                                                         double df1, double df2, double pi) {
    std::array<FSeriesOutcome, kSeriesLanes> allFailed;
    allFailed.fill(FSeriesOutcome{true, 0.0f});
    // Beyond the pass counter, or with an x of 1, the series is not run.
    const bool anyOne = std::find(x.begin(), x.end(), 1.0f) != x.end();
    if (df1 > kMostSeriesDegrees || df2 > kMostSeriesDegrees || anyOne) {
        std::array<FSeriesOutcome, kSeriesLanes> outcomes;
        for (std::size_t lane = 0; lane < kSeriesLanes; ++lane)
            outcomes[lane] = runFSeries(x[lane], df1, df2, pi);
        return outcomes;
    }

    bool failed[kLanes] = {};
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
        return allFailed;
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
        y[lane] = store(1.0 - double{x[static_cast<std::size_t>(lane)]}, failed[lane]);
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

    // Which sums a pass must step: s1 stays 0 where it is 0 for every x and u is 0, s2 where it is
    // 0 for every x.
    bool stepS1 = true;
    bool stepS2 = true;
#if !defined(__SSE2__)
    const auto descend = [&] {
        b = static_cast<float>(double{b} - 1.0);
        c = static_cast<float>(double{c} - 1.0);
        for (int lane = 0; lane < kLanes; ++lane) {
            if (stepS1)
                s1[lane] = static_cast<float>(double{s1[lane]} * double{t[lane]} + double{u});
            t[lane] = static_cast<float>(double{y[lane]} * double{c} / double{b});
            if (stepS2)
                s2[lane] = static_cast<float>((double{y[lane]} / double{b} + double{t[lane]}) *
                                              double{s2[lane]});
        }
    };
#endif
    // An overflow leaves s1 or s2 infinite or NaN through every later step.
    const auto checkSums = [&] {
        bool everyLaneFailed = true;
        for (int lane = 0; lane < kLanes; ++lane) {
            if (!std::isfinite(s1[lane]) || !std::isfinite(s2[lane]))
                failed[lane] = true;
            everyLaneFailed = everyLaneFailed && failed[lane];
        }
        return everyLaneFailed;
    };
    // Steps first to last, looking every so often whether both x have failed already.
    const auto descendFrom = [&](int first, int last) {
        stepS1 = u != 0.0f || std::any_of(s1, s1 + kLanes, [](float s) { return s != 0.0f; });
        stepS2 = std::any_of(s2, s2 + kLanes, [](float s) { return s != 0.0f; });
        constexpr int kStepsBetweenLooks = 256;
        for (int block = first; block <= last; block += kStepsBetweenLooks) {
            const int blockLast = std::min(last, block + kStepsBetweenLooks - 1);
#if defined(__SSE2__)
            static_assert(kSeriesLanes == 4);
            descendFour(blockLast - block + 1, b, c, u, stepS1, stepS2, y, t, s1, s2);
#else
            for (int step = block; step <= blockLast; ++step)
                descend();
#endif
            if (checkSums())
                return true;
        }
        return checkSums();
    };

    for (int pass = 1; pass <= 2; ++pass) {
        if (wholePart(h) > 32767.0)
            return allFailed;
        const int last = static_cast<int>(wholePart(h));
        if (wholePart(h) != h) {
            if (descendFrom(1, last))
                return allFailed;
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
                return allFailed;
            for (int lane = 0; lane < kLanes; ++lane) {
                bool& laneFailed = failed[lane];
                s1[lane] = store(double{s1[lane]} * double{t[lane]} + double{u}, laneFailed);
                z[lane] = -1.0f;
                s2[lane] =
                    store(double{x[static_cast<std::size_t>(lane)]} * double{s2[lane]}, laneFailed);
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
                y[lane] = x[static_cast<std::size_t>(lane)];
            }
            h = a;
        }
        for (int lane = 0; lane < kLanes; ++lane)
            if (y[lane] < 1E-36f)
                y[lane] = 1E-36f;
    }

    const bool oddDenominator = std::fmod(roundHalfEven(df2), 2.0) != 0.0;
    std::array<FSeriesOutcome, kSeriesLanes> outcomes;
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
