// A figure as a standalone SVG 1.1 document at a given pixel size and colour set: a <title> and a
// <desc> with the figure's description, every text escaped, no script and no external reference.
#pragma once

#include "figures/figure.h"

#include <string>

namespace quillon {

// Colours as "#rrggbb", one for each ink and for the page.
struct FigureColours {
    std::string background;
    std::string text; // axes, ticks, titles
    std::string curve;
    std::string shade;
    std::string accent;
    std::string second;
    std::string muted;
};

FigureColours lightFigureColours();
FigureColours darkFigureColours();

struct SvgSize {
    int width = 640;
    int height = 400;
};

std::string writeSvg(const Figure& figure, SvgSize size, const FigureColours& colours);

// Text as SVG character data or an attribute value: & < > " ' escaped, and characters XML 1.0
// does not allow (control characters, broken UTF-8) left out.
std::string escapeXml(std::string_view text);

} // namespace quillon
