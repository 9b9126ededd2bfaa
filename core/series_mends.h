// The last steps of fProb and tProb after the F series: the normal approximation where the series
// fails, and the true tail where the series' result is noise. Shared by the routines and by the
// searches that keep the series' outcome for each stored x.
#pragma once

#include "core/f_series.h"
#include "core/true_tails.h"

namespace quillon {

// FProb of f with whole df1 and df2 from the series' outcome at f's stored x: the approximation
// where the series failed (the true tail where that gives 0), the true tail where the series'
// result lies below its rounding error (exactly 0 for a large f, or a small value where the true
// tail is smaller still), the series' result otherwise.
float fProbFromSeries(const FSeriesOutcome& series, float f, double df1, double df2);

// TProb of t with whole n degrees of freedom from the series' outcome for t squared with 1 and n,
// alike.
float tProbFromSeries(const FSeriesOutcome& series, float t, float n);

} // namespace quillon
