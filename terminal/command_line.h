// The command line of quillon-calc: `list`, or a calculation's readable or window name with its
// values and options. Parsed with CLI11; each calculation is a subcommand with its own --help.
#pragma once

#include "calculations/catalogue.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace quillon::terminal {

struct Request {
    bool list = false;
    const CatalogueEntry* calculation = nullptr; // when not list
    std::vector<std::string> values;
    bool clipboard = false;
    bool batch = false;
    bool json = false;
    bool header = false;
    std::optional<std::string> file;
    OptionValues options; // a data sheet's own controls by key, each given or at its default
    bool tsv = false;
    bool report = false;            // --report: the effect sizes and intervals too
    double levelPercent = 95.0;     // --level
    bool exponent = false;          // --exponent
    std::optional<std::string> svg; // --svg: write the answer's figure to this file
    bool dark = false;              // --dark: the figure in the dark colour set
    std::string size = "640x400";   // --size: the figure's width and height in pixels

    // The report's options when --report is given.
    std::optional<ReportOptions> reportOptions() const {
        if (!report)
            return std::nullopt;
        return ReportOptions{.level = levelPercent / 100.0, .exponent = exponent};
    }
};

// What parsing came to: a request to carry out, or an exit status with everything printed.
struct Parsed {
    std::optional<Request> request;
    int status = 0;
};

// arguments: without the program's name. Help and version go to out, usage errors to err.
Parsed parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);

} // namespace quillon::terminal
