// Critical values of z, t, F and chi-square: the one way in to the search every window's critical
// value comes from, the critical-value windows' and the intervals' and sample sizes' alike.
//
// What it finds: the stepping search of critical_search.h on the distribution's own routine by
// steps (distributions_by_steps.h; zProb for z). From the start (0 unless given) the value rises by
// the first step while the probability is above the target; each later pass starts a step below
// where the last stopped, with a step a tenth as large, down to .0001 from a first step of 1. The
// answer is the point the last pass stopped at with the probability computed there, which is what
// the windows print. For t, F and chi-square it is checked against the true tail: the value stands
// where it prints true to the quantile (or where the caller's rule says it stands), the search on
// the true tail answers elsewhere, and the probability beside it is the one the probability
// window prints for that value. A search that cannot reach its target raises ArithmeticError
// (Overflow); degrees of freedom its routine cannot take raise ArithmeticError too.
//
// Why it is fast: the first pass of a long tail would probe thousands of points (critical F at
// .0001 with 2 denominator degrees of freedom climbs to 10,000, chi-square with 100,000 degrees of
// freedom to 101,700), and each probe of the F series with many degrees of freedom runs up to
// 32,767 steps. The search leaps over the points a lower bound of the routine shows above the
// target (doubling, then halving a count of grid points), keeps the series' outcome for each
// stored x that probes share, and runs the series for four x at once (f_series_lanes.cpp), so
// that its answers are the walk's to the bit at a fraction of its cost. bench/
// critical_values_bench times every window's slowest searches found (CPU time, medians of 5 on a
// shared machine): F about 3.9 ms at most (.0024 with 65,535 and 2), chi-square 1.0 ms (.0001
// with 100,000), t 0.6 ms (.0001 with 1), and 3.9 ms for a t that cannot be reached (a 99.99
// percent interval from a sample of 1.5).
//
// Why the four-x lanes stay: without them every answer is the same, but the series' longest
// probes run one at a time, and the slowest F searches take 9.4 ms in place of 1.8 (.0024 with 2
// and 65,535), 9.0 in place of 3.9 (.0024 with 65,535 and 2) and 8.1 in place of 3.1 (.01 with
// 65,535 and 2): too close to the 10 ms a search may take.
#pragma once

#include "core/critical_search.h"

#include <functional>

namespace quillon {

// The distribution a critical value is searched for, with its degrees of freedom.
struct Distribution {
    enum class Kind { Normal, T, F, ChiSquare };
    Kind kind = Kind::Normal;
    double df1 = 0.0; // t's and chi-square's degrees of freedom, F's numerator's
    double df2 = 0.0; // F's denominator's

    static Distribution normal() { return {Kind::Normal, 0.0, 0.0}; }
    static Distribution t(double df) { return {Kind::T, df, 0.0}; }
    static Distribution f(double df1, double df2) { return {Kind::F, df1, df2}; }
    static Distribution chiSquare(double df) { return {Kind::ChiSquare, df, 0.0}; }
};

// Where the search starts and its first step.
struct SearchGrid {
    float start = 0.0f;
    float firstStep = 1.0f;
};

// Decides whether the value the routine's steps found stands, given the distribution's true tail:
// for a window that prints a number built from the critical value rather than the value itself.
using KeptRule = std::function<bool(float value, const std::function<double(double)>& trueTail)>;

// The critical value for the target probability: two-tailed for z and t, the upper tail for F and
// chi-square.
CriticalValue criticalValue(const Distribution& distribution, float target,
                            const SearchGrid& grid = {});

// The same, the value of the steps standing where `kept` holds for it instead of where it prints
// true to the quantile. z has no check: `kept` is not asked.
CriticalValue criticalValue(const Distribution& distribution, float target, const SearchGrid& grid,
                            const KeptRule& kept);

} // namespace quillon
