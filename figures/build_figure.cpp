#include "figures/build_figure.h"

#include "figures/figure_builders.h"

namespace quillon {

FigureOutcome noFigure(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

FigureOutcome buildFigure(const FigureInputs& inputs) {
    if (inputs.evaluation.kind != Evaluation::Kind::Answered)
        return noFigure("There is no answer to draw.");
    FigureOutcome outcome;
    switch (inputs.row.figure) {
    case FigureKind::None:
        return noFigure("The answer is a single number: a picture would add nothing to it.");
    case FigureKind::NormalTwoTails:
    case FigureKind::NormalRange:
    case FigureKind::TTwoTails:
    case FigureKind::TRange:
    case FigureKind::FUpperTail:
    case FigureKind::ChiSquareUpperTail:
        outcome = distributionFigure(inputs);
        break;
    case FigureKind::GroupMeansT:
    case FigureKind::GroupMeansF:
        outcome = groupMeansFigure(inputs);
        break;
    case FigureKind::FourfoldTables:
    case FigureKind::BinomialOutcomes:
    case FigureKind::PoissonOutcomes:
        outcome = outcomeBarsFigure(inputs);
        break;
    case FigureKind::DotPlot:
        outcome = dotPlotFigure(inputs);
        break;
    case FigureKind::Scatter:
        outcome = scatterFigure(inputs);
        break;
    case FigureKind::IntervalOnAxis:
        outcome = intervalFigure(inputs);
        break;
    }
    // The last guard: a figure never carries a number a renderer cannot place.
    if (outcome.figure && !allFinite(*outcome.figure))
        return noFigure("The values are too far out of range to draw.");
    if (outcome.figure && outcome.figure->title.empty())
        outcome.figure->title = std::string(inputs.row.title);
    return outcome;
}

FigureOutcome buildFigure(const CatalogueEntry& row, const Evaluation& evaluation,
                          std::span<const std::string> texts) {
    return buildFigure(FigureInputs{row, evaluation, texts, nullptr});
}

FigureOutcome buildFigure(const CatalogueEntry& row, const Evaluation& evaluation,
                          const DataSheetInput& sheet) {
    return buildFigure(FigureInputs{row, evaluation, {}, &sheet});
}

} // namespace quillon
