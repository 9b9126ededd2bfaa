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

// sd / sqrt(n), reduced by the finite population correction.
float standardErrorOfMean(float deviation, float size, float correction);

} // namespace quillon
