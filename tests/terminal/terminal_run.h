// quillon-calc run in the test's own process: arguments and standard input in, the two output
// streams and the exit status out.
#pragma once

#include "terminal/program.h"

#include <sstream>
#include <string>
#include <vector>

namespace quillon::terminal {

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CalcRun runCalc(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CalcRun run;
    run.status = runQuillonCalc(arguments, {.in = in, .out = out, .err = err});
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The answer text as a terminal prints it: LF for CR LF, and a line break at the end unless the
// text ends with one.
inline std::string printed(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result += text[i];
    }
    return result.ends_with('\n') ? result : result + "\n";
}

} // namespace quillon::terminal
