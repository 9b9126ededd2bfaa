#include "terminal/refusal_line.h"

#include "calculations/common/refusal_text.h"

#include <cctype>

namespace quillon::terminal {

namespace {

// A reason inside a line: its first letter in lower case and without its full stop. A text quoted
// at the end of a reason keeps its last character.
std::string inLine(std::string_view reason) {
    std::string text(reason);
    if (!text.empty() && std::isupper(static_cast<unsigned char>(text.front())))
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    if (text.ends_with('.') && text.find(kNotANumber) == std::string::npos)
        text.pop_back();
    return text;
}

// "row 3 column B (SD) is empty": a reason that opens with the cell's name gets the name in lower
// case and the column's heading after it, where the heading is more than the column's letter.
std::string cellText(const Evaluation& evaluation) {
    const CellPosition cell = *evaluation.cell;
    const std::string name = cellName(cell);
    if (!evaluation.reason.starts_with(name))
        return inLine(evaluation.reason);
    const std::string letter = name.substr(name.size() - 1);
    std::string text = "row " + std::to_string(cell.row) + " column " + letter;
    if (!evaluation.heading.empty() && evaluation.heading != letter)
        text += " (" + evaluation.heading + ")";
    return text + inLine(std::string_view(evaluation.reason).substr(name.size()));
}

} // namespace

std::string refusalText(const Evaluation& evaluation) {
    if (evaluation.box) {
        std::string text =
            "box " + std::to_string(*evaluation.box) + " (" + evaluation.question + ")";
        if (!evaluation.message.empty())
            text += ": " + evaluation.message;
        else if (!evaluation.reason.empty())
            text += ": " + inLine(evaluation.reason);
        return text;
    }
    if (!evaluation.option.empty())
        return "--" + evaluation.option + ": " + inLine(evaluation.reason);
    if (!evaluation.message.empty())
        return evaluation.message;
    if (!evaluation.cell)
        return evaluation.reason.empty() ? "the data (too few rows)" : inLine(evaluation.reason);
    std::string text;
    if (evaluation.reason.empty()) {
        text = "the data, row " + std::to_string(evaluation.cell->row) + " column " +
               std::to_string(evaluation.cell->column);
        if (!evaluation.heading.empty())
            text += " (" + evaluation.heading + ")";
    } else {
        text = cellText(evaluation);
    }
    if (evaluation.firstRowNotANumber)
        text += "; --header skips a first line of headings";
    return text;
}

} // namespace quillon::terminal
