// Pearson's r, Spearman's rho or the simple linear regression of y (column 2) on x (column 1),
// as the user chooses.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <string_view>

namespace quillon {

// What the window shows for each method: its title, the headings of grid columns 1 and 2, and the
// help topic of "Help".
struct CorrelationPresentation {
    std::string_view title;
    std::string_view firstHeading;
    std::string_view secondHeading;
    int helpTopic = 0;
};

CorrelationPresentation correlationPresentation(CorrelationMethod method);

// A record's cell that is not a number is refused by name; fewer than three complete records: a
// refusal with the empty answer area. Only the regression
// answer carries a clipboard text; the no-variance and perfect-fit answers beep.
Outcome correlate(const DataSheetInput& input);

} // namespace quillon
