// The root of a falling function of one variable, found by widening a bracket around a guess and
// then closing it (Alefeld, Potra and Shi's TOMS 748), with a bounded number of steps so that no
// input can make it hang; and an interval made of two such roots.
#pragma once

#include "calculations/report/defined.h"

#include <exception>
#include <optional>

#include <boost/math/tools/roots.hpp>

namespace quillon::report {

// f falls as x grows. The bracket starts at guess +- step and widens by doubling the step, at most
// 200 times; std::nullopt when no sign change is found or the bracket does not close.
template <typename F>
std::optional<double> fallingRoot(F f, double guess, double step,
                                  std::optional<double> floor = std::nullopt) {
    double low = guess - step;
    double high = guess + step;
    if (floor && low < *floor)
        low = *floor;
    double fLow = f(low);
    double fHigh = f(high);
    for (int widening = 0; widening < 200 && (fLow < 0.0 || fHigh > 0.0); ++widening) {
        step *= 2.0;
        if (fLow < 0.0) {
            if (floor && low <= *floor)
                return std::nullopt;
            low = guess - step;
            if (floor && low < *floor)
                low = *floor;
            fLow = f(low);
        }
        if (fHigh > 0.0) {
            high = guess + step;
            fHigh = f(high);
        }
    }
    if (fLow < 0.0 || fHigh > 0.0)
        return std::nullopt;
    if (fLow == 0.0)
        return low;
    if (fHigh == 0.0)
        return high;
    boost::uintmax_t iterations = 300;
    const auto [a, b] = boost::math::tools::toms748_solve(
        f, low, high, fLow, fHigh, boost::math::tools::eps_tolerance<double>(50), iterations);
    if (iterations >= 300)
        return std::nullopt;
    return a + (b - a) / 2.0;
}

// An interval whose ends are roots found at two tail probabilities: `boundAt(1 - tail)` gives its
// lower end and `boundAt(tail)` its upper one. Not defined when either search fails.
template <typename BoundAt> DefinedBounds boundsAtTails(BoundAt boundAt, double tail) {
    try {
        const std::optional<double> lower = boundAt(1.0 - tail);
        const std::optional<double> upper = boundAt(tail);
        if (!lower || !upper)
            return DefinedBounds::notDefined("not defined: the interval could not be found");
        return finiteOrNot(Bounds{*lower, *upper});
    } catch (const std::exception&) {
        return DefinedBounds::notDefined("not defined: the interval could not be found");
    }
}

} // namespace quillon::report
