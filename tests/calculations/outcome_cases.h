// Table-driven checks of a calculation window: each row the texts typed into its boxes and the
// exact outcome, printed readably when they differ.
#pragma once

#include "calculations/catalogue.h"
#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {

struct OutcomeCase {
    std::vector<std::string> inputs;
    Outcome expected;
};

// An answer whose whole text goes to the clipboard.
inline Outcome copied(const std::string& text) {
    return Answer{.text = text, .clipboard = text};
}

// An answer that leaves the clipboard alone (a clamp text).
inline Outcome notCopied(const std::string& text) {
    return Answer{.text = text};
}

inline std::string describeOutcome(const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return "refused, focus Input" + std::to_string(refusal->focus) + " " + refusal->message +
               " [" + refusal->reason + "]";
    const auto& result = std::get<Answer>(outcome);
    return "answer [" + result.text + "] clipboard [" + result.clipboard.value_or("(unset)") + "]" +
           (result.beep ? " beep" : "");
}

inline std::string joinedInputs(const std::vector<std::string>& inputs) {
    std::string text;
    for (const std::string& input : inputs)
        text += "[" + input + "]";
    return text;
}

// Whether the outcome is the one expected. A refusal expected without a reason is met by the same
// refusal with any reason but none: the refusal tables (refusal_tables.h) hold the reasons. An
// answer expected without quantities is met by the same answer with any: the quantity table
// (quantities_test.cpp) holds them.
inline bool isExpectedOutcome(const Outcome& got, const Outcome& expected) {
    const auto* gotAnswer = std::get_if<Answer>(&got);
    const auto* expectedAnswer = std::get_if<Answer>(&expected);
    if (gotAnswer != nullptr && expectedAnswer != nullptr && expectedAnswer->quantities.empty()) {
        Answer withoutQuantities = *gotAnswer;
        withoutQuantities.quantities.clear();
        return withoutQuantities == *expectedAnswer;
    }
    const auto* gotRefusal = std::get_if<Refusal>(&got);
    const auto* expectedRefusal = std::get_if<Refusal>(&expected);
    if (gotRefusal == nullptr || expectedRefusal == nullptr || !expectedRefusal->reason.empty())
        return got == expected;
    Refusal withoutReason = *gotRefusal;
    withoutReason.reason.clear();
    return !gotRefusal->reason.empty() && withoutReason == *expectedRefusal;
}

inline void expectOutcomes(Calculation calculate, const std::vector<OutcomeCase>& cases) {
    for (const OutcomeCase& row : cases) {
        SCOPED_TRACE(joinedInputs(row.inputs));
        const Outcome got = calculate(row.inputs);
        EXPECT_TRUE(isExpectedOutcome(got, row.expected))
            << "got      " << describeOutcome(got) << "\nexpected "
            << describeOutcome(row.expected);
    }
}

// Inputs the checks let through but the arithmetic cannot take: the window reports the fault.
struct FaultCase {
    std::vector<std::string> inputs;
    ArithmeticFault fault;
};

inline void expectFaults(Calculation calculate, const std::vector<FaultCase>& cases) {
    for (const FaultCase& row : cases) {
        SCOPED_TRACE(joinedInputs(row.inputs));
        try {
            const Outcome got = calculate(row.inputs);
            ADD_FAILURE() << "no arithmetic error; got " << describeOutcome(got);
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(faultName(error.fault()), faultName(row.fault));
        }
    }
}

} // namespace quillon
