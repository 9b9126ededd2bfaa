// Every calculation of the program, one row each in the order of the menu: the window that shows
// it, the names people and scripts call it by, its place in the menu, its help pages, what it asks
// for and the function that computes it. The menu, the windows, the help lookup and the tests all
// read this table; a new calculation is one row here.
#pragma once

#include "calculations/common/answer_grid_shape.h"
#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"
#include "calculations/figure_kind.h"
#include "calculations/report/report.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillon {

enum class CalculatorLayout {
    Questions,     // one question label and box per row
    TwoGroups,     // six questions in two groups of three, a second rule between them
    FourfoldTable, // one label over four boxes laid out as a 2 x 2 table
};

// A calculation asked through questions and their boxes.
struct QuestionInputs {
    std::vector<std::string_view> questions; // Question1.. texts; for FourfoldTable, the one label
    int inputCount = 0;
    CalculatorLayout layout = CalculatorLayout::Questions;
    std::string_view initialAnswer; // the answer caption shown before any calculation
    Calculation calculate = nullptr;
};

// Where a data sheet's answer goes: the Answer label, or the answer grid.
enum class AnswerArea { Label, Table };

// A calculation over a grid of data.
struct SheetInputs {
    std::string_view instruction;      // the label above the grid
    int columns = 1;                   // data columns
    std::vector<std::string> headings; // the heading row: the corner, then columns 1 and up
    std::vector<SheetOption> options;  // the window's own controls beside the grid
    AnswerArea answer = AnswerArea::Label;
    AnswerGridShape answerGrid{}; // the answer grid of AnswerArea::Table
    DataSheetCalculation calculate = nullptr;
    // What the window shows that follows from the options' values; nullptr where nothing does.
    SheetPresenter presentation = nullptr;
};

// A help page and the topic number a "Help" button passes for it.
struct HelpPage {
    int topic = 0;
    std::string_view page; // file name under the help folder
};

// A result a calculation publishes: the stable name scripts read it by and the label people read.
struct QuantityName {
    std::string_view name;  // "t", "df", "p", "critical_t"; lower case, words joined by "_"
    std::string_view label; // "t-statistic", "Degrees of freedom"
};

struct CatalogueEntry {
    std::string_view windowName;  // the window's objectName, e.g. "Distr2b"
    std::string_view commandName; // the name quillon-calc and people call it by, e.g. "t-critical"
    std::string_view title;       // the window's title
    std::string_view menuItem;    // the menu item's objectName, e.g. "Distrib_T2"
    std::string_view menuPath;    // objectNames of the menus holding the item, "/" between; empty:
                                  // the item stands on the menu bar
    std::string_view menuCaption; // "&" marks the access key
    std::vector<HelpPage> help;   // the first is the one the window's "Help" opens
    std::vector<QuantityName> quantities; // every result the calculation can publish, in order
    std::variant<QuestionInputs, SheetInputs> inputs;
    // The effect sizes and intervals added to the answer on request; nullptr where none.
    ReportFunction report = nullptr;
    FigureKind figure = FigureKind::None; // the picture of the answer
};

std::span<const CatalogueEntry> catalogue();

// The row of a window name or of a short name, or nullptr.
const CatalogueEntry* findByWindow(std::string_view window);
const CatalogueEntry* findByName(std::string_view name);

} // namespace quillon
