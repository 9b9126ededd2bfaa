// Lower bounds of tProbBySteps and fProbBySteps from what each value can be:
// - the true tail, where the degrees of freedom are not whole, the statistic is close to 0, or the
//   series' result lies below its rounding error E;
// - the series' result itself, at least E, where it is kept;
// - the normal approximation, where the series fails.
// With whole degrees of freedom the bound is therefore the smaller of E and the true tail, and
// every point a search passes over must also have its approximation above the target. Beyond the
// pass counter the approximation alone answers and bounds itself. The true
// tail is taken a hair below its computed value, far more than that value's error in double, so
// that the bound never rises between the points where it is formed.
#include "core/critical_probabilities.h"

#include "core/arithmetic.h"
#include "core/distributions_by_steps.h"
#include "core/f_series.h"
#include "core/series_mends.h"
#include "core/true_tails.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>

namespace quillon {

namespace {

constexpr double kTrueTailShare = 1.0 - 1e-9;

// Below this many steps down the half-degrees of freedom a run of the series costs less than
// keeping its outcome: the routine itself answers every probe.
constexpr double kShortSeries = 32.0;

using SeriesOutcomes = std::unordered_map<float, FSeriesOutcome>;

// The series' outcome at a stored x, run once per x.
const FSeriesOutcome& seriesAt(SeriesOutcomes& outcomes, float x, double df1, double df2,
                               double pi) {
    auto [entry, isNew] = outcomes.try_emplace(x);
    if (isNew)
        entry->second = runFSeries(x, df1, df2, pi);
    return entry->second;
}

// The series' outcome at the stored x of the first of the values; where it is not kept yet, those
// at the next values too, all run at once (values whose x is kept already, or repeats one, or that
// the series would not answer, are left out).
template <typename StoredX>
const FSeriesOutcome& seriesAhead(SeriesOutcomes& outcomes, float value, float step,
                                  const StoredX& storedX, double df1, double df2, double pi) {
    const std::optional<float> first = storedX(value);
    if (const auto kept = outcomes.find(*first); kept != outcomes.end())
        return kept->second;
    std::array<float, kSeriesLanes> xs;
    xs.fill(*first);
    std::size_t count = 1;
    float next = value;
    for (std::size_t ahead = 1; ahead < kSeriesLanes; ++ahead) {
        next = next + step;
        const std::optional<float> x = storedX(next);
        if (x && !outcomes.contains(*x) &&
            std::find(xs.begin(), xs.begin() + count, *x) == xs.begin() + count) {
            xs[count] = *x;
            count = count + 1;
        }
    }
    if (count == 1)
        return seriesAt(outcomes, *first, df1, df2, pi);
    const auto run = runFSeriesLanes(xs, df1, df2, pi);
    for (std::size_t lane = 1; lane < count; ++lane)
        outcomes.emplace(xs[lane], run[lane]);
    return outcomes.emplace(*first, run[0]).first->second;
}

// The approximation at f is above the target; an approximation that fails is not.
bool approximationIsAbove(float f, double df1, double df2, float target) {
    try {
        return fNormalApproximation(f, df1, df2) > target;
    } catch (const ArithmeticError&) {
        return false;
    }
}

// Beyond the pass counter the series always fails and the approximation answers (the true tail
// where it gives 0). Below F = 1 it is at least 1/2. From 1 on it is at most 1/2 and falls, except
// that where df1 exceeds df2 it first rises from its value at 1 to 1/2 (its deviate
// |s (1 - b) + a - 1| / sqrt(s^2 b + a), s the cube root of F, falls to 0 on the way). Its value
// at 1, taken a hair lower, therefore bounds it below up to 1, and the smaller of that and the
// value itself bounds it after, never rising.
std::function<double(float)> approximationBound(double df1, double df2) {
    float atOne = 0.0f;
    try {
        atOne = fNormalApproximation(1.0f, df1, df2);
    } catch (const ArithmeticError&) {
        return {};
    }
    const double fromOne = std::min(double{atOne}, 0.5) * (1.0 - 1e-6);
    return [=](float f) -> double {
        if (f < 1.0f)
            return fromOne;
        return std::min(double{fNormalApproximation(f, df1, df2)}, fromOne);
    };
}

} // namespace

GuidedProbability guidedTProb(double df) {
    GuidedProbability routine;
    routine.probability = [df](float t) { return tProbBySteps(t, df); };
    routine.trueTail = [df](double t) { return trueTTail(t, df); };
    const bool valid = df > 0.0;
    const float n = !valid ? 0.0f : df > 999.0 ? 999.0f : single(df);
    if (!(valid && n > 0.0f))
        return routine;
    if (!isWhole(n)) {
        routine.lowerBound = [=](float t) { return trueTTail(t, n) * kTrueTailShare; };
        return routine;
    }
    if ((1.0 + double{n}) / 2.0 > kShortSeries) {
        auto outcomes = std::make_shared<SeriesOutcomes>();
        const auto plain = routine.probability;
        routine.probability = [=](float t) {
            const float f = single(double{t} * double{t});
            if (f <= 0.0f || std::fabs(t) < 1E-03f)
                return plain(t);
            const float x = fSeriesX(f, 1.0, n);
            return tProbFromSeries(seriesAt(*outcomes, x, 1.0, n, kDoublePi), t, n);
        };
        // The stored x of a t the series answers.
        const auto storedX = [n](float t) -> std::optional<float> {
            if (!(std::fabs(t) >= 1E-03f && std::fabs(t) < 1E18f))
                return std::nullopt;
            return fSeriesX(single(double{t} * double{t}), 1.0, n);
        };
        routine.probeAhead = [=](float t, float step) {
            if (!storedX(t))
                return plain(t);
            return tProbFromSeries(seriesAhead(*outcomes, t, step, storedX, 1.0, n, kDoublePi), t,
                                   n);
        };
    }
    const double roundingError = fSeriesRoundingError(1.0, n);
    routine.lowerBound = [=](float t) {
        return std::min(roundingError, trueTTail(t, n) * kTrueTailShare);
    };
    // Close to 0 the true tail answers, not the approximation.
    routine.passable = [=](float t, float target) {
        return std::fabs(t) < 1E-03f ||
               approximationIsAbove(single(double{t} * double{t}), 1.0, n, target);
    };
    return routine;
}

GuidedProbability guidedFProb(double df1, double df2) {
    GuidedProbability routine;
    routine.probability = [df1, df2](float f) { return fProbBySteps(f, df1, df2); };
    routine.trueTail = [df1, df2](double f) { return trueFTail(f, df1, df2); };
    if (!(df1 > 0.0 && df2 > 0.0))
        return routine;
    if (!isWhole(df1) || !isWhole(df2)) {
        routine.lowerBound = [=](float f) { return trueFTail(f, df1, df2) * kTrueTailShare; };
        return routine;
    }
    if (df1 > kMostSeriesDegrees || df2 > kMostSeriesDegrees) {
        routine.lowerBound = approximationBound(df1, df2);
        return routine;
    }
    if ((df1 + df2) / 2.0 > kShortSeries) {
        auto outcomes = std::make_shared<SeriesOutcomes>();
        const auto plain = routine.probability;
        routine.probability = [=](float f) {
            if (f < 1E-06f)
                return plain(f);
            const float x = fSeriesX(f, df1, df2);
            return fProbFromSeries(seriesAt(*outcomes, x, df1, df2, kSinglePi), f, df1, df2);
        };
        // The stored x of a ratio the series answers.
        const auto storedX = [df1, df2](float f) -> std::optional<float> {
            if (!(f >= 1E-06f && std::isfinite(f)))
                return std::nullopt;
            return fSeriesX(f, df1, df2);
        };
        routine.probeAhead = [=](float f, float step) {
            if (!storedX(f))
                return plain(f);
            return fProbFromSeries(seriesAhead(*outcomes, f, step, storedX, df1, df2, kSinglePi), f,
                                   df1, df2);
        };
    }
    const double roundingError = fSeriesRoundingError(df1, df2);
    routine.lowerBound = [=](float f) {
        return std::min(roundingError, trueFTail(f, df1, df2) * kTrueTailShare);
    };
    routine.passable = [=](float f, float target) {
        return f < 1E-06f || approximationIsAbove(f, df1, df2, target);
    };
    return routine;
}

GuidedProbability guidedChiSquareProb(double df) {
    GuidedProbability routine;
    routine.probability = [df](float x) { return chiSquareProbBySteps(x, df); };
    routine.trueTail = [df](double x) { return trueChiSquareTail(x, df); };
    return routine;
}

} // namespace quillon
