// What a calculator box can hold: the window's keys let through digits, one point and a leading
// minus, and a box takes at most 32767 characters. A value typed at the terminal is held to the
// same form, so that "1e3" or "12,5" is refused instead of read silently as 1 or 12.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::terminal {

inline constexpr std::size_t kMaxBoxLength = 32767;

// The text without the blanks around it.
std::string_view trimBlanks(std::string_view text);

// Why a box cannot hold the text, or nothing when it can.
std::optional<std::string> boxTextProblem(std::string_view text);

} // namespace quillon::terminal
