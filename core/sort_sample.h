// Ascending sort of a sample for its median.
#pragma once

#include <vector>

namespace quillon {

// Shell's gapped insertion sort of values[1..n] in place; values[0] and elements after n are
// not touched. Equal values are never exchanged.
void sortSample(std::vector<float>& values, float n);
void sortSample(std::vector<double>& values, float n);

} // namespace quillon
