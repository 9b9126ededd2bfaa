// The effect sizes of a table of counts tested by chi-square.
//
// Cramer's V = sqrt(chi-square / (N (min(rows, columns) - 1))) from the uncorrected Pearson
// chi-square of independence (Cramer 1946); for a 2 x 2 table it is the unsigned phi coefficient.
// For a 2 x 2 table, rows as the groups and column 1 as the event:
// - the odds ratio a d / (b c) with Woolf's (1955) logit interval,
//   exp(ln OR +- z sqrt(1/a + 1/b + 1/c + 1/d));
// - the relative risk (a / (a + b)) / (c / (c + d)) with the log interval of Katz et al. (1978),
//   exp(ln RR +- z sqrt(1/a - 1/(a + b) + 1/c - 1/(c + d))).
// No 0.5 is added to an empty cell: a ratio or interval that needs the cell is not defined.
#pragma once

#include "calculations/report/defined.h"

#include <vector>

namespace quillon::report {

struct ContingencyEffects {
    DefinedNumber chiSquare = DefinedNumber::notDefined("not defined"); // uncorrected
    DefinedNumber cramersV = DefinedNumber::notDefined("not defined");
    // Only for a 2 x 2 table; otherwise "not defined: the table is not 2 x 2".
    DefinedNumber oddsRatio = DefinedNumber::notDefined("not defined");
    ConfidenceInterval oddsRatioInterval;
    DefinedNumber relativeRisk = DefinedNumber::notDefined("not defined");
    ConfidenceInterval relativeRiskInterval;
};

// counts: the rows of the table, all of the same length, at least 2 x 2 for V.
ContingencyEffects contingencyEffects(const std::vector<std::vector<double>>& counts,
                                      double level = 0.95);

} // namespace quillon::report
