#include "calculations/means/sample_of_mean.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/population_correction.h"
#include "calculations/common/typed_storage.h"

namespace quillon {

SampleOfMean readSampleOfMean(InputTexts inputs) {
    SampleOfMean sample;
    sample.mean = readSingle(inputs[0]);
    sample.deviation = readSingle(inputs[1]);
    sample.size = readSingle(inputs[2]);
    const float population = readSingle(inputs[3]);
    // A negative deviation gives a negative standard error; a population below 1 (other than 0,
    // no population) is smaller than any sample that gives an answer, and its correction would
    // widen the error instead of narrowing it.
    sample.refusal = firstRefusal(
        {{1, isEmpty(inputs[0]), kEmptyBoxReason},
         {2, isEmpty(inputs[1]), kEmptyBoxReason},
         {2, sample.deviation <= 0.0f, "The standard deviation must be greater than 0."},
         {3, isEmpty(inputs[2]), kEmptyBoxReason},
         {3, sample.size == 0.0f, "The sample size must not be 0."},
         {4, population != 0.0f && population < 1.0f,
          "The population size must be 1 or more, or 0 for none."}});
    if (!sample.refusal)
        sample.correction = populationCorrection(population, sample.size);
    return sample;
}

template <typename Real> StoredSampleOfMean<Real> storedSampleOfMean(InputTexts inputs) {
    StoredSampleOfMean<Real> sample;
    sample.mean = readStored<Real>(inputs[0]);
    sample.deviation = readStored<Real>(inputs[1]);
    sample.size = readStored<Real>(inputs[2]);
    sample.correction = populationCorrection(readStored<Real>(inputs[3]), sample.size);
    return sample;
}

template <typename Real> Real standardErrorOfMean(Real deviation, Real size, Real correction) {
    return stored<Real>(divide(deviation, squareRoot(size)) * squareRoot(correction));
}

template StoredSampleOfMean<float> storedSampleOfMean(InputTexts);
template StoredSampleOfMean<double> storedSampleOfMean(InputTexts);
template float standardErrorOfMean(float, float, float);
template double standardErrorOfMean(double, double, double);

} // namespace quillon
