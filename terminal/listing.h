// `quillon-calc list`: every calculation with its names, title and inputs in order.
#pragma once

#include <iosfwd>

namespace quillon::terminal {

void printCatalogue(std::ostream& out, bool json);

} // namespace quillon::terminal
