// A result that either holds a finite value or says in words why it cannot be formed, so that no
// report ever shows NaN or infinity.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace quillon::report {

template <typename T> class Defined {
public:
    static Defined of(T value) { return Defined(std::move(value), {}); }
    static Defined notDefined(std::string reason) {
        return Defined(std::nullopt, std::move(reason));
    }

    bool isDefined() const { return value_.has_value(); }
    // Only for a defined result.
    const T& value() const { return *value_; }
    // Empty for a defined result.
    const std::string& reason() const { return reason_; }

private:
    Defined(std::optional<T> value, std::string reason)
        : value_(std::move(value)), reason_(std::move(reason)) {}
    std::optional<T> value_;
    std::string reason_;
};

// The two bounds of a two-sided confidence interval.
struct Bounds {
    double lower = 0.0;
    double upper = 0.0;
};

using DefinedNumber = Defined<double>;
using DefinedBounds = Defined<Bounds>;

// A two-sided interval whose ends may be missing on their own: an odds ratio's interval has no
// upper end when a cell is 0.
struct ConfidenceInterval {
    DefinedNumber lower = DefinedNumber::notDefined("not defined");
    DefinedNumber upper = DefinedNumber::notDefined("not defined");
};

// A computed number, or the reason when it overflowed or otherwise left the real numbers.
inline DefinedNumber finiteOrNot(double value) {
    if (std::isfinite(value))
        return DefinedNumber::of(value);
    return DefinedNumber::notDefined("not defined: too large to compute");
}

inline DefinedBounds finiteOrNot(Bounds bounds) {
    if (std::isfinite(bounds.lower) && std::isfinite(bounds.upper))
        return DefinedBounds::of(bounds);
    return DefinedBounds::notDefined("not defined: too large to compute");
}

// Every interval needs a level strictly between 0 and 1; the reason is shared by all of them.
inline bool isConfidenceLevel(double level) {
    return level > 0.0 && level < 1.0;
}
inline const char* const badLevelReason =
    "not defined: the confidence level is not between 0 and 1";

} // namespace quillon::report
