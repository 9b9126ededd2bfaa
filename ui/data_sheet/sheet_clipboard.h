// Cells on the clipboard as spreadsheets exchange them: tab-separated lines. Reading a pasted
// block is the calculations' splitCellBlock; this side writes blocks and words what a paste
// could not place.
#pragma once

#include "calculations/common/cell_block.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quillon {

// Text holding a tab or a line break is a block of cells; any other text is typed into a cell.
bool holdsCellBlock(const QString& text);

// Every row made as wide as the widest, so that a pasted block covers a whole rectangle: a short
// or empty line empties the cells it would have filled instead of leaving older text in them.
CellBlock squaredCellBlock(CellBlock block);

// Each row's cells joined by tabs, each row ended by a line feed.
QString tabSeparatedLines(const std::vector<QStringList>& rows);

// The "Error" text for values a paste left out: how many, and which end of the sheet they passed.
QString leftOutMessage(int count, bool pastLastRow, bool pastLastColumn, const QString& lastColumn);

// What the window says of a first line taken as headings: its non-empty cells named in order, a
// long name cut short with "...", and the names beyond a line's length counted ("and 3 more").
QString headingsLeftOutNotice(const std::vector<std::string>& headings);

} // namespace quillon
