// Refusals with their reasons, one or more a window kind: a box at the top, in the middle and at
// the foot of its column, a box of the fourfold table, a cell near the top and one scrolled into
// view, the grid as a whole, and the population box. Stand-in calculations give them, so that
// the windows show them whatever their own checks say.
#pragma once

#include "calculations/common/outcome.h"

#include <string>
#include <vector>

namespace quillon::testing {

struct RefusalExample {
    const char* picture;                        // a name for its picture
    const char* window;                         // the window's name
    std::vector<const char*> inputs;            // a calculator's boxes, Input1 first
    std::vector<std::vector<const char*>> rows; // a data sheet's cells, row by row
    Refusal refusal;
};

inline const std::vector<RefusalExample>& refusalExamples() {
    static const std::vector<RefusalExample> examples = {
        {"Distr2b-probability",
         "Distr2b",
         {"1.5", "10"},
         {},
         {.focus = 1, .reason = "The probability must be from .0001 to .9999."}},
        {"Distr1a-only-box", "Distr1a", {""}, {}, {.focus = 1, .reason = "This box is empty."}},
        {"Means2-second-group",
         "Means2",
         {"24.3", "4.1", "12", "20.6", "0", "14"},
         {},
         {.focus = 5, .reason = "The standard deviation must be greater than 0."}},
        {"Sample3-last-box",
         "Sample3",
         {"1000", "50", "200", "100"},
         {},
         {.focus = 4,
          .reason = "The confidence level must be greater than 0 and less than 100, for "
                    "example 95."}},
        {"Counts2-error-box",
         "Counts2",
         {"7", "2", "3", "80"},
         {},
         {.focus = 4,
          .message = "The maximum count for Fisher's exact test is 50.",
          .reason = "The maximum count for Fisher's exact test is 50."}},
        {"Means6-cell",
         "Means6",
         {},
         {{"24.5", "4.2", "12"}, {"27.1", "4,5", "15"}, {"30.8", "4.6", "11"}},
         {.focus = kFocusGrid,
          .currentCell = CellPosition{2, 2},
          .reason = "Row 2 Column B is not a number: 4,5"}},
        {"Counts1-empty-cell",
         "Counts1",
         {},
         {{"22", "18", "10"}, {"15", "", "20"}},
         {.focus = kFocusGrid,
          .message = "Row 2 Column B is empty.",
          .currentCell = CellPosition{2, 2},
          .reason = "Row 2 Column B is empty."}},
        {"Means1-row-30",
         "Means1",
         {},
         {},
         {.focus = kFocusGrid,
          .currentCell = CellPosition{30, 2},
          .reason = "Row 30 Column B is not a number: n/a"}},
        {"Correl-grid",
         "Correl",
         {},
         {{"2", "61"}, {"4", "68"}},
         {.focus = kFocusGrid, .reason = "At least 3 pairs of values are needed."}},
        {"Means0-population",
         "Means0",
         {},
         {{"12.1"}, {"14.3"}, {"11.8"}},
         {.focus = 1, .reason = "The population size must be a whole number of 1 or more."}},
    };
    return examples;
}

} // namespace quillon::testing
