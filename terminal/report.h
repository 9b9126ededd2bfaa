// How one calculation's result is printed: the answer as the window shows it, the one line of a
// batch row, or a JSON object.
#pragma once

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace quillon::terminal {

// The answer's lines: its text, or the analysis of variance table aligned (tab-separated with
// tsv).
std::vector<std::string> answerOutput(const Answer& answer, bool tsv);

// The report's lines below the answer: a blank line, one line per estimate, a blank line and the
// published line.
std::vector<std::string> reportOutput(const Report& report);

// A batch row's line: the clipboard summary, or the answer on one line where the window sets
// none, or "refused: ..." or "error: ...".
std::string batchLine(const Evaluation& evaluation);

// {"name", "window", "inputs", then "answer" and "clipboard" (null where the window sets none),
// or "refusal" {"box", "question"} / {"option"} / {"row", "column", "heading"}, then "message"
// (the window's, where it has one), "reason" (as the calculation gives it) and "text" (the line
// printed), or "error"}. An answer carries "quantities": [{"name", "label", "value", "text"}, ...],
// the results it publishes in the answer's order (empty where it publishes none); "value" is a JSON
// number, or null where the value is not finite. With a report, "report": {"quantities": [{"name",
// "label", "value", "text"}, ...], "lines", "published"}; "value" is null where the quantity is not
// defined, and its text says why. A batch row's object starts with its line number.
nlohmann::ordered_json evaluationJson(const CatalogueEntry& calculation,
                                      nlohmann::ordered_json inputs, const Evaluation& evaluation,
                                      std::optional<long> line = std::nullopt);

// One line of JSON; text that is not valid UTF-8 is written with replacement characters.
std::string jsonLine(const nlohmann::ordered_json& object);

} // namespace quillon::terminal
