// The Poisson events test: the two-sided probability of the observed number of events or a more
// extreme one, given the expected number.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>

namespace quillon {

// Inputs: the observed frequency, the expected frequency.
Outcome poissonProbability(InputTexts inputs);

// Stored as singles, or as doubles when a typed value has more digits than a single holds.
template <typename Real> struct PoissonTailOf {
    Real observed = 0;  // the count tested, rounded to a whole number
    bool upper = false; // the tail of that many events or more; otherwise that many or fewer
    Real probability = 0;
};
using PoissonTail = PoissonTailOf<float>;

// Twice the one-sided tail beyond the observed count; nothing when it needs more terms than the sum
// counts. Neither frequency is negative.
template <typename Real>
std::optional<PoissonTailOf<Real>> poissonTail(Real observed, Real expected);

} // namespace quillon
