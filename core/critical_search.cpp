// Critical value by a decimal grid search: coarse passes locate the crossing of the target, each
// finer pass re-walks the last coarse interval with a step ten times smaller.
#include "core/critical_search.h"

#include "core/arithmetic.h"

namespace quillon {

namespace {

struct Pass {
    float value;       // where the pass stopped
    float probability; // computed at that value
    long probes;       // probability evaluations made, the first included
    bool stalled;      // adding the step no longer changed the value
};

// One pass: from start upward by step while the probability is above the target.
Pass runPass(const std::function<float(float)>& probability, float target, float start,
             float step) {
    float value = start;
    float p = probability(value);
    long probes = 1;
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

} // namespace

CriticalValue criticalValueSearch(const std::function<float(float)>& probability, float target,
                                  float start, float firstStep) {
    float step = firstStep;
    const Pass first = runPass(probability, target, start, step);
    // A first pass that stalls has no coarser grid to fall back on.
    if (first.stalled)
        throw ArithmeticError(ArithmeticFault::Overflow);
    // The start itself meets the target: stepping below it would leave the search's range.
    if (first.probes == 1)
        return {first.value, first.probability};

    CriticalValue found{first.value, first.probability};
    float passStart = found.value - step;
    step = step / 10.0f;
    while (step >= 0.00005f) {
        const Pass pass = runPass(probability, target, passStart, step);
        // The finer grid cannot be walked at this magnitude; keep the coarser grid's point.
        if (pass.stalled)
            return found;
        found = {pass.value, pass.probability};
        passStart = found.value - step;
        step = step / 10.0f;
    }
    return found;
}

} // namespace quillon
