// What every report reads: the values of the boxes as typed, in double, and the numbers of the
// answer it stands beside.
#pragma once

#include "calculations/common/outcome.h"
#include "calculations/report/defined.h"
#include "core/arithmetic.h"
#include "core/number_text.h"

#include <limits>

#include <span>
#include <string>
#include <string_view>

namespace quillon::report {

// A text's value as a double; NaN beyond the double range, which every report quantity formed
// from it turns into its reason.
inline double typedNumber(std::string_view text) {
    try {
        return readNumber(text);
    } catch (const ArithmeticError&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

// The value typed in box 1.. as a double.
inline double typedValue(std::span<const std::string> texts, int box) {
    const auto index = static_cast<std::size_t>(box - 1);
    return index < texts.size() ? typedNumber(texts[index]) : 0.0;
}

// The answer's first quantity of that name, or why there is none.
inline DefinedNumber answerQuantity(const Answer& answer, std::string_view name) {
    for (const Quantity& quantity : answer.quantities)
        if (quantity.name == name)
            return finiteOrNot(quantity.value);
    return DefinedNumber::notDefined("not defined: the answer gives no " + std::string(name));
}

} // namespace quillon::report
