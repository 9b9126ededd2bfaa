#pragma once
// Cohen (1988): h, the difference of two proportions on the arcsine scale,
// h = 2 asin(sqrt(p1)) - 2 asin(sqrt(p2)); 0.2, 0.5 and 0.8 are his small, medium and large.
#include "calculations/report/defined.h"

namespace quillon::report {

// Not defined unless both proportions lie in [0, 1].
DefinedNumber cohensH(double p1, double p2);

} // namespace quillon::report
