#include "calculations/common/refusal_text.h"

#include "core/number_text.h"

#include <string>

namespace quillon {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A byte that continues a UTF-8 character rather than starting one.
bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string_view withoutBlanksAround(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text on one line, cut short where it is too long to show whole.
std::string shownText(std::string_view text) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (!continuesCharacter(c)) {
            if (characters == kMostQuotedCharacters)
                return shown + "\u2026";
            ++characters;
        }
        const auto code = static_cast<unsigned char>(c);
        shown += (code < 0x20 || code == 0x7F) ? ' ' : c;
    }
    return shown;
}

} // namespace

std::string cellName(CellPosition cell) {
    return "Row " + std::to_string(cell.row) + " Column " +
           std::string(1, static_cast<char>('A' + cell.column - 1));
}

std::string notANumberReason(std::string_view subject, std::string_view text) {
    const std::string_view number = withoutBlanksAround(text);
    if (number.empty())
        return std::string(subject) + " holds only blanks, not a number.";
    return std::string(subject) + std::string(kNotANumber) + shownText(number);
}

Refusal cellRefusal(CellPosition cell, std::string reason) {
    return Refusal{.focus = kFocusGrid, .currentCell = cell, .reason = std::move(reason)};
}

Refusal emptyCellRefusal(CellPosition cell) {
    return cellRefusal(cell, cellName(cell) + " is empty.");
}

std::optional<Refusal> nonNumberCellRefusal(CellPosition cell, std::string_view text) {
    if (isWhollyNumber(text))
        return std::nullopt;
    return cellRefusal(cell, notANumberReason(cellName(cell), text));
}

} // namespace quillon
