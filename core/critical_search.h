// The grid search that turns a probability routine into a critical value.
#pragma once

#include <functional>

namespace quillon {

struct CriticalValue {
    float value;       // the first grid point whose probability is at or below the target
    float probability; // the probability computed at that point
};

// Raises each pass's value from its start by the step while the probability is above the target;
// the next pass starts one step below where the last one stopped, with a step ten times smaller;
// passes continue while the step is at least .00005 (single precision). Stops (ArithmeticError,
// Overflow) when a pass cannot reach the target within its bound.
CriticalValue criticalValueSearch(const std::function<float(float)>& probability, float target,
                                  float start, float firstStep);

} // namespace quillon
