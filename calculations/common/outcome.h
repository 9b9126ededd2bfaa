// What a calculation tells its window to change, and nothing else. Calculations never touch a
// widget: texts in, an Outcome out. Arithmetic faults propagate as quillon::ArithmeticError.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace quillon {

// A data sheet cell, 1-based as the user counts rows and columns (row 0 and column 0 are headings).
struct CellPosition {
    int row = 1;
    int column = 1;
    bool operator==(const CellPosition&) const = default;
};

// The grid of a data sheet window (as opposed to an input box).
inline constexpr int kFocusGrid = 0;

// The input was refused: beep (or show the "Error" message box when message is set), move the
// focus, leave answer and clipboard as they were. The reason says why in a sentence of its own,
// "The probability must be from .0001 to .9999.", for the window to show beside the box or cell at
// fault and for every other front end to print. A refusal with a message carries the same text as
// its reason. A cell or box whose text is not a number is named with that text at the end and no
// full stop after it: "Row 1 Column A is not a number: Weight".
// In a data sheet window, focus 1 is the window's own box beside the grid (the population size).
struct Refusal {
    int focus = 1;                           // input box number 1..6, or kFocusGrid
    std::string message;                     // text of an "Error" message box; empty: beep only
    std::optional<CellPosition> currentCell; // the data sheet cell made current, if any
    std::string reason;                      // why, as one sentence ending with a full stop
    bool operator==(const Refusal&) const = default;
};

// One result of a calculation as a number, for scripts and for whatever a front end draws from it:
// the stable name a script reads it by ("t", "df", "p"; the calculation's catalogue row gives its
// label), the value as the calculation stores it (a single's exact value, or the double where the
// calculation keeps one) and the text the answer prints for it.
struct Quantity {
    std::string name;
    double value = 0.0;
    std::string text;
    bool operator==(const Quantity&) const = default;
};

// A successful calculation.
struct Answer {
    std::string text;                     // the Answer caption, lines joined by CR LF
    std::optional<std::string> clipboard; // replaces the clipboard text when set (CR LF breaks)
    bool beep = false;                    // also sound the beep
    std::vector<std::vector<std::string>> table; // rows of the answer grid (analysis of variance)
    bool yatesSwitchedOn = false;                // tick the Yates correction box
    std::optional<CellPosition> currentCell;     // the data sheet cell left current after reading
    std::vector<Quantity> quantities;            // the results as numbers, in the answer's order
    bool operator==(const Answer&) const = default;
};

using Outcome = std::variant<Refusal, Answer>;

// The texts typed for a calculation, in the order of its questions.
using InputTexts = std::span<const std::string>;

using Calculation = Outcome (*)(InputTexts inputs);

} // namespace quillon
