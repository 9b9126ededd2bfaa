// Where each control of a data sheet window sits, in twips: the instruction over the grid, the
// four buttons in a column beside it with the window's own control under them, and the answer
// (the Answer label or the answer grid) across the window under a rule.
#pragma once

#include "ui/data_sheet/data_sheet_layout.h"

#include <QRect>
#include <QSize>

#include <array>

namespace quillon {

struct DataSheetGeometry {
    QRect label; // Label2
    QRect sheet;
    std::array<QRect, 4> buttons; // Calculate, Clear, Exit, Help
    QRect extra;                  // the window's own control, under the buttons
    QRect line;
    QRect answer; // the Answer label or Grid1
    QSize client;
};

// The room the window's own control needs, in twips.
QSize extraSize(SheetExtra extra);

// The grid's width comes in logical pixels, as the editor sizes it; so does the width that the
// instruction needs in the window's font, which widens the window when the font is larger than
// the design's.
DataSheetGeometry dataSheetGeometry(const SheetInputs& sheet, const SheetShape& shape,
                                    int sheetWidthPixels, int instructionWidthPixels = 0);

} // namespace quillon
