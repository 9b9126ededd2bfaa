// The ten distribution windows: probabilities, critical values and range probabilities of the
// normal (Distr1*), t (Distr2*), F (Distr3*) and chi-square (Distr4*) distributions.
#pragma once

#include "calculations/catalogue.h"
#include "calculations/common/outcome.h"

namespace quillon {

// Two-tailed probability of a z value.
Outcome calculateDistr1a(InputTexts inputs);
// Critical z for a two-tailed probability.
Outcome calculateDistr1b(InputTexts inputs);
// Probability of a normal value within and outside a range: mean, SD, lower, upper.
Outcome calculateDistr1c(InputTexts inputs);

// Two-tailed probability of a t value: t, degrees of freedom.
Outcome calculateDistr2a(InputTexts inputs);
// Critical t: two-tailed probability, degrees of freedom.
Outcome calculateDistr2b(InputTexts inputs);
// Probability of a value within and outside a range judged by t: mean, SD, N, lower, upper.
Outcome calculateDistr2c(InputTexts inputs);

// Upper-tail probability of an F-ratio: F, numerator and denominator degrees of freedom.
Outcome calculateDistr3a(InputTexts inputs);
// Critical F: probability, numerator and denominator degrees of freedom.
Outcome calculateDistr3b(InputTexts inputs);

// Upper-tail probability of a chi-square value: chi-square, degrees of freedom.
Outcome calculateDistr4a(InputTexts inputs);
// Critical chi-square: probability, degrees of freedom.
Outcome calculateDistr4b(InputTexts inputs);

} // namespace quillon
