// The look of each data sheet window's grid: its shape and the way its keys walk it. Everything
// else a data sheet window shows comes from its catalogue row; one editor and one window class
// serve them all.
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

// The grid of a catalogue row over a grid: its columns and headings, in the usual sheet's look
// unless the window's look differs.
SheetShape sheetShape(const CatalogueEntry& row);

} // namespace quillon
