// The program's own command line: --help and --version answer on standard output without a
// display; an option the program does not know is a usage error (exit status 64).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillon {

// What the command line asks for when it is answered without opening a window.
struct CommandLineAnswer {
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;
};

// The exit status of a command line that the program cannot read (EX_USAGE of sysexits.h).
inline constexpr int kUsageError = 64;

// Reads the arguments (the program's name first). Options that Qt reads for itself (-platform,
// -style, -display, ...) pass. Needs a QCoreApplication for the program's name in the usage.
// Empty when the program should go on and open its windows.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments);

// The same for main(): it makes and ends the QCoreApplication it needs, so that no display is
// opened to answer --help.
std::optional<CommandLineAnswer> answerCommandLine(int argc, char* argv[]);

} // namespace quillon
