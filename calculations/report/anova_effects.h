// Effect sizes of a one-way analysis of variance from each group's mean, SD and size:
// - eta squared = SS between / SS total, its interval from the noncentral F: the interval of
//   lambda (Steiger (2004)) turned into eta squared as lambda / (lambda + N);
// - omega squared = (SS between - (k - 1) MS within) / (SS total + MS within) (Hays (1963)); it
//   falls below 0 when F < 1 and is reported as it stands;
// - Welch's F for unequal variances with its df and probability (Welch (1951)).
#pragma once

#include "calculations/report/defined.h"

#include <vector>

namespace quillon::report {

struct GroupSummary {
    double mean = 0.0;
    double sd = 0.0;
    double n = 0.0;
};

struct AnovaEffects {
    DefinedNumber etaSquared;
    DefinedBounds etaSquaredInterval;
    DefinedNumber omegaSquared;
    DefinedNumber welchF;
    DefinedNumber welchDf1;
    DefinedNumber welchDf2;
    DefinedNumber welchProbability;
};

AnovaEffects anovaEffects(const std::vector<GroupSummary>& groups, double level = 0.95);

} // namespace quillon::report
