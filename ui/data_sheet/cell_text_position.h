// Where a frameless line edit puts its text: two pixels in from the left, centred vertically the
// way the line edit rounds it. The grid's cells and row numbers draw their text at the same point,
// so the text under the editor box does not jump as the box moves over it.
#pragma once

#include <QFontMetrics>
#include <QPoint>
#include <QRect>

namespace quillon {

// The baseline origin of one line of text in a cell of the given rectangle.
inline QPoint cellTextOrigin(const QRect& cell, const QFontMetrics& metrics) {
    constexpr int kLineEditMargin = 2;
    const int top = cell.y() + (cell.height() - metrics.height() + 1) / 2;
    return {cell.x() + kLineEditMargin, top + metrics.ascent()};
}

} // namespace quillon
