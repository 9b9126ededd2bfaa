// The t and F routines prepared for the search by one recipe, t being the F series on t squared
// with 1 and n degrees of freedom. Lower bounds of tProbBySteps and fProbBySteps come from what
// each value can be:
// - the true tail, where the degrees of freedom are not whole, the statistic is close to 0, or the
//   series' result lies below its rounding error E;
// - the series' result itself, at least E, where it is kept;
// - the normal approximation, where the series fails.
// With whole degrees of freedom the bound is therefore the smaller of E and the true tail, and
// every point a search passes over must also have its approximation above the target. Beyond the
// pass counter the approximation alone answers and bounds itself.
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
#include <utility>

namespace quillon {

namespace {

// The share of the true tail that bounds it below: far more below its computed value than that
// value's error in double, so that the bound never rises between the points where it is formed.
constexpr double kTrueTailShare = 1.0 - 1e-9;

// The share of the approximation at 1 that bounds it below: more than its single rounding.
constexpr double kApproximationShare = 1.0 - 1e-6;

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
    const double fromOne = std::min(double{atOne}, 0.5) * kApproximationShare;
    return [=](float f) -> double {
        if (f < 1.0f)
            return fromOne;
        return std::min(double{fNormalApproximation(f, df1, df2)}, fromOne);
    };
}

// What sets a t or an F apart for the search: the F series runs on an F-ratio with 1 and n degrees
// of freedom for t (on t squared, pi in double, degrees of freedom capped), with df1 and df2 for F
// (on F itself, pi in single). Every other step of the preparation is the same for both.
struct SeriesForm {
    std::function<float(float)> steps;  // the routine's own steps
    std::function<double(double)> tail; // the true tail at the degrees of freedom the steps use
    double df1;                         // the series' degrees of freedom
    double df2;
    double pi;                       // as the routine stores it
    bool (*seriesRuns)(float value); // where the steps run the series, not the true tail
    float (*ratioOf)(float value);   // the F-ratio the series takes
    // The routine's probability from the series' outcome, mended as its steps mend it.
    std::function<float(const FSeriesOutcome&, float value)> fromSeries;
};

// The series' outcomes kept for values no larger than this: beyond it a search never probes, and
// a t there would square beyond the single range.
constexpr float kLargestKeptValue = 1E18f;

// The routine of a t or an F prepared for the search: where the series is long, each stored x's
// outcome kept (and those of the next few points computed alongside); a lower bound wherever one
// holds; and the condition on the points it lets the search pass over.
GuidedProbability guidedSeriesProb(const SeriesForm& form,
                                   std::function<double(double)> checkedTail) {
    GuidedProbability routine;
    routine.probability = form.steps;
    routine.trueTail = std::move(checkedTail);
    const double df1 = form.df1;
    const double df2 = form.df2;
    if (!(df1 > 0.0 && df2 > 0.0))
        return routine;
    const auto tail = form.tail;
    if (!isWhole(df1) || !isWhole(df2)) {
        routine.lowerBound = [=](float value) { return tail(value) * kTrueTailShare; };
        return routine;
    }
    const auto ratioOf = form.ratioOf;
    // Beyond the pass counter (F only: t's degrees of freedom are capped well below it).
    if (df1 > kMostSeriesDegrees || df2 > kMostSeriesDegrees) {
        const auto bound = approximationBound(df1, df2);
        if (bound)
            routine.lowerBound = [=](float value) { return bound(ratioOf(value)); };
        return routine;
    }
    const auto seriesRuns = form.seriesRuns;
    if ((df1 + df2) / 2.0 > kShortSeries) {
        auto outcomes = std::make_shared<SeriesOutcomes>();
        const auto steps = form.steps;
        const auto fromSeries = form.fromSeries;
        const double pi = form.pi;
        // The stored x of a value the series answers.
        const auto storedX = [=](float value) -> std::optional<float> {
            if (!seriesRuns(value) || !(std::fabs(value) < kLargestKeptValue))
                return std::nullopt;
            return fSeriesX(ratioOf(value), df1, df2);
        };
        routine.probability = [=](float value) {
            if (!seriesRuns(value))
                return steps(value);
            const float x = fSeriesX(ratioOf(value), df1, df2);
            return fromSeries(seriesAt(*outcomes, x, df1, df2, pi), value);
        };
        routine.probeAhead = [=](float value, float step) {
            if (!storedX(value))
                return steps(value);
            return fromSeries(seriesAhead(*outcomes, value, step, storedX, df1, df2, pi), value);
        };
    }
    const double roundingError = fSeriesRoundingError(df1, df2);
    routine.lowerBound = [=](float value) {
        return std::min(roundingError, tail(value) * kTrueTailShare);
    };
    // Close to 0 the true tail answers, not the approximation.
    routine.passable = [=](float value, float target) {
        return !seriesRuns(value) || approximationIsAbove(ratioOf(value), df1, df2, target);
    };
    return routine;
}

} // namespace

GuidedProbability guidedTProb(double df) {
    const float n = !(df > 0.0) ? 0.0f : df > kMostTDegrees ? single(kMostTDegrees) : single(df);
    SeriesForm form{
        .steps = [df](float t) { return tProbBySteps(t, df); },
        .tail = [n](double t) { return trueTTail(t, n); },
        .df1 = 1.0,
        .df2 = n,
        .pi = kDoublePi,
        .seriesRuns = [](float t) { return std::fabs(t) >= kSmallestSeriesT; },
        .ratioOf = [](float t) { return single(double{t} * double{t}); },
        .fromSeries = [n](const FSeriesOutcome& series,
                          float t) { return tProbFromSeries(series, t, n); },
    };
    return guidedSeriesProb(form, [df](double t) { return trueTTail(t, df); });
}

GuidedProbability guidedFProb(double df1, double df2) {
    SeriesForm form{
        .steps = [df1, df2](float f) { return fProbBySteps(f, df1, df2); },
        .tail = [df1, df2](double f) { return trueFTail(f, df1, df2); },
        .df1 = df1,
        .df2 = df2,
        .pi = kSinglePi,
        .seriesRuns = [](float f) { return f >= kSmallestSeriesF; },
        .ratioOf = [](float f) { return f; },
        .fromSeries = [df1, df2](const FSeriesOutcome& series,
                                 float f) { return fProbFromSeries(series, f, df1, df2); },
    };
    return guidedSeriesProb(form, form.tail);
}

GuidedProbability guidedChiSquareProb(double df) {
    GuidedProbability routine;
    routine.probability = [df](float x) { return chiSquareProbBySteps(x, df); };
    routine.trueTail = [df](double x) { return trueChiSquareTail(x, df); };
    return routine;
}

} // namespace quillon
