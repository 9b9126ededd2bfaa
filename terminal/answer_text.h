// Answers as a terminal prints them: LF line breaks, the analysis of variance table aligned or
// tab-separated, and an answer on one line for a batch row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::terminal {

using AnswerTable = std::vector<std::vector<std::string>>;

// The lines of a text whose lines end at CR LF (or LF); no empty last line for a final break.
std::vector<std::string> answerLines(std::string_view text);

// The text with LF line breaks in place of CR LF.
std::string withLineFeeds(std::string_view text);

// The table's rows down to its last non-empty one.
AnswerTable usedTable(const AnswerTable& table);

// The table's rows down to its last non-empty one, each cell padded to its column's width: the
// first column flush left, the others flush right, two blanks between columns.
std::vector<std::string> alignedTable(const AnswerTable& table);

// The same rows with their cells exactly as the window's grid holds them, a tab between cells.
std::vector<std::string> tabSeparatedTable(const AnswerTable& table);

// The lines of an answer joined by "; ", blank lines and blanks around each line left out.
std::string oneLine(std::string_view text);

} // namespace quillon::terminal
