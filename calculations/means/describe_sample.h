// The mean, unbiased standard deviation, standard error and median of the sample in column 1.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

namespace quillon {

// The population size typed beside the grid: key "population", empty for none.
const SheetOption& populationSizeOption();

// Reads column 1 down to its first empty cell and the population size. A value or a population
// size that is not a number is refused by name (the population with focus 1, the window's own box);
// fewer than two values: a refusal with the empty answer area.
Outcome describeSample(const DataSheetInput& input);

} // namespace quillon
