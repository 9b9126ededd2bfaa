// Cells on the clipboard as spreadsheets exchange them: tab-separated lines. Reading and placing a
// pasted block is the calculations' pasteCellBlock; this side writes blocks.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quillon {

// Each row's cells joined by tabs, each row ended by a line feed.
QString tabSeparatedLines(const std::vector<QStringList>& rows);

} // namespace quillon
