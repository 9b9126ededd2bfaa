#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace quillon {
namespace {

struct FaultCase {
    const char* name;
    std::function<void()> step;
    ArithmeticFault fault;
};

TEST(Arithmetic, EachFaultRaisesItsKind) {
    const FaultCase cases[] = {
        {"single beyond range", [] { (void)single(1e39); }, ArithmeticFault::Overflow},
        {"single of NaN", [] { (void)single(std::nan("")); }, ArithmeticFault::InvalidOperation},
        {"extended beyond range", [] { (void)single(1e39L); }, ArithmeticFault::Overflow},
        {"division by zero", [] { (void)divide(1.0, 0.0); }, ArithmeticFault::DivisionByZero},
        {"zero over zero", [] { (void)divide(0.0, 0.0); }, ArithmeticFault::InvalidOperation},
        {"root of negative", [] { (void)squareRoot(-1.0); }, ArithmeticFault::InvalidOperation},
        {"log of zero", [] { (void)logarithm(0.0); }, ArithmeticFault::InvalidOperation},
        {"exp overflow", [] { (void)exponential(1000.0); }, ArithmeticFault::Overflow},
        {"negative base, fractional power", [] { (void)power(-8.0, 0.5); },
         ArithmeticFault::InvalidOperation},
        {"zero to negative power", [] { (void)power(0.0, -1.0); },
         ArithmeticFault::InvalidOperation},
        {"16-bit above", [] { (void)toInt16(32767.5); }, ArithmeticFault::Overflow},
        {"16-bit below", [] { (void)toInt16(-32769.0); }, ArithmeticFault::Overflow},
    };
    for (const auto& c : cases) {
        try {
            c.step();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), c.fault) << c.name;
        }
    }
}

TEST(Arithmetic, ValuesInRangePassUnchanged) {
    EXPECT_EQ(single(3.4e38), 3.4e38f);
    EXPECT_EQ(single(1e-50), 0.0f); // underflow is not a fault
    EXPECT_EQ(power(-2.0, 3.0), -8.0);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
}

TEST(Arithmetic, RoundingGoesToEvenOnAHalf) {
    const struct {
        double value, rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, -0}, {-1.5, -2}, {2.4999, 2}, {3.5, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(wholePart(-1.5), -2.0);
    EXPECT_EQ(wholePart(2.9), 2.0);
}

TEST(Arithmetic, FaultNamesReadAsEnglish) {
    EXPECT_EQ(faultName(ArithmeticFault::Overflow), "overflow");
    EXPECT_EQ(faultName(ArithmeticFault::DivisionByZero), "division by zero");
    EXPECT_EQ(faultName(ArithmeticFault::InvalidOperation), "invalid operation");
}

} // namespace
} // namespace quillon
