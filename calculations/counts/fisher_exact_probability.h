// Fisher's exact probability of a 2 x 2 table of counts typed into four boxes.
#pragma once

#include "calculations/common/outcome.h"

#include <array>
#include <cstdint>

namespace quillon {

// Inputs: the cells row 1 column 1, row 1 column 2, row 2 column 1, row 2 column 2.
Outcome fisherExactProbability(InputTexts inputs);

// The probability of exactly this table under its margins; cells in the order of the boxes, their
// total 1 to 50.
float fisherTableProbability(const std::array<std::int16_t, 4>& cells);

} // namespace quillon
