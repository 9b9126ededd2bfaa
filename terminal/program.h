// quillon-calc as a whole: the command line in, the printed results and the exit status out.
// The streams are parameters so that the tests run it without a process of its own.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::terminal {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool inputIsTerminal = false; // standard input is a terminal: say what is awaited
};

// arguments: without the program's name. Returns the exit status.
int runQuillonCalc(const std::vector<std::string>& arguments, Streams streams);

} // namespace quillon::terminal
