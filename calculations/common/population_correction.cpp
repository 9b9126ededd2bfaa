#include "calculations/common/population_correction.h"

#include "core/arithmetic.h"

namespace quillon {

float populationCorrection(float population, float sampleSize) {
    if (population == 0.0f)
        return 1.0f;
    return single(divide(double{population} - sampleSize, double{population} - 1.0));
}

} // namespace quillon
