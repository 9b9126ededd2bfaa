// The wording that refusals share: an empty box, a data sheet cell named by its row and its
// column letter, and a text that is not a number, quoted at the end of its reason. Every other
// reason stands beside its own check.
#pragma once

#include "calculations/common/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The reason of every empty box the checks refuse.
inline constexpr std::string_view kEmptyBoxReason = "This box is empty.";

// What stands between the name of a box or cell and its text: "... is not a number: Weight".
inline constexpr std::string_view kNotANumber = " is not a number: ";

// A quoted text is cut to this many characters and an ellipsis.
inline constexpr std::size_t kMostQuotedCharacters = 24;

// "Row 3 Column B": the row as the user counts it, the column by its letter (column 1 is A).
std::string cellName(CellPosition cell);

// subject + " is not a number: " + the text without the blanks around it, line breaks and other
// control characters shown as blanks, cut after kMostQuotedCharacters characters (never inside a
// UTF-8 character) with an ellipsis. A text of blanks alone reads "subject holds only blanks, not
// a number." instead.
std::string notANumberReason(std::string_view subject, std::string_view text);

// The grid refused with the given cell made current.
Refusal cellRefusal(CellPosition cell, std::string reason);

// "Row 3 Column B is empty."
Refusal emptyCellRefusal(CellPosition cell);

// The refusal of a cell read as a value whose text is not wholly a number; nothing when it is one.
std::optional<Refusal> nonNumberCellRefusal(CellPosition cell, std::string_view text);

} // namespace quillon
