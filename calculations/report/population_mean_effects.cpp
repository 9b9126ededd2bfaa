#include "calculations/report/population_mean_effects.h"

namespace quillon::report {

StandardizedMeanDifference populationMeanEffects(double mean, double sd, double n,
                                                 double populationMean, double populationSize,
                                                 double level) {
    double correction = 1.0;
    if (populationSize != 0.0)
        correction = populationSize > n ? (populationSize - n) / (populationSize - 1.0) : 0.0;
    return standardizedMeanDifference(mean - populationMean, sd, n, level, correction);
}

} // namespace quillon::report
