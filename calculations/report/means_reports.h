// The reports of the comparisons of means.
#pragma once

#include "calculations/report/report.h"

namespace quillon {

Report matchedPairsReport(const ReportInput& input);     // the pairs of the sheet
Report independentMeansReport(const ReportInput& input); // two groups' summaries
Report populationMeanReport(const ReportInput& input);   // a mean against a population mean
Report varianceRatioReport(const ReportInput& input);    // two standard deviations
Report anovaReport(const ReportInput& input);            // the groups of the sheet

} // namespace quillon
