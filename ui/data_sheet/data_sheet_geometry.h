// Where each control of a data sheet window sits, in twips: the instruction over the grid, the
// four buttons in a column beside it with the window's own control under them, and the answer
// (the Answer label or the answer grid) across the window under a rule.
#pragma once

#include "ui/data_sheet/data_sheet_layout.h"

#include <QRect>
#include <QSize>

#include <array>
#include <vector>

namespace quillon {

struct DataSheetGeometry {
    QRect label; // Label2
    QRect sheet;
    std::array<QRect, 4> buttons; // Calculate, Clear, Exit, Help
    QRect extra;                  // the window's own controls, under the buttons
    QRect line;
    QRect answer; // the Answer label or Grid1
    QSize client;
};

// The room one of the window's own controls needs with its caption, in twips, by its kind.
QSize optionSize(const SheetOption& option);

// The window's own controls one under another: each one's rectangle within `area`.
std::vector<QRect> optionRects(const std::vector<SheetOption>& options, const QRect& area);

// The room all of them need, in twips.
QSize extraSize(const std::vector<SheetOption>& options);

// The grid's width comes in logical pixels, as the editor sizes it; so does the width that the
// instruction needs in the window's font, which widens the window when the font is larger than
// the design's.
DataSheetGeometry dataSheetGeometry(const SheetInputs& sheet, const SheetShape& shape,
                                    int sheetWidthPixels, int instructionWidthPixels = 0);

} // namespace quillon
