#include "calculations/common/cell_block.h"

#include "core/number_text.h"

#include <algorithm>

#include <optional>
#include <utility>

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

// The quoted cell whose opening quote is just before start: its text, with "" standing for one
// quote, and the position after its closing quote; nothing when the line never closes it.
std::optional<std::pair<std::string, std::size_t>> readQuoted(std::string_view line,
                                                              std::size_t start) {
    std::string text;
    for (std::size_t i = start; i < line.size(); ++i) {
        if (line[i] != '"') {
            text += line[i];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            ++i;
            continue;
        }
        return std::pair{std::move(text), i + 1};
    }
    return std::nullopt;
}

// A cell that opens with a double quote runs to its closing quote, separators included, as
// spreadsheets quote a cell in a file they export ("1,5" with a decimal comma). Text after the
// closing quote, up to the separator, stays part of the cell.
std::vector<std::string> splitAt(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        std::string cell;
        if (start < line.size() && line[start] == '"') {
            if (auto quoted = readQuoted(line, start + 1)) {
                cell = std::move(quoted->first);
                start = quoted->second;
            }
        }
        const std::size_t at = line.find(separator, start);
        if (at == std::string_view::npos) {
            cells.push_back(cell + std::string(line.substr(start)));
            return cells;
        }
        cells.push_back(cell + std::string(line.substr(start, at - start)));
        start = at + 1;
    }
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
    for (std::string_view line : splitLines(text))
        if (line.find('\t') != std::string_view::npos)
            block.push_back(splitAt(line, '\t'));
        else if (line.find(',') != std::string_view::npos)
            block.push_back(splitAt(line, ','));
        else
            block.push_back(splitAtBlanks(line));
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

bool startsWithHeadings(const CellBlock& block) {
    if (block.size() < 2)
        return false;
    // A cell of blanks only is as empty as an empty one.
    const auto isEmpty = [](const std::string& cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
    };
    const auto isWord = [&](const std::string& cell) {
        return !isEmpty(cell) && !isWhollyNumber(cell);
    };
    if (std::none_of(block.front().begin(), block.front().end(), isWord))
        return false;
    bool anyNumber = false;
    for (auto line = block.begin() + 1; line != block.end(); ++line) {
        for (const std::string& cell : *line) {
            if (isWord(cell))
                return false;
            anyNumber = anyNumber || !isEmpty(cell);
        }
    }
    return anyNumber;
}

} // namespace quillon
