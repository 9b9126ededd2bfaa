// What a calculator box can hold: digits, one point and a leading minus, at most 32767
// characters. The window's key filter lets through what this takes; a value typed at a terminal
// is held to the same form, so that "1e3" or "12,5" is refused instead of read silently as 1 or 12.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr std::size_t kMaxBoxLength = 32767;

// Whether a box takes the character typed into it: a digit always, a point while the box holds
// none, a minus only into an empty box.
bool boxTakesCharacter(char32_t typed, bool boxIsEmpty, bool boxHasPoint);

// Whether a person can type the text into a box: an optional leading minus, then digits and at
// most one point, in any order; the empty text too. The length is not looked at.
bool isTypableBoxText(std::string_view text);

// The text without the blanks around it.
std::string_view trimBlanks(std::string_view text);

// Why a box cannot hold the text, or nothing when it can.
std::optional<std::string> boxTextProblem(std::string_view text);

} // namespace quillon
