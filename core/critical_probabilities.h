// The t and F routines prepared for the fast critical-value search: exactly the values of tProb
// and fProb, with the series' outcome kept for each stored x (the probes of a search share few of
// them where the tail is long), and a lower bound from the true tail.
#pragma once

#include "core/critical_search.h"

namespace quillon {

// tProb(t, df) for the search of a critical t.
GuidedProbability guidedTProb(double df);

// fProb(f, df1, df2) for the search of a critical F.
GuidedProbability guidedFProb(double df1, double df2);

} // namespace quillon
