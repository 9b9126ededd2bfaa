// The grid search that turns a probability routine into a critical value. Windows and
// calculations ask for critical values through core/critical_value.h, which prepares each
// distribution's routine for this search; what is here is its machinery.
#pragma once

#include <functional>

namespace quillon {

struct CriticalValue {
    float value;       // the first grid point whose probability is at or below the target
    float probability; // the probability computed at that point
};

// A pass that probes more points than this cannot reach its target. The longest first passes of
// accepted input: chi-square with 100,000 degrees of freedom at .0001 (about 101,700 probes),
// F with 1 and 2 degrees of freedom at .0001 (about 10,000), t with 1 degree of freedom at .0001
// (about 6,400). A later pass needs about ten.
inline constexpr long maxProbesPerPass = 250000;

// Grid search for the value at which a falling probability reaches the target. Each pass raises
// the value from its start by the step (single precision) while the probability is above the
// target and stops at the first point at or below it; the next pass starts one step below that
// point with the step divided by 10 (single division); passes continue while the step is at least
// .00005f. With a first step of 1 the passes use 1, .1, .01, .001, .0001; with 5 they use 5, .5,
// .05, .005, .0005 (the next step, in single precision, falls just below .00005f).
//
// The result is the point the last pass stopped at, with its probability, except:
// - when the very first probe already meets the target, the result is that probe (the start);
// - when adding the step no longer changes a single-precision value (a step of .0001 at 2048 and
//   above, of 1 at 2^24), the search ends with the point the previous, coarser pass stopped at
//   and its probability. Critical t with 1 degree of freedom at .0001 and critical F with 1 and 2
//   at .0001 end this way, as does critical chi-square at .05 from about 1,945 degrees of freedom.
//
// Raises ArithmeticError (Overflow) when a pass cannot reach its target: the first pass stalls,
// or any pass exceeds maxProbesPerPass (a few milliseconds to a few tens of them). Inputs that
// reach this: chi-square with more than about 247,000 degrees of freedom at .0001 (252,000 at
// .9999), whose critical value lies beyond 250,000 steps of 1; t with fewer than 1 degree of
// freedom at small targets (.5 at .0001, .1 at .05), whose critical values run to millions; a
// probability that never falls to the target. Errors raised by the probability routine propagate
// unchanged.
CriticalValue criticalValueSearch(const std::function<float(float)>& probability, float target,
                                  float start, float firstStep);

// A probability routine with what lets a search pass over points without computing them.
struct GuidedProbability {
    std::function<float(float)> probability;
    // A lower bound of the probability that never rises as the value grows: where `passable`
    // holds, the probability is at least the largest single at or below it. Empty: no point is
    // passed over.
    std::function<double(float)> lowerBound;
    // A cheap condition that every point passed over must meet as well. Empty: none.
    std::function<bool(float value, float target)> passable;
    // The probability at value, as `probability` gives it; where it must be computed afresh, what
    // the probabilities at the next few points of the pass (value plus step, repeatedly) need is
    // computed alongside, for little more. Empty: none.
    std::function<float(float value, float step)> probeAhead;
    // The true tail at a value, in double, falling as the value grows; what the search's answer is
    // checked against. Empty: no check.
    std::function<double(double value)> trueTail;
};

// The same search, answering exactly what criticalValueSearch answers for routine.probability
// (the same point, its probability, the same errors), with fewer probes: each pass first leaps
// over the points whose lower bound shows them above the target (by doubling and halving a count
// of grid points, which are still reached by repeated additions of the step), then walks on from
// the last of them as criticalValueSearch does, each probe looking a few points ahead.
//
// With routine.trueTail, that answer is checked by the rule of kept_or_true.h: its value is kept
// where it prints true to the quantile; otherwise, and where that search raises ArithmeticError,
// the value is trueCriticalValueSearch's on the true tail. The probability beside either is the
// steps' at that value, kept or given way to the true tail as the probability routines do: what
// the window of the probability prints for it.
CriticalValue fastCriticalValueSearch(const GuidedProbability& routine, float target, float start,
                                      float firstStep);

// The same with the steps' value kept where `kept` holds for it, instead of where it prints true
// to the quantile: for a window that prints a number built from the critical value rather than
// the value itself.
CriticalValue fastCriticalValueSearch(const GuidedProbability& routine, float target, float start,
                                      float firstStep, const std::function<bool(float)>& kept);

// The search on the true tail stored as a single: the first grid point whose true tail is at or
// below the target, and that tail. Its answer lies less than a step of the last pass above the
// true quantile (apart from the rounding of the grid points, and of the true tail to a single).
// Raises ArithmeticError as criticalValueSearch does where a pass cannot reach the target, and
// where the true tail cannot be formed.
CriticalValue trueCriticalValueSearch(const std::function<double(double)>& trueTail, float target,
                                      float start, float firstStep);

} // namespace quillon
