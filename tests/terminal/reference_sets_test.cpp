// NIST's Statistical Reference Datasets piped into quillon-calc: each printed number against its
// certified value, as the data sheet windows print it.
#include "tests/calculations/reference_sets/reference_sets.h"
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>

namespace quillon::terminal {
namespace {

TEST(ReferenceSets, QuillonCalcPrintsTheCertifiedValues) {
    for (const ReferenceSet& set : referenceSets()) {
        std::vector<std::string> arguments{set.calculation};
        if (!set.method.empty())
            arguments.insert(arguments.end(), {"--method", set.method});
        const CalcRun run = runCalc(arguments, set.rows + "\n");
        for (const GradedValue& value : set.values) {
            // The summary line is the clipboard's; the terminal prints the answer only.
            if (value.what.ends_with("(clipboard)"))
                continue;
            const std::string name = valueName(set, value);
            const Grade g = grade(run.out, value);
            const bool expectedWrong = notYetCertified().contains(name);
            EXPECT_EQ(g.withinLastDigit, !expectedWrong)
                << name << " printed " << g.printed << " for " << value.truth
                << (expectedWrong ? " (now right: take it off the list not yet certified)" : "")
                << "\n"
                << run.out << run.err;
        }
    }
}

} // namespace
} // namespace quillon::terminal
