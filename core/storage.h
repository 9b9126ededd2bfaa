// The storage of a calculation's named quantities: a single, as the legacy steps keep them, or a
// double when a typed value has more significant digits than a single holds. A calculation writes
// its steps once over the storage type Real and stores each quantity through stored<Real>.
#pragma once

#include "core/arithmetic.h"

#include <type_traits>

namespace quillon {

template <typename Real> Real stored(double value) {
    static_assert(std::is_same_v<Real, float> || std::is_same_v<Real, double>);
    if constexpr (std::is_same_v<Real, float>)
        return single(value);
    else
        return checkedDouble(value);
}

// Whether the single nearest the value, written with a single's seven significant digits, gives
// the value back. 10000001 and 1000000.2 do not (a single prints 10000000 and 1000000); 1.2 and
// 338.8 do. A value beyond the single range counts as fitting, so that storing it still raises
// Overflow as before.
bool fitsSingle(double value);

} // namespace quillon
