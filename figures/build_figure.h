// The picture of an answer: the figure its catalogue row declares, drawn from the evaluation's
// results and the values it was given, or why there is none.
#pragma once

#include "figures/figure.h"
#include "figures/figure_inputs.h"

namespace quillon {

FigureOutcome buildFigure(const FigureInputs& inputs);

// The same for a calculation asked through boxes, and for a data sheet.
FigureOutcome buildFigure(const CatalogueEntry& row, const Evaluation& evaluation,
                          std::span<const std::string> texts);
FigureOutcome buildFigure(const CatalogueEntry& row, const Evaluation& evaluation,
                          const DataSheetInput& sheet);

} // namespace quillon
