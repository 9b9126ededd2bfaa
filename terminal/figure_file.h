// quillon-calc --svg: the answer's figure written to a file as SVG.
#pragma once

#include "calculations/evaluation.h"
#include "figures/svg_writer.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace quillon::terminal {

// "640x400" as a width and a height, each 120 to 4000 pixels.
std::optional<SvgSize> parseFigureSize(const std::string& text);

struct FigureRequest {
    std::string path;
    SvgSize size;
    bool dark = false;
};

// Writes the figure of an answered evaluation and gives the exit status: answered, no figure
// (with why on err) or the file not written.
int writeFigureFile(const CatalogueEntry& calculation, const Evaluation& evaluation,
                    std::span<const std::string> texts, const DataSheetInput* sheet,
                    const FigureRequest& request, std::ostream& err);

} // namespace quillon::terminal
