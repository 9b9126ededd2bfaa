// The reports of the tests and the interval of percents.
#pragma once

#include "calculations/report/report.h"

namespace quillon {

Report samePercentsReport(const ReportInput& input);        // two percents of one sample
Report independentPercentsReport(const ReportInput& input); // percents of two samples
Report percentIntervalsReport(const ReportInput& input);    // one percent's intervals

} // namespace quillon
