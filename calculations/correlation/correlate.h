// Pearson's r, Spearman's rho or the simple linear regression of y (column 2) on x (column 1),
// as the user chooses.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

#include <cstddef>
#include <string_view>

namespace quillon {

// The three methods, in the order of the window's option buttons.
enum class CorrelationMethod {
    Pearson = 0,
    Spearman = 1,
    Regression = 2,
};

// The method chosen beside the grid: key "method", one of "pearson", "spearman" and "regression"
// (the default), in the order of CorrelationMethod.
const SheetOption& correlationMethodOption();

// The method the values choose.
CorrelationMethod chosenCorrelationMethod(const OptionValues& values);

// The key of the method's choice: "pearson", "spearman" or "regression".
std::string correlationMethodKey(CorrelationMethod method);

// Which of the correlation row's help pages "Help" opens: the row lists the regression's page
// first, then the correlations'.
inline constexpr std::size_t kRegressionHelp = 0;
inline constexpr std::size_t kCorrelationHelp = 1;

// What the window shows for each method: its title, the headings of grid columns 1 and 2, and the
// row's help page that "Help" opens.
struct CorrelationPresentation {
    std::string_view title;
    std::string_view firstHeading;
    std::string_view secondHeading;
    std::size_t helpPage = kRegressionHelp;
};

CorrelationPresentation correlationPresentation(CorrelationMethod method);

// The same for the method the values choose, as the window reads it.
SheetPresentation correlationSheetPresentation(const OptionValues& values);

// A record's cell that is not a number is refused by name; fewer than three complete records: a
// refusal with the empty answer area. Only the regression
// answer carries a clipboard text; the no-variance and perfect-fit answers beep.
Outcome correlate(const DataSheetInput& input);

} // namespace quillon
