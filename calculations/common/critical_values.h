// Critical values of z and t for a two-tailed probability, found by the grid search that the
// confidence intervals and sample sizes share.
#pragma once

#include "core/kept_or_true.h"

namespace quillon {

// The probabilities the searches are run with: below .0001 the search would step past the grid's
// resolution, above .9999 it would start below its first probe.
float clampedAlpha(float alpha);

// The first z on the .0001 grid (start 0, steps 1 down to .0001) whose two-tailed probability is
// at or below alpha.
float gridCriticalZ(float alpha);

// The first t from .0001 whose two-tailed probability with df degrees of freedom is at or below
// alpha: steps 1 down to .0001, or 5 down to .0005 below 3 degrees of freedom, whose tails are
// long.
float gridCriticalT(float alpha, float df);

// The same for an interval that prints the half-width rather than t: the t of the steps stands
// where the half-width prints true (kept_or_true.h), as a critical value stands where it prints
// true.
float gridCriticalT(float alpha, float df, const HalfWidth& halfWidth);

} // namespace quillon
