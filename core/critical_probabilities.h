// The t, F and chi-square routines prepared for the fast critical-value search
// (core/critical_value.h is the way in): exactly the values of their own steps
// (distributions_by_steps.h), with the series' outcome kept for each stored x (the probes of a
// search share few of them where the tail is long), a lower bound from the true tail, and the true
// tail that the search checks its answer against. t and F are prepared by one recipe: t is the F
// series on t squared with 1 and n degrees of freedom.
#pragma once

#include "core/critical_search.h"

namespace quillon {

// tProbBySteps(t, df) for the search of a critical t.
GuidedProbability guidedTProb(double df);

// fProbBySteps(f, df1, df2) for the search of a critical F.
GuidedProbability guidedFProb(double df1, double df2);

// chiSquareProbBySteps(x, df) for the search of a critical chi-square, walked point by point: the
// approximation above 30 degrees of freedom costs less than any bound.
GuidedProbability guidedChiSquareProb(double df);

} // namespace quillon
