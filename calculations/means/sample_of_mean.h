// The sample that the confidence interval around a mean and the comparison with a population mean
// both work from.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>

namespace quillon {

// The first four boxes, checked in order (a deviation not above 0 and a population below 1 other
// than 0 refused), and the finite population correction (formed before the
// fifth box is checked, so a population of 1 faults first).
struct SampleOfMean {
    float mean = 0.0f;
    float deviation = 0.0f;
    float size = 0.0f;
    float correction = 1.0f;
    std::optional<Outcome> refusal;
};

SampleOfMean readSampleOfMean(InputTexts inputs);

// The same four boxes stored as Real (single or double) once they have passed their checks.
template <typename Real> struct StoredSampleOfMean {
    Real mean = 0;
    Real deviation = 0;
    Real size = 0;
    Real correction = 1;
};

template <typename Real> StoredSampleOfMean<Real> storedSampleOfMean(InputTexts inputs);

// sd / sqrt(n), reduced by the finite population correction.
template <typename Real> Real standardErrorOfMean(Real deviation, Real size, Real correction);

} // namespace quillon
