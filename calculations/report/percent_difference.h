#pragma once
// The difference of two proportions, p1 - p2, with its interval and Cohen's h.
//
// Two independent samples: Newcombe (1998a, Statistics in Medicine 17, 873-890), method 10, the
// hybrid score interval from the two Wilson intervals.
//
// Two percents of one sample: the two are answers of the same respondents to one question, so
// that no respondent is in both (p1 + p2 <= 1); this is what the window's standard error,
// (p1 + p2 - (p1 - p2)^2) / n, assumes. As paired data their 2 x 2 table is a = 0 (both),
// b = p1 n, c = p2 n, d = n - b - c, and the interval is Newcombe's (1998b, Statistics in
// Medicine 17, 2635-2650) method 10 for paired proportions, with phi formed from that table.
#include "calculations/report/defined.h"

namespace quillon::report {

struct PercentDifference {
    DefinedNumber difference; // p1 - p2
    DefinedBounds interval;
    DefinedNumber cohensH;
};

// Proportions in [0, 1]; sizes >= 1 (need not be whole); level in (0, 1).
PercentDifference independentPercentDifference(double p1, double n1, double p2, double n2,
                                               double level = 0.95);

// Two proportions of one sample of size n (>= 1), p1 + p2 <= 1.
PercentDifference sameSamplePercentDifference(double p1, double p2, double n, double level = 0.95);

} // namespace quillon::report
