// The line break as a string, ready to join answer lines, and the pair of them that leaves a
// blank line between two answer lines.
#pragma once

#include "core/number_text.h"

#include <string>

namespace quillon {

inline const std::string kBreak{kLineBreak};
inline const std::string kBlankLine = kBreak + kBreak;

} // namespace quillon
