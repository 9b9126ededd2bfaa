// The storage a calculator window's steps run in: singles while every typed value keeps its digits
// as a single, doubles when one does not (1000000.25, 12.3456789), so that no typed digit is lost
// before the arithmetic.
#pragma once

#include "calculations/common/outcome.h"
#include "core/number_text.h"
#include "core/storage.h"

#include <initializer_list>
#include <span>
#include <string_view>

namespace quillon {

// Whether the values typed in the given boxes (numbered from 1) all keep their digits as singles.
bool singlesHold(InputTexts inputs, std::span<const int> boxes);

// The value typed in a box, stored as Real.
template <typename Real> Real readStored(std::string_view text) {
    return stored<Real>(readNumber(text));
}

// The window's steps run over singles or doubles as the typed values of the given boxes decide;
// steps is a generic callable taking a Real tag (0.0f or 0.0).
template <typename Steps>
Outcome inTypedStorage(InputTexts inputs, std::initializer_list<int> boxes, Steps steps) {
    if (singlesHold(inputs, std::span(boxes.begin(), boxes.size())))
        return steps(0.0f);
    return steps(0.0);
}

} // namespace quillon
