#include "calculations/common/sheet_paste.h"

#include "calculations/common/data_sheet.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quillon {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Blanks around a text dropped and every run of blanks inside it made one space.
std::string simplified(std::string_view text) {
    std::string simple;
    bool gap = false;
    for (const char c : text) {
        if (isBlank(c)) {
            gap = !simple.empty();
            continue;
        }
        if (gap)
            simple += ' ';
        gap = false;
        simple += c;
    }
    return simple;
}

// The UTF-8 text's characters, each with the number of 16-bit units it takes: a name's length is
// counted as the window counts it.
struct Character {
    std::size_t start = 0;
    std::size_t bytes = 0;
    std::size_t units = 1;
};

std::vector<Character> characters(std::string_view text) {
    std::vector<Character> found;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t bytes = lead < 0x80    ? 1
                            : lead >= 0xF0 ? 4
                            : lead >= 0xE0 ? 3
                            : lead >= 0xC0 ? 2
                                           : 1;
        bytes = std::min(bytes, text.size() - at);
        found.push_back({at, bytes, bytes == 4 ? std::size_t{2} : std::size_t{1}});
        at += bytes;
    }
    return found;
}

std::size_t unitLength(std::string_view text) {
    std::size_t units = 0;
    for (const Character& character : characters(text))
        units += character.units;
    return units;
}

// The text's first characters that take at most `units` 16-bit units, without the blanks that end
// them.
std::string leftUnits(std::string_view text, std::size_t units) {
    std::size_t taken = 0;
    std::size_t end = 0;
    for (const Character& character : characters(text)) {
        if (taken + character.units > units)
            break;
        taken += character.units;
        end = character.start + character.bytes;
    }
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

} // namespace

bool holdsCellBlock(std::string_view text) {
    return text.find_first_of("\t\r\n") != std::string_view::npos;
}

CellBlock squaredCellBlock(CellBlock block) {
    std::size_t width = 0;
    for (const auto& row : block)
        width = std::max(width, row.size());
    for (auto& row : block)
        row.resize(width);
    return block;
}

std::string leftOutMessage(int count, bool pastLastRow, bool pastLastColumn,
                           std::string_view lastColumn) {
    const std::string values = count == 1 ? std::string("1 value was left out")
                                          : std::to_string(count) + " values were left out";
    const std::string row = "row " + std::to_string(DataSheet::kRows);
    const std::string column = "column " + std::string(lastColumn);
    std::string end;
    if (pastLastRow && pastLastColumn)
        end = row + " and at " + column;
    else if (pastLastRow)
        end = row;
    else
        end = column;
    return values + ": the data sheet ends at " + end + ".";
}

std::string headingsLeftOutNotice(const std::vector<std::string>& headings) {
    // Short enough for one line beside the grid: each name, and the list of them, has a longest
    // length; names beyond it are counted instead.
    constexpr std::size_t kLongestName = 24;
    constexpr std::size_t kLongestList = 60;
    std::vector<std::string> names;
    for (const std::string& heading : headings) {
        std::string name = simplified(heading);
        if (unitLength(name) > kLongestName)
            name = leftUnits(name, kLongestName - 3) + "...";
        if (!name.empty())
            names.push_back(std::move(name));
    }
    std::string list;
    std::size_t named = 0;
    for (const std::string& name : names) {
        const std::string longer = named == 0 ? name : list + ", " + name;
        if (named > 0 && unitLength(longer) > kLongestList)
            break;
        list = longer;
        ++named;
    }
    if (named < names.size())
        list += " and " + std::to_string(names.size() - named) + " more";
    // A name cut short already ends the sentence.
    if (!list.ends_with("..."))
        list += '.';
    return "The first line was taken as headings and left out: " + list;
}

PastedBlock pasteCellBlock(std::string_view text, CellPosition origin, int rows, int columns,
                           std::string_view lastColumn) {
    PastedBlock pasted;
    CellBlock lines = splitCellBlock(text);
    // Headings copied with the values would be read as values.
    if (startsWithHeadings(lines)) {
        pasted.headings = std::move(lines.front());
        lines.erase(lines.begin());
        pasted.notice = headingsLeftOutNotice(pasted.headings);
    }
    const CellBlock block = squaredCellBlock(std::move(lines));
    pasted.placed = placeCellBlock(block, origin, rows, columns);
    if (pasted.placed.leftOut > 0) {
        // Which end of the sheet the values passed: each limit in turn, the other lifted.
        constexpr int kNoLimit = std::numeric_limits<int>::max();
        const bool pastLastRow = placeCellBlock(block, origin, rows, kNoLimit).leftOut > 0;
        const bool pastLastColumn = placeCellBlock(block, origin, kNoLimit, columns).leftOut > 0;
        pasted.message =
            leftOutMessage(pasted.placed.leftOut, pastLastRow, pastLastColumn, lastColumn);
    }
    return pasted;
}

} // namespace quillon
