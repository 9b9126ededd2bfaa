#include "calculations/common/cell_block.h"

namespace quillon {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // A last line without its break still counts; the break that ends the text adds none.
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> splitAt(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t at = line.find(separator); at != std::string_view::npos;
         at = line.find(separator, start)) {
        cells.emplace_back(line.substr(start, at - start));
        start = at + 1;
    }
    cells.emplace_back(line.substr(start));
    return cells;
}

std::vector<std::string> splitAtBlanks(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            cells.emplace_back(line.substr(start, i - start));
    }
    return cells;
}

} // namespace

CellBlock splitCellBlock(std::string_view text) {
    CellBlock block;
    for (std::string_view line : splitLines(text)) {
        if (line.find('\t') != std::string_view::npos)
            block.push_back(splitAt(line, '\t'));
        else if (line.find(',') != std::string_view::npos)
            block.push_back(splitAt(line, ','));
        else
            block.push_back(splitAtBlanks(line));
    }
    return block;
}

PlacedBlock placeCellBlock(const CellBlock& block, CellPosition origin, int maxRows,
                           int maxColumns) {
    PlacedBlock placed;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const CellPosition cell{origin.row + static_cast<int>(r),
                                    origin.column + static_cast<int>(c)};
            if (cell.row > maxRows || cell.column > maxColumns) {
                if (!block[r][c].empty())
                    ++placed.leftOut;
                continue;
            }
            placed.cells.push_back({cell, block[r][c]});
        }
    }
    return placed;
}

} // namespace quillon
