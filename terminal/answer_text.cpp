#include "terminal/answer_text.h"

#include "calculations/common/box_text.h"

#include <algorithm>

namespace quillon::terminal {

namespace {

// The rows that hold something, from the first to the last.
std::size_t usedRows(const AnswerTable& table) {
    std::size_t used = table.size();
    while (used > 0 && std::all_of(table[used - 1].begin(), table[used - 1].end(),
                                   [](const std::string& cell) { return cell.empty(); }))
        --used;
    return used;
}

std::string withoutTrailingBlanks(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

} // namespace

std::vector<std::string> answerLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string withLineFeeds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result += text[i];
    }
    return result;
}

AnswerTable usedTable(const AnswerTable& table) {
    return AnswerTable(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(usedRows(table)));
}

std::vector<std::string> alignedTable(const AnswerTable& table) {
    const std::size_t rows = usedRows(table);
    std::vector<std::size_t> widths;
    for (std::size_t r = 0; r < rows; ++r) {
        widths.resize(std::max(widths.size(), table[r].size()));
        for (std::size_t c = 0; c < table[r].size(); ++c)
            widths[c] = std::max(widths[c], table[r][c].size());
    }
    std::vector<std::string> lines;
    for (std::size_t r = 0; r < rows; ++r) {
        std::string line;
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const std::string& cell = table[r][c];
            const std::string padding(widths[c] - cell.size(), ' ');
            if (c > 0)
                line += "  ";
            line += c == 0 ? cell + padding : padding + cell;
        }
        lines.push_back(withoutTrailingBlanks(std::move(line)));
    }
    return lines;
}

std::vector<std::string> tabSeparatedTable(const AnswerTable& table) {
    const std::size_t rows = usedRows(table);
    std::vector<std::string> lines;
    for (std::size_t r = 0; r < rows; ++r) {
        std::string line;
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            if (c > 0)
                line += '\t';
            line += table[r][c];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string oneLine(std::string_view text) {
    std::string joined;
    for (const std::string& line : answerLines(text)) {
        const std::string_view kept = trimBlanks(line);
        if (kept.empty())
            continue;
        if (!joined.empty())
            joined += "; ";
        joined += kept;
    }
    return joined;
}

} // namespace quillon::terminal
