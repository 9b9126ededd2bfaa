// The report of the correlation and regression of the sheet's pairs.
#pragma once

#include "calculations/report/report.h"

namespace quillon {

Report correlationReport(const ReportInput& input);

} // namespace quillon
