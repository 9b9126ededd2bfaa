// One calculation run as its window runs it: the texts in, and what the terminal reports out: the
// answer, the refusal (which box or cell and why, or the window's message) or the arithmetic
// error.
#pragma once

#include "calculations/catalogue.h"
#include "core/arithmetic.h"

#include <optional>
#include <string>
#include <vector>

namespace quillon::terminal {

struct Evaluation {
    enum class Kind { Answered, Refused, Failed };
    Kind kind = Kind::Answered;
    Answer answer;                    // Answered
    std::optional<int> box;           // Refused: the box at fault, 1..6
    std::string question;             // its question
    std::string option;               // Refused: the option that fills a data sheet's own box
    std::optional<CellPosition> cell; // Refused: the data sheet cell at fault
    std::string heading;              // its column's heading
    std::string message; // Refused: the window's message, or why a box cannot hold its text;
                         // Failed: the arithmetic error's message
    std::string reason;  // Refused: why, as the calculation says it to every front end (for a
                         // text no box takes, the message)
    bool firstLineReadAsData = false; // Refused: a cell of the first line, not a number
};

// The question of box 1..inputCount; the boxes of a 2 x 2 table are named by their place in it.
std::string boxQuestion(const QuestionInputs& inputs, int box);

// Why the values cannot fill the boxes one each, or nothing when they can.
std::optional<std::string> valueCountProblem(const QuestionInputs& inputs, std::size_t count);

// The values fill the boxes in question order; there must be one per box.
Evaluation evaluateBoxes(const QuestionInputs& inputs, const std::vector<std::string>& values);

// headings: the data sheet's heading row as the window shows it for these options;
// firstLineSkipped: --header left out the first input line.
Evaluation evaluateSheet(const SheetInputs& inputs, const std::vector<std::string>& headings,
                         const DataSheetInput& input, bool firstLineSkipped = false);

// The refusal on one line, the reason in lower case and without its full stop:
// "box 2 (Enter the degrees of freedom:): this box is empty", "row 3 column B (SD) is empty",
// "--population: the population size is not a number: 1,000", "at least 2 values are needed";
// the window's message or the reason a box could not hold its text as they stand. A cell of the
// first line that is not a number adds that --header skips a line of headings.
std::string refusalText(const Evaluation& evaluation);

} // namespace quillon::terminal
