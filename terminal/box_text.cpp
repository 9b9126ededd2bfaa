#include "terminal/box_text.h"

namespace quillon::terminal {

namespace {

// The text in quotes, cut short where it is too long to quote whole.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown)
        return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kShown)) + "...\"";
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<std::string> boxTextProblem(std::string_view text) {
    if (text.size() > kMaxBoxLength)
        return "is longer than the " + std::to_string(kMaxBoxLength) + " characters a box holds";
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            continue;
        if (c == '-' && i == 0)
            continue;
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        return quoted(text) + " is not a number a box takes (digits, one point, a leading minus)";
    }
    return std::nullopt;
}

} // namespace quillon::terminal
