// One calculation run as every front end runs it: the texts (or the grid and the values of the
// sheet's options) in; out, everything a front end shows or prints: the answer with its clipboard
// text and table, the results as numbers with their labels, the refusal (which box, option or cell,
// its question or heading, the message and the reason) or the arithmetic error's message.
#pragma once

#include "calculations/catalogue.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

// A published result with the label its catalogue row declares for it (the name where the row
// declares none).
struct LabelledQuantity {
    std::string name;
    std::string label;
    double value = 0.0;
    std::string text;
    bool operator==(const LabelledQuantity&) const = default;
};

struct Evaluation {
    enum class Kind { Answered, Refused, Failed };
    Kind kind = Kind::Answered;
    Answer answer;                            // Answered
    std::vector<LabelledQuantity> quantities; // Answered: answer.quantities with their labels
    Refusal refusal;                  // Refused: as the calculation gives it, for a window to apply
    std::optional<int> box;           // Refused: the box at fault, 1..6
    std::string question;             // its question
    std::string option;               // Refused: the key of the sheet's own control at fault
    std::optional<CellPosition> cell; // Refused: the data sheet cell at fault
    std::string heading;              // its column's heading
    std::string message; // Refused: the window's message, or why a box cannot hold its text;
                         // Failed: the arithmetic error's message
    std::string reason;  // Refused: why, as the calculation says it to every front end (for a
                         // text no box takes, the message)
    bool firstRowNotANumber = false; // Refused: the cell at fault is in row 1 and holds a word
    std::optional<Report> report;    // Answered: the effect sizes, when asked for and the
                                     // calculation has them
};

// Whether and how to form the report beside the answer.
struct ReportRequest {
    ReportFunction report = nullptr; // the calculation's; nullptr: no report
    ReportOptions options;
};

// The question of box 1..inputCount; the boxes of a 2 x 2 table are named by their place in it.
std::string boxQuestion(const QuestionInputs& inputs, int box);

// Why the values cannot fill the boxes one each, or nothing when they can.
std::optional<std::string> valueCountProblem(const QuestionInputs& inputs, std::size_t count);

// The texts fill the boxes in question order, one per box; each is taken without the blanks around
// it and must be one a box can hold. `declared` labels the published quantities.
Evaluation evaluateBoxes(const QuestionInputs& inputs, std::span<const std::string> texts,
                         std::span<const QuantityName> declared = {}, ReportRequest request = {});

// The grid with the values of the sheet's options.
Evaluation evaluateSheet(const SheetInputs& inputs, const DataSheetInput& input,
                         std::span<const QuantityName> declared = {}, ReportRequest request = {});

// The same for a catalogue row, whichever its inputs: texts for a row asked through boxes. With
// report options, an answer carries the row's report too.
Evaluation evaluate(const CatalogueEntry& row, std::span<const std::string> texts,
                    std::optional<ReportOptions> report = std::nullopt);
Evaluation evaluate(const CatalogueEntry& row, const DataSheetInput& input,
                    std::optional<ReportOptions> report = std::nullopt);

// The sheet's heading row (the corner, then its columns) as the window shows it for these values
// of its options.
std::vector<std::string> sheetHeadings(const SheetInputs& inputs, const OptionValues& values);

// The option at focus 1.. of a refusal in a data sheet: the sheet's own controls in order.
const SheetOption* refusedOption(const SheetInputs& inputs, int focus);

} // namespace quillon
