// Small pieces every calculation uses to read its boxes and give its outcome.
#pragma once

#include "calculations/common/outcome.h"
#include "core/arithmetic.h"
#include "core/number_text.h"

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

// Beep and put the focus in the given box (1..6, or kFocusGrid).
inline Outcome refuse(int focus) {
    return Refusal{focus, {}, {}};
}

// Answer text that also goes to the clipboard unchanged or with its own summary.
inline Outcome answer(std::string text, std::string clipboard) {
    Answer result;
    result.text = std::move(text);
    result.clipboard = std::move(clipboard);
    return result;
}

} // namespace quillon
