#pragma once
// Fisher (1921): the interval of a correlation r of n pairs from z = atanh(r), normal with
// standard error 1 / sqrt(n - 3), turned back by tanh. It is R's cor.test interval.
#include "calculations/report/defined.h"

namespace quillon::report {

// Not defined for fewer than 4 pairs or |r| >= 1 (a perfect fit has no interval).
DefinedBounds correlationInterval(double r, double n, double level = 0.95);

// Bonett and Wright (2000, Psychometrika 65, 23-28): the same for Spearman's rho, the variance of
// z widened to (1 + rho^2 / 2) / (n - 3).
DefinedBounds rankCorrelationInterval(double rho, double n, double level = 0.95);

} // namespace quillon::report
