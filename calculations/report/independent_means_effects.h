// Effect sizes of two independent groups from their summaries. Every difference is the second
// group's mean minus the first's, so d, g, the intervals and Welch's t share one sign.
// - difference with the pooled-variance t interval (the interval of the t-test with equal
//   variances);
// - Cohen's d = difference / pooled SD, its interval the noncentral t inverted at
//   t = d / sqrt(1/n1 + 1/n2) (Steiger and Fouladi (1997); Cumming and Finch (2001));
// - Hedges' g = J x d with the exact J = Gamma(df/2) / (sqrt(df/2) Gamma((df - 1)/2)) (Hedges
//   (1981));
// - Welch's t with the Welch-Satterthwaite df and its two-sided probability (Welch (1947)).
#pragma once

#include "calculations/report/defined.h"

namespace quillon::report {

struct IndependentMeansEffects {
    DefinedNumber difference;
    DefinedBounds differenceInterval;
    DefinedNumber cohensD;
    DefinedBounds cohensDInterval;
    DefinedNumber hedgesG;
    DefinedNumber welchT;
    DefinedNumber welchDf;
    DefinedNumber welchProbability;
};

IndependentMeansEffects independentMeansEffects(double mean1, double sd1, double n1, double mean2,
                                                double sd2, double n2, double level = 0.95);

// The exact small-sample correction of d on df degrees of freedom; not defined for df <= 1.
DefinedNumber hedgesCorrection(double df);

} // namespace quillon::report
