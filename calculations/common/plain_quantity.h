// A result published with the text its plain form prints, without the leading blank: a number
// the clipboard text writes as typed or stored ("10", ".05", "1E+36").
#pragma once

#include "calculations/common/outcome.h"
#include "core/number_text.h"

#include <string>
#include <utility>

namespace quillon {

// value is a single or a double, as the calculation stores it.
template <typename Real> Quantity plainQuantity(std::string name, Real value) {
    return {std::move(name), static_cast<double>(value), trimmedPlainForm(value)};
}

} // namespace quillon
