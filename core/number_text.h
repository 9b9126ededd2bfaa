// How numbers are read from what the user typed and written into answers: the numeric reading of
// a box, the plain form (general text with a leading blank when not negative), its trimmed form,
// and Format(x, pattern) with digit placeholders "0" and "#".
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Carriage return, line feed: joins the lines of an answer.
inline constexpr std::string_view kLineBreak = "\r\n";

// The pattern of plain measurements (a mean, a t value, a critical value).
inline constexpr std::string_view kGeneralPattern = "#########0.##0";

// The pattern of probabilities.
inline constexpr std::string_view kProbabilityPattern = ".###0";

// The plus-minus sign, in UTF-8.
inline constexpr std::string_view kPlusMinus = "\u00B1";

// The leading number of a text as a double: blanks, tabs and line feeds are skipped anywhere; sign,
// digits with one point, exponent (E or D); &H and &O introduce hexadecimal and octal integers.
// A text without a leading number reads as 0.
double readNumber(std::string_view text);

// General text of a single with at most 7 significant digits (of a double, 15), one leading blank
// when not negative: 10 gives " 10", 0.5 gives " .5", -0.25 gives "-.25", 1E20 gives " 1E+20".
std::string plainForm(float value);
std::string plainForm(double value);

// The plain form without its leading blank.
std::string trimmedPlainForm(float value);
std::string trimmedPlainForm(double value);

// Format(x, pattern): the value is first written with 7 (single) or 15 (double) significant digits,
// then rounded half away from zero to the pattern's decimals.
std::string format(float value, std::string_view pattern);
std::string format(double value, std::string_view pattern);

} // namespace quillon
