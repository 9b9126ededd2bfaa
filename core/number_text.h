// How numbers are read from what the user typed and written into answers: the numeric reading of
// a box, the plain form (general text with a leading blank when not negative), its trimmed form,
// and format(value, pattern) with digit placeholders "0" and "#".
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

// The leading number of a text as a double: blanks, tabs and line feeds are skipped anywhere ("1 2"
// reads 12); then an optional sign, digits with at most one point, and an optional exponent (E or
// D in either case, optional sign, digits). Reading stops at the first character that cannot
// continue the number; a text without a leading number reads as 0 ("", "-", ".", "abc", "e5").
// Long digit strings are read exactly (correctly rounded to double); a value too small for a double
// reads as 0.
// &H and &O at the very start (either case) introduce an unsigned hexadecimal or octal integer:
// "&H1F" reads 31, "&HFFFF" 65535 (no 16-bit wrap to -1), "&O17" 15; the prefix without a digit
// reads 0, and any number of digits is read (exactly up to 2^53, rounded beyond).
// A number beyond the double range ("1E400", a hexadecimal integer of more than 256 digits) raises
// ArithmeticError(Overflow), as any other overflow of the typed values does.
double readNumber(std::string_view text);

// Whether the whole text is one number that readNumber reads: blanks, tabs and line breaks around
// it, then either an optional sign, digits with at most one point (at least one digit) and an
// optional exponent (E or D, optional sign, at least one digit), or &H or &O (either case) and at
// least one digit of that base. "12", " -.5 ", "1e3", "&HFF" are numbers; "", "-", ".", "1,5",
// "1 2", "12abc", "1e", "&H" and "Weight" are not.
bool isWhollyNumber(std::string_view text);

// General text of a single with at most 7 significant digits (of a double, 15), one leading blank
// when not negative: 10 gives " 10", 0.5 gives " .5", -0.25 gives "-.25", 1E20 gives " 1E+20".
// No zero before the point, no trailing zeros, no point for a whole value; zero and negative zero
// give " 0". The value is first rounded to that many digits; then it is written without exponent
// when every digit kept fits in that many places: whole parts of up to 7 (15) digits (1234567 gives
// " 1234567", 12345678 gives " 1.234568E+07"; for a double 1E+15 gives " 1E+15"), and values below
// 1 whose leading zeros after the point and digits together number at most 7 (15): .001 gives
// " .001", 1E-07 gives " .0000001", 1E-08 gives " 1E-08", .0123456 gives " .0123456" but .01234567
// gives " 1.234567E-02". Otherwise the exponent form: the digits with a point after the first (none
// when only one digit), "E", the exponent's sign and at least two digits (" 1.5E-10", " 1E+36",
// " 1.79769313486232E+308"). Infinity and NaN, which no calculation passes, give " Infinity",
// "-Infinity" and " NaN".
std::string plainForm(float value);
std::string plainForm(double value);

// The plain form without its leading blank.
std::string trimmedPlainForm(float value);
std::string trimmedPlainForm(double value);

// format(value, pattern): the value is first written with 7 (single) or 15 (double) significant
// digits, then that decimal text is rounded half away from zero to the pattern's decimals (2.675 as
// a single with ".##" gives 2.68). The pattern holds digit placeholders "0" and "#", at most one
// point (a second one is a literal) and literal characters, copied where they stand.
// - Integer part: digits fill the placeholders before the point from the right; the leftmost one
//   takes every digit left over, so all integer digits are written (2.5E+10 with "#########0.##0"
//   gives 25000000000.000, 3.4E+38 all 39 digits). A place without a digit writes "0" for a "0"
//   placeholder and nothing for "#": 0.5 gives 0.5 with "#0.0" and .5000 with ".###0". With no
//   placeholder before the point, the integer digits stand just before the point, or at the end
//   of a pattern without one (1 with ".###0" gives 1.0000).
// - Decimal part: the point, then one digit per placeholder; trailing zeros are dropped only where
//   their placeholder and every placeholder to its right is "#". The point itself is always
//   written.
// - A negative value is preceded by "-" whenever a digit is written, also when it rounds to zero:
//   -0.00001 with ".###0" gives -.0000 (negative zero is not negative and gets no sign). A pattern
//   that writes no digit (only "#" before the point, no point, value rounding to 0) gives only its
//   literals: 0 and -0.4 with "#####" give the empty text.
// An empty pattern gives the trimmed plain form. Infinity and NaN give "Infinity", "-Infinity" and
// "NaN".
std::string format(float value, std::string_view pattern);
std::string format(double value, std::string_view pattern);

} // namespace quillon
