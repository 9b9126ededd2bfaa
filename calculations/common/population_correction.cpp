#include "calculations/common/population_correction.h"

#include "core/storage.h"

namespace quillon {

template <typename Real> Real populationCorrection(Real population, Real sampleSize) {
    if (population == 0)
        return 1;
    return stored<Real>(divide(static_cast<double>(population) - sampleSize,
                               static_cast<double>(population) - 1.0));
}

template float populationCorrection(float, float);
template double populationCorrection(double, double);

} // namespace quillon
