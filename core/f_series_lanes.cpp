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

// The walk of the series for kLanes stored x: the quantities the degrees of freedom fix for all,
// and each x's own.
class LaneSeries {
public:
    LaneSeries(const std::array<float, kSeriesLanes>& x, float a, float b, float c, float twoOverPi)
        : x_(x), a_(a), b_(b), c_(c), h_(b), twoOverPi_(twoOverPi) {
        for (int lane = 0; lane < kLanes; ++lane) {
            y_[lane] = store(1.0 - double{xOf(lane)}, failed_[lane]);
            if (y_[lane] < 1E-36f)
                y_[lane] = 1E-36f;
            p_[lane] = 1.0f;
        }
    }

    // Both passes, the denominator's and then the numerator's; false once every x has failed.
    bool walk() {
        for (int pass = 1; pass <= 2; ++pass) {
            if (wholePart(h_) > 32767.0)
                return false;
            const int last = static_cast<int>(wholePart(h_));
            if (wholePart(h_) != h_) {
                if (descendFrom(1, last))
                    return false;
                endOddPass();
            } else {
                if (descendFrom(2, last))
                    return false;
                endEvenPass();
            }
            if (pass == 1)
                turnToNumerator();
            for (int lane = 0; lane < kLanes; ++lane)
                if (y_[lane] < 1E-36f)
                    y_[lane] = 1E-36f;
        }
        return true;
    }

    std::array<FSeriesOutcome, kSeriesLanes> outcomes(double df2, double pi) const {
        const bool oddDenominator = std::fmod(roundHalfEven(df2), 2.0) != 0.0;
        std::array<FSeriesOutcome, kSeriesLanes> result;
        for (int lane = 0; lane < kLanes; ++lane) {
            bool laneFailed = failed_[lane];
            float laneU = u_;
            if (oddDenominator)
                laneU = store(4.0 / pi * std::atan(double{z_[lane]}), laneFailed);
            float probability = store(
                1.0 - ((double{s2_[lane]} - double{s1_[lane]}) * double{p_[lane]} - double{laneU}),
                laneFailed);
            if (probability < 0.0f)
                probability = 0.0f;
            if (probability > 1.0f)
                probability = 1.0f;
            result[static_cast<std::size_t>(lane)] =
                laneFailed ? FSeriesOutcome{true, 0.0f} : FSeriesOutcome{false, probability};
        }
        return result;
    }

private:
    float xOf(int lane) const { return x_[static_cast<std::size_t>(lane)]; }

    // An overflow leaves s1 or s2 infinite or NaN through every later step.
    bool checkSums() {
        bool everyLaneFailed = true;
        for (int lane = 0; lane < kLanes; ++lane) {
            if (!std::isfinite(s1_[lane]) || !std::isfinite(s2_[lane]))
                failed_[lane] = true;
            everyLaneFailed = everyLaneFailed && failed_[lane];
        }
        return everyLaneFailed;
    }

#if !defined(__SSE2__)
    void descend() {
        b_ = static_cast<float>(double{b_} - 1.0);
        c_ = static_cast<float>(double{c_} - 1.0);
        for (int lane = 0; lane < kLanes; ++lane) {
            if (stepS1_)
                s1_[lane] = static_cast<float>(double{s1_[lane]} * double{t_[lane]} + double{u_});
            t_[lane] = static_cast<float>(double{y_[lane]} * double{c_} / double{b_});
            if (stepS2_)
                s2_[lane] = static_cast<float>((double{y_[lane]} / double{b_} + double{t_[lane]}) *
                                               double{s2_[lane]});
        }
    }
#endif

    // Steps first to last, looking every so often whether every x has failed already; true when
    // it has. A pass steps s1 only where it is not 0 for every x or u is not 0, s2 only where it
    // is not 0 for every x.
    bool descendFrom(int first, int last) {
        stepS1_ = u_ != 0.0f || std::any_of(
                                    s1_, s1_ + kLanes, [](float s) { return s != 0.0f; });
        stepS2_ = std::any_of(s2_, s2_ + kLanes, [](float s) { return s != 0.0f; });
        constexpr int kStepsBetweenLooks = 256;
        for (int block = first; block <= last; block += kStepsBetweenLooks) {
            const int blockLast = std::min(last, block + kStepsBetweenLooks - 1);
#if defined(__SSE2__)
            static_assert(kSeriesLanes == 4);
            descendFour(blockLast - block + 1, b_, c_, u_, stepS1_, stepS2_, y_, t_, s1_, s2_);
#else
            for (int step = block; step <= blockLast; ++step)
                descend();
#endif
            if (checkSums())
                return true;
        }
        return checkSums();
    }

    // An odd degree of freedom leaves the factors 2/pi and sqrt(y) and the arctangent argument Z.
    void endOddPass() {
        for (int lane = 0; lane < kLanes; ++lane) {
            bool& laneFailed = failed_[lane];
            s1_[lane] = store(double{w_} * double{s1_[lane]}, laneFailed);
            s2_[lane] = store(double{w_} * double{s2_[lane]}, laneFailed);
            const double rootY = std::sqrt(double{y_[lane]});
            p_[lane] = store(rootY * double{p_[lane]}, laneFailed);
            z_[lane] = store((double{p_[lane]} - rootY) / double{y_[lane]}, laneFailed);
        }
        c_ = -0.5f;
        w_ = twoOverPi_;
    }

    // An even degree of freedom adds one more term of s1 and clears U.
    void endEvenPass() {
        for (int lane = 0; lane < kLanes; ++lane) {
            bool& laneFailed = failed_[lane];
            s1_[lane] = store(double{s1_[lane]} * double{t_[lane]} + double{u_}, laneFailed);
            z_[lane] = -1.0f;
            s2_[lane] = store(double{xOf(lane)} * double{s2_[lane]}, laneFailed);
        }
        u_ = 0.0f;
        c_ = -1.0f;
    }

    // The numerator's pass starts from the denominator's sums.
    void turnToNumerator() {
        b_ = a_;
        c_ = static_cast<float>(double{a_} + double{c_});
        for (int lane = 0; lane < kLanes; ++lane) {
            s2_[lane] = s1_[lane];
            s1_[lane] = 0.0f;
            y_[lane] = xOf(lane);
        }
        h_ = a_;
    }

    const std::array<float, kSeriesLanes>& x_;
    const float a_;
    float b_;
    float c_;
    float h_;
    float u_ = 1.0f;
    float w_ = 1.0f;
    const float twoOverPi_;
    bool stepS1_ = true;
    bool stepS2_ = true;
    bool failed_[kLanes] = {};
    float y_[kLanes] = {};
    float t_[kLanes] = {};
    float s1_[kLanes] = {};
    float s2_[kLanes] = {};
    float p_[kLanes] = {};
    float z_[kLanes] = {};
};

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

    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    float twoOverPi = 0.0f;
    try {
        a = single(df1 / 2.0);
        b = single(df2 / 2.0);
        c = single(double{a} + double{b} - 1.0);
        twoOverPi = single(divide(2.0, pi));
    } catch (const ArithmeticError&) {
        return allFailed;
    }
    LaneSeries series(x, a, b, c, twoOverPi);
    if (!series.walk())
        return allFailed;
    return series.outcomes(df2, pi);
}

} // namespace quillon
