// Small pieces every calculation uses to read its boxes and give its outcome.
#pragma once

#include "calculations/common/outcome.h"
#include "calculations/common/refusal_text.h"
#include "core/arithmetic.h"
#include "core/number_text.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// A box counts as empty only when its text is the empty string.
inline bool isEmpty(std::string_view text) {
    return text.empty();
}

// The numeric reading of a box, held as a single (Overflow beyond the single range).
inline float readSingle(std::string_view text) {
    return single(readNumber(text));
}

// Beep, put the focus in the given box (1..6, or kFocusGrid) and say why.
inline Outcome refuse(int focus, std::string_view reason = {}) {
    return Refusal{.focus = focus, .reason = std::string(reason)};
}

// One check of a box: its number (1..6), whether its value is refused, and why.
struct BoxCheck {
    int box = 1;
    bool refused = false;
    std::string_view reason;
};

// The refusal of the first check that fails, taken in the order given; nothing when all pass.
inline std::optional<Outcome> firstRefusal(std::initializer_list<BoxCheck> checks) {
    for (const BoxCheck& check : checks)
        if (check.refused)
            return refuse(check.box, check.reason);
    return std::nullopt;
}

// The refusal of the first of the given boxes (numbered from 1) that is empty.
inline std::optional<Outcome> firstEmptyBox(InputTexts inputs, std::initializer_list<int> boxes) {
    for (const int box : boxes)
        if (isEmpty(inputs[static_cast<std::size_t>(box - 1)]))
            return refuse(box, kEmptyBoxReason);
    return std::nullopt;
}

// The "Error" message box, its text the reason too, with the focus in the given box (or the grid).
inline Refusal refuseWithMessage(int focus, std::string text,
                                 std::optional<CellPosition> currentCell = std::nullopt) {
    return Refusal{
        .focus = focus, .message = text, .currentCell = currentCell, .reason = std::move(text)};
}

// Answer text that also goes to the clipboard unchanged or with its own summary.
inline Outcome answer(std::string text, std::string clipboard) {
    return Answer{.text = std::move(text), .clipboard = std::move(clipboard)};
}

// The same, with the results as numbers.
inline Outcome answer(std::string text, std::string clipboard, std::vector<Quantity> quantities) {
    return Answer{.text = std::move(text),
                  .clipboard = std::move(clipboard),
                  .quantities = std::move(quantities)};
}

} // namespace quillon
