// The two-sided exact p of a count whose probabilities rise to one mode and then fall (binomial,
// Poisson): the sum of the probabilities of the counts no more probable than the observed one,
// with the relative tolerance 1 + 1e-7, so that ties lost to rounding still count.
#pragma once

#include <functional>

namespace quillon::report {

struct UnimodalCount {
    std::function<double(double)> probability; // P(X = i)
    std::function<double(double)> atMost;      // P(X <= i)
    std::function<double(double)> atLeast;     // P(X >= i)
    double mean;                               // counts below it rise, above it fall
    double largest;                            // the largest count with a probability
};

// Halves the far side of the mean for the crossing: O(log n) probabilities.
double twoSidedCountP(const UnimodalCount& count, double observed);

} // namespace quillon::report
