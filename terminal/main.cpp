// quillon-calc: the calculations of Quillon from a terminal.
#include "terminal/program.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = quillon::terminal::runQuillonCalc(
        arguments, {.in = std::cin,
                    .out = std::cout,
                    .err = std::cerr,
                    .inputIsTerminal = isatty(STDIN_FILENO) == 1});
    std::cout.flush();
    return status;
}
