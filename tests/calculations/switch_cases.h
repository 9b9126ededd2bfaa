// Table-driven checks over several calculation windows of one family: each row the window, the
// texts typed into its boxes and the exact outcome.
#pragma once

#include "tests/calculations/outcome_cases.h"

namespace quillon {

struct WindowCase {
    Calculation calculate;
    std::vector<std::string> inputs;
    Outcome expected;
};

inline void expectWindowOutcomes(const std::vector<WindowCase>& cases) {
    for (const WindowCase& row : cases) {
        SCOPED_TRACE(joinedInputs(row.inputs));
        const Outcome got = row.calculate(row.inputs);
        EXPECT_TRUE(isExpectedOutcome(got, row.expected))
            << "got      " << describeOutcome(got) << "\nexpected "
            << describeOutcome(row.expected);
    }
}

} // namespace quillon
