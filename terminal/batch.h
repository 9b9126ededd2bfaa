// --batch: each input line holds one calculation's box texts; each prints one output line (or one
// JSON object), and a refused or failing row does not stop the run.
#pragma once

#include "calculations/catalogue.h"

#include <iosfwd>
#include <string_view>

namespace quillon::terminal {

struct BatchOptions {
    bool json = false;
    bool skipFirstLine = false;
    std::optional<ReportOptions> report; // each answer's report too
};

// Returns the exit status: 0 when every row was answered, 2 when any was not, 65 when the input
// turns out not to be text (the rows before it are printed).
int runBatch(const CatalogueEntry& calculation, const QuestionInputs& inputs, std::istream& in,
             std::string_view source, std::ostream& out, std::ostream& err, BatchOptions options);

} // namespace quillon::terminal
