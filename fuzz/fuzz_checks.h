// What must hold for every input, whatever is typed: the checks every fuzz target applies to what
// it computed. A check that fails prints what it saw and aborts, which libFuzzer reports as a
// finding and saves the input for.
#pragma once

#include "calculations/evaluation.h"
#include "figures/figure.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::fuzz {

// Prints the failed condition and the text it was found in, then aborts.
[[noreturn]] void fail(std::string_view condition, std::string_view text);

// No "nan" or "inf" in any case: a text never shows a NaN or an infinity.
void checkNoNonFinite(std::string_view text);

// Every probability a text prints ("... probability ... = x", "... chance = x", ", p=x") is within
// 0 to 1; the clamp texts ("< .0001", "> .9999") pass. Every correlation ("correlation
// coefficient ... = r", "... is r") is within -1 to 1 and every r-squared within 0 to 1. A
// critical value ("z value = ", "t value = ", "F value = ", "Chi-square value = "), a sample size,
// a standard error and a half-width (after the plus-minus sign) are never negative.
void checkAnswerText(std::string_view text);

// A refusal's reason is one line that starts with a capital letter and ends with a full stop, or
// names a text that is not a number at its end ("Row 1 Column A is not a number: Weight"); a
// refusal with a message box has that message as its reason.
void checkRefusalReason(const Refusal& refusal);

// The checks of checkAnswerText on the answer text, clipboard and table of an answer (the table's
// "Prob." columns hold probabilities); a refusal's focus is a box of the window (1..boxes) or the
// grid (0), its cell, if any, lies within the grid, and its reason passes checkRefusalReason.
void checkOutcome(const Outcome& outcome, int boxes);

// The checks of checkOutcome on what an evaluation gives: its answer or its refusal as the
// calculation gave it; values that cannot be calculated say why.
void checkEvaluation(const Evaluation& evaluation, int boxes);

// A report prints no NaN or infinity; each quantity is a finite number or says in words why it is
// not defined; a probability lies within 0 to 1 and an interval's lower end is not above its upper
// end; no report fails to form.
void checkReport(const Report& report);

// A figure holds only finite numbers and its SVG, at a window's size, prints no NaN or infinity;
// a calculation without a figure says why.
void checkFigure(const FigureOutcome& outcome);

// The level of the report's intervals that a fuzz input picks: the default, the lowest or the
// highest a front end takes.
ReportOptions reportOptionsFor(std::size_t size);

// The texts fuzz input holds: lines split at LF (a CR before it dropped).
std::vector<std::string> splitLines(std::string_view data);

} // namespace quillon::fuzz
