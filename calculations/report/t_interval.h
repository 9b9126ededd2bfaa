// The two-sided confidence interval of an estimate from its standard error and the central t
// distribution: estimate -+ t(1 - (1 - level)/2, df) x se.
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

DefinedBounds tInterval(double estimate, double standardError, double df, double level);

// The two-sided probability of |T| >= |t| for T central t on df degrees of freedom.
DefinedNumber twoSidedTProbability(double t, double df);

} // namespace quillon::report
