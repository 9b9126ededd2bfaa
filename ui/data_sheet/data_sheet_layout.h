// The data sheet windows described as data: each one's grid, keys, own controls and
// calculation, from the catalogue's rows over a grid. One editor and one window class serve them
// all.
#pragma once

#include "calculations/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Which way Tab and Enter walk: down the rows, wrapping at the last column, or along one row.
enum class SheetWalk { Rows, Columns };

// Whether a key acts when it goes down (and again on each repeat) or once when it comes up.
enum class KeyMoment { Press, Release };

struct SheetKeys {
    SheetWalk walk = SheetWalk::Rows;
    KeyMoment tab = KeyMoment::Release;
    KeyMoment enter = KeyMoment::Release;
    bool shiftTabGoesBack = true;     // otherwise Shift+Tab moves forward like Tab
    bool enterOnGridActsAsTab = true; // Enter while the grid itself has the focus
};

// The grid of one window. Sizes are in twips.
struct SheetShape {
    int columns = 1;                   // data columns
    std::vector<std::string> headings; // the heading row: the corner, then columns 1 and up
    int rowNumberWidth = 900;          // column 0
    int columnWidth = 1200;            // every data column
    // The grid is exactly as wide as its columns, its frame and its scroll bar, so that it never
    // scrolls sideways; otherwise it is designWidth wide.
    bool fitsColumns = true;
    int designWidth = 0;
    int height = 4455;
    int advanceLimit = 99; // the last row that Tab and Enter reach by wrapping down
    SheetKeys keys;
    int timerInterval = 100; // ms from opening until the cursor is put into cell (1, 1)
};

struct DataSheetLayout {
    std::string name;
    std::string title;
    std::string instruction; // Label2, above the grid
    int helpTopic = 0;
    DataSheetCalculation calculate = nullptr;
    SheetShape shape;
    std::vector<SheetOption> options;      // the window's own controls beside the grid
    SheetPresenter presentation = nullptr; // what follows from their values
    AnswerArea answer = AnswerArea::Label;
};

const std::vector<DataSheetLayout>& dataSheetLayouts();

// The layout of the named window, or nullptr.
const DataSheetLayout* findDataSheetLayout(std::string_view name);

} // namespace quillon
