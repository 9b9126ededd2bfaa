// The tests on counts typed into calculator windows: Fisher's exact probability of a 2 x 2 table
// (Counts2), the binomial test (Counts3) and the Poisson events test (Counts4).
#pragma once

#include "calculations/catalogue.h"
#include "calculations/common/outcome.h"

namespace quillon {

// Inputs: the cells row 1 column 1, row 1 column 2, row 2 column 1, row 2 column 2.
Outcome calculateCounts2(InputTexts inputs);

// Inputs: the number of trials, the probability of success on each trial, the number of successes.
Outcome calculateCounts3(InputTexts inputs);

// Inputs: the observed frequency, the expected frequency.
Outcome calculateCounts4(InputTexts inputs);

} // namespace quillon
