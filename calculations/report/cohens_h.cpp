#include "calculations/report/cohens_h.h"

#include <cmath>

namespace quillon::report {

DefinedNumber cohensH(double p1, double p2) {
    if (!(p1 >= 0.0 && p1 <= 1.0 && p2 >= 0.0 && p2 <= 1.0))
        return DefinedNumber::notDefined("not defined: a percent is not between 0 and 100");
    return finiteOrNot(2.0 * std::asin(std::sqrt(p1)) - 2.0 * std::asin(std::sqrt(p2)));
}

} // namespace quillon::report
