// One builder per family of figures; build_figure.cpp chooses among them by the row's kind.
#pragma once

#include "figures/figure.h"
#include "figures/figure_inputs.h"

#include <string>

namespace quillon {

// "p = .0500", or "p < .0001" for a probability the answer prints as a bound.
inline std::string probabilityPhrase(const std::string& text) {
    if (text.starts_with("<") || text.starts_with(">"))
        return "p " + text;
    return "p = " + text;
}

FigureOutcome noFigure(std::string reason);

FigureOutcome distributionFigure(const FigureInputs& inputs); // densities with shaded areas
FigureOutcome groupMeansFigure(const FigureInputs& inputs);   // a density beside group means
FigureOutcome outcomeBarsFigure(const FigureInputs& inputs);  // counts' outcomes as bars
FigureOutcome dotPlotFigure(const FigureInputs& inputs);      // a sample as dots
FigureOutcome scatterFigure(const FigureInputs& inputs);      // pairs with their line
FigureOutcome intervalFigure(const FigureInputs& inputs);     // an interval on its axis

} // namespace quillon
