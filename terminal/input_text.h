// Reading what is piped in or named by --file, bounded so that no input can exhaust the memory or
// pass for text when it is not: a NUL byte marks a binary file.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::terminal {

struct InputProblem {
    int status = 0; // an exit status
    std::string message;
};

// A data sheet holds 100 rows of at most 26 cells; its whole text is far below this.
inline constexpr std::size_t kMaxGridBytes = 4u << 20;
// One batch line: six boxes of at most 32767 characters fit many times over.
inline constexpr std::size_t kMaxLineBytes = 1u << 20;

// The whole stream, or why it cannot be taken. source names it in messages ("standard input").
struct WholeText {
    std::string text;
    std::optional<InputProblem> problem;
};
WholeText readWholeText(std::istream& in, std::string_view source);

// Reads one line, without its LF (a CR before it is kept, as the cell reading takes CR LF).
enum class LineRead { Line, TooLong, HasNul, End };
LineRead readLine(std::istream& in, std::string& line);

} // namespace quillon::terminal
