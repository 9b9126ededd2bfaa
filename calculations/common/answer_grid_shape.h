// The answer grid of a calculation that answers with a table rather than a text: how wide it is
// and which rows its window treats apart.
#pragma once

namespace quillon {

struct AnswerGridShape {
    int columns = 0;
    // Rows 0 to this one hold the summary table; "Clear" empties them and leaves the rest.
    int lastSummaryRow = -1;
    // Above this row the first column holds row labels; from it down, a number like the others.
    int firstNumberRow = 0;
};

} // namespace quillon
