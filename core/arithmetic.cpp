#include "core/arithmetic.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace quillon {

ArithmeticError::ArithmeticError(ArithmeticFault fault)
    : std::runtime_error(faultName(fault)), fault_(fault) {}

std::string faultName(ArithmeticFault fault) {
    switch (fault) {
    case ArithmeticFault::Overflow:
        return "overflow";
    case ArithmeticFault::DivisionByZero:
        return "division by zero";
    case ArithmeticFault::InvalidOperation:
        return "invalid operation";
    }
    return "arithmetic error";
}

float single(double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float stored = static_cast<float>(value);
    if (std::isinf(stored))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return stored;
}

float single(long double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const float stored = static_cast<float>(value);
    if (std::isinf(stored))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return stored;
}

double checkedDouble(long double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const double stored = static_cast<double>(value);
    if (std::isinf(stored))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return stored;
}

double divide(double value, double divisor) {
    if (divisor == 0.0) {
        if (value == 0.0 || std::isnan(value))
            throw ArithmeticError(ArithmeticFault::InvalidOperation);
        throw ArithmeticError(ArithmeticFault::DivisionByZero);
    }
    const double quotient = value / divisor;
    if (std::isnan(quotient))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (std::isinf(quotient))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return quotient;
}

double squareRoot(double value) {
    if (std::isnan(value) || value < 0.0)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return std::sqrt(value);
}

double logarithm(double value) {
    if (std::isnan(value) || value <= 0.0)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return std::log(value);
}

double exponential(double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const double result = std::exp(value);
    if (std::isinf(result))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return result;
}

double power(double base, double exponent) {
    if (std::isnan(base) || std::isnan(exponent))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (base < 0.0 && !isWhole(exponent))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (base == 0.0 && exponent < 0.0)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const double result = std::pow(base, exponent);
    if (std::isnan(result))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (std::isinf(result))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return result;
}

double wholePart(double value) {
    return std::floor(value);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int16_t toInt16(double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw ArithmeticError(ArithmeticFault::Overflow);
    return static_cast<std::int16_t>(rounded);
}

bool isWhole(double value) {
    return std::isfinite(value) && std::floor(value) == value;
}

} // namespace quillon
