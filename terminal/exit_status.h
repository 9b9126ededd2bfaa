// The exit statuses of quillon-calc. 64 to 66 and 74 follow the BSD sysexits convention, so that
// scripts can tell a mistyped command from input that cannot be read.
#pragma once

namespace quillon::terminal {

inline constexpr int kExitAnswered = 0;
inline constexpr int kExitNoClipboard = 1; // --clipboard where the window sets no summary
inline constexpr int kExitRefused = 2;    // a box or the data was refused; in batch, any row failed
inline constexpr int kExitArithmetic = 3; // the values cannot be calculated
inline constexpr int kExitNoFigure = 4;   // --svg where the answer has no figure
inline constexpr int kExitUsage = 64;     // the command line is wrong
inline constexpr int kExitDataError = 65; // the input is not text, or does not fit the data sheet
inline constexpr int kExitNoInput = 66;   // the --file cannot be opened or read
inline constexpr int kExitOutputError = 74; // the output cannot be written (a full disk)

} // namespace quillon::terminal
