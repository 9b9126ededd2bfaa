// The arithmetic discipline of every calculation: named quantities are stored as IEEE singles,
// intermediates are formed in double (or extended), and arithmetic faults are errors, never inf or
// NaN.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillon {

enum class ArithmeticFault {
    Overflow,       // a finite value rounds beyond the single range, or a 16-bit counter overflows
    DivisionByZero, // a divisor of exactly 0
    InvalidOperation, // NaN, the root or logarithm of a negative number, 0 to a negative power
};

class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(ArithmeticFault fault);
    ArithmeticFault fault() const noexcept { return fault_; }

private:
    ArithmeticFault fault_;
};

// "overflow", "division by zero" or "invalid operation".
std::string faultName(ArithmeticFault fault);

// Stores a value as single; a finite value beyond the single range raises Overflow, NaN raises
// InvalidOperation. An infinite argument (which only an earlier unchecked step can make) is
// Overflow.
float single(double value);
float single(long double value);

// Stores a value as double with the same checks.
double checkedDouble(long double value);

// value / divisor in double; a divisor of 0 raises DivisionByZero (0/0 raises InvalidOperation).
double divide(double value, double divisor);

// Square root; a negative argument raises InvalidOperation.
double squareRoot(double value);

// Natural logarithm; an argument of 0 or below raises InvalidOperation.
double logarithm(double value);

// e to the power value; a result beyond the double range raises Overflow.
double exponential(double value);

// base to the power exponent: a negative base with a fractional exponent, or 0 to a negative power,
// raises InvalidOperation; a result beyond the double range raises Overflow.
double power(double base, double exponent);

// The greatest whole number not above the value (floor).
double wholePart(double value);

// The nearest whole number, halves to the even one.
double roundHalfEven(double value);

// Conversion to a 16-bit integer, rounding halves to even; outside -32768..32767 raises Overflow.
std::int16_t toInt16(double value);

// True when value has no fractional part.
bool isWhole(double value);

} // namespace quillon
