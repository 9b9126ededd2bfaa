// A refusal as quillon-calc prints it: on one line, naming the box, option or cell at fault.
#pragma once

#include "calculations/evaluation.h"

#include <string>

namespace quillon::terminal {

// The refusal on one line, the reason in lower case and without its full stop:
// "box 2 (Enter the degrees of freedom:): this box is empty", "row 3 column B (SD) is empty",
// "--population: the population size is not a number: 1,000", "at least 2 values are needed";
// the window's message or the reason a box could not hold its text as they stand. A cell of the
// first line that is not a number adds that --header skips a line of headings.
std::string refusalText(const Evaluation& evaluation);

} // namespace quillon::terminal
