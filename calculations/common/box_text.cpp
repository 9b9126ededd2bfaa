#include "calculations/common/box_text.h"

namespace quillon {

namespace {

// The text in quotes, cut short where it is too long to quote whole.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown)
        return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kShown)) + "...\"";
}

} // namespace

bool boxTakesCharacter(char32_t typed, bool boxIsEmpty, bool boxHasPoint) {
    if (typed >= U'0' && typed <= U'9')
        return true;
    if (typed == U'-')
        return boxIsEmpty;
    if (typed == U'.')
        return !boxHasPoint;
    return false;
}

bool isTypableBoxText(std::string_view text) {
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto typed = static_cast<unsigned char>(text[i]);
        if (!boxTakesCharacter(typed, i == 0, point))
            return false;
        point = point || typed == '.';
    }
    return true;
}

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
    if (!isTypableBoxText(text))
        return quoted(text) + " is not a number a box takes (digits, one point, a leading minus)";
    return std::nullopt;
}

} // namespace quillon
