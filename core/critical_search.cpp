// Critical value by a decimal grid search: coarse passes locate the crossing of the target, each
// finer pass re-walks the last coarse interval with a step ten times smaller.
#include "core/critical_search.h"

#include "core/arithmetic.h"
#include "core/kept_or_true.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillon {

namespace {

// The true tail taken a hair below its computed value bounds it below and never rises from one
// point to the next: more than its computed value wobbles, also where its method changes (by some
// 5E-9 relative at most).
constexpr double kTrueTailMargin = 1.0 - 1e-8;

// Passes continue while their step is at least this: from a first step of 1 the last is .0001,
// from 5 it is .0005 (the next, in single precision, falls just below).
constexpr float kFinestStep = 0.00005f;

struct Pass {
    float value;       // where the pass stopped
    float probability; // computed at that value
    long probes;       // probability evaluations made, the first included
    bool stalled;      // adding the step no longer changed the value
};

// One pass: from start upward by step while the probability is above the target. A pass that
// continues a walk whose first `probesBefore` points were passed over counts them too.
Pass runPass(const std::function<float(float)>& probability, float target, float start, float step,
             long probesBefore = 0) {
    float value = start;
    float p = probability(value);
    long probes = probesBefore + 1;
    while (p > target) {
        const float next = value + step;
        if (next == value)
            return {value, p, probes, true};
        if (probes == maxProbesPerPass)
            throw ArithmeticError(ArithmeticFault::Overflow);
        value = next;
        p = probability(value);
        probes = probes + 1;
    }
    return {value, p, probes, false};
}

// The points of one pass as the walk reaches them, made on demand: from start by repeated
// additions of the step, up to the first that adding the step no longer changes and never more
// than a pass may probe.
class PassPoints {
public:
    PassPoints(float start, float step) : step_(step), points_{start} {}

    // The point at index, or the last point there is when the pass ends before it.
    long reach(long index) {
        while (static_cast<long>(points_.size()) <= index && !ended_) {
            const float last = points_.back();
            const float next = last + step_;
            if (next == last || static_cast<long>(points_.size()) == maxProbesPerPass)
                ended_ = true;
            else
                points_.push_back(next);
        }
        return std::min(index, static_cast<long>(points_.size()) - 1);
    }

    float operator[](long index) const { return points_[static_cast<std::size_t>(index)]; }

private:
    float step_;
    std::vector<float> points_;
    bool ended_ = false;
};

// True when the lower bound shows the probability at value above the target: it reaches the
// single just above the target. A bound that cannot be formed shows nothing.
bool boundIsAbove(const GuidedProbability& routine, float value, float target) {
    const double above = std::nextafter(target, 2.0f);
    try {
        return routine.lowerBound(value) >= above;
    } catch (const ArithmeticError&) {
        return false;
    }
}

// The count of leading points of a pass that the bound shows above the target, found by doubling
// and then halving: the bound never rises, so every point before one it shows above the target is
// above it too.
long pointsShownAbove(const GuidedProbability& routine, float target, PassPoints& points) {
    if (!boundIsAbove(routine, points[0], target))
        return 0;
    long low = 0; // shown above
    long leap = 1;
    for (;;) {
        const long index = points.reach(low + leap);
        if (index == low)
            return low + 1; // the last point of the pass, and all before it
        if (!boundIsAbove(routine, points[index], target)) {
            long high = index; // not shown above
            while (high - low > 1) {
                const long middle = low + (high - low) / 2;
                if (boundIsAbove(routine, points[middle], target))
                    low = middle;
                else
                    high = middle;
            }
            return high;
        }
        low = index;
        leap = leap * 2;
    }
}

// A pass that leaps over the leading points shown above the target and passable, then walks on.
Pass runGuidedPass(const GuidedProbability& routine, float target, float start, float step) {
    std::function<float(float)> probe = routine.probability;
    if (routine.probeAhead)
        probe = [&](float value) { return routine.probeAhead(value, step); };
    if (!routine.lowerBound)
        return runPass(probe, target, start, step);
    PassPoints points(start, step);
    const long shown = pointsShownAbove(routine, target, points);
    long passed = 0;
    while (passed < shown && (!routine.passable || routine.passable(points[passed], target)))
        passed = passed + 1;
    // Every point of the pass shown above: the walk resumes at the last, where it ends the pass.
    const long resume = points.reach(passed);
    return runPass(probe, target, points[resume], step, resume);
}

// The passes of the search, each run by runOnePass(start, step).
template <typename RunPass>
CriticalValue searchByPasses(const RunPass& runOnePass, float start, float firstStep) {
    float step = firstStep;
    const Pass first = runOnePass(start, step);
    // A first pass that stalls has no coarser grid to fall back on.
    if (first.stalled)
        throw ArithmeticError(ArithmeticFault::Overflow);
    // The start itself meets the target: stepping below it would leave the search's range.
    if (first.probes == 1)
        return {first.value, first.probability};

    CriticalValue found{first.value, first.probability};
    float passStart = found.value - step;
    step = step / 10.0f;
    while (step >= kFinestStep) {
        const Pass pass = runOnePass(passStart, step);
        // The finer grid cannot be walked at this magnitude; keep the coarser grid's point.
        if (pass.stalled)
            return found;
        found = {pass.value, pass.probability};
        passStart = found.value - step;
        step = step / 10.0f;
    }
    return found;
}

// The guided search on the routine's own probability.
CriticalValue guidedSearch(const GuidedProbability& routine, float target, float start,
                           float firstStep) {
    const auto leapThenWalk = [&](float passStart, float step) {
        return runGuidedPass(routine, target, passStart, step);
    };
    return searchByPasses(leapThenWalk, start, firstStep);
}

// The steps' probability at a value the true tail's search found; where the steps cannot form it,
// that search's own.
float stepsOrTruth(const GuidedProbability& routine, const CriticalValue& found) {
    try {
        return routine.probability(found.value);
    } catch (const ArithmeticError&) {
        return found.probability;
    }
}

} // namespace

CriticalValue criticalValueSearch(const std::function<float(float)>& probability, float target,
                                  float start, float firstStep) {
    const auto walk = [&](float passStart, float step) {
        return runPass(probability, target, passStart, step);
    };
    return searchByPasses(walk, start, firstStep);
}

CriticalValue trueCriticalValueSearch(const std::function<double(double)>& trueTail, float target,
                                      float start, float firstStep) {
    GuidedProbability routine;
    routine.probability = [&](float value) { return single(trueTail(value)); };
    routine.lowerBound = [&](float value) { return trueTail(value) * kTrueTailMargin; };
    return guidedSearch(routine, target, start, firstStep);
}

CriticalValue fastCriticalValueSearch(const GuidedProbability& routine, float target, float start,
                                      float firstStep) {
    if (!routine.trueTail)
        return guidedSearch(routine, target, start, firstStep);
    return fastCriticalValueSearch(routine, target, start, firstStep, [&](float value) {
        return printsTrueCriticalValue(value, target, routine.trueTail);
    });
}

CriticalValue fastCriticalValueSearch(const GuidedProbability& routine, float target, float start,
                                      float firstStep, const std::function<bool(float)>& kept) {
    if (!routine.trueTail)
        return guidedSearch(routine, target, start, firstStep);
    CriticalValue found{};
    float bySteps = 0.0f;
    try {
        found = guidedSearch(routine, target, start, firstStep);
        bySteps = found.probability;
    } catch (const ArithmeticError&) {
        found = trueCriticalValueSearch(routine.trueTail, target, start, firstStep);
        bySteps = stepsOrTruth(routine, found);
    }
    if (!kept(found.value)) {
        found = trueCriticalValueSearch(routine.trueTail, target, start, firstStep);
        bySteps = stepsOrTruth(routine, found);
    }
    // The probability beside the value is the one the probability routine gives for it.
    const float probability =
        keptOrTrueProbability(bySteps, [&] { return routine.trueTail(double{found.value}); });
    return {found.value, probability};
}

} // namespace quillon
