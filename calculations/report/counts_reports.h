// The reports of the tests on counts.
#pragma once

#include "calculations/report/report.h"

namespace quillon {

Report contingencyReport(const ReportInput& input); // the chi-square table of the sheet
Report fisherExactReport(const ReportInput& input); // a 2 x 2 table's exact test
Report binomialReport(const ReportInput& input);    // successes in trials
Report poissonReport(const ReportInput& input);     // an observed count against an expected one

} // namespace quillon
