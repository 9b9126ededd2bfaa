// The finite population correction of a standard error.
#pragma once

namespace quillon {

// (N - n) / (N - 1) for a population of N and a sample of n, stored as Real (single or double);
// a population of 0 (an empty box) stands for an unlimited one and gives 1. A population of 1
// raises ArithmeticError.
template <typename Real> Real populationCorrection(Real population, Real sampleSize);

} // namespace quillon
