// The reference distribution of an answer: the density with the area of its probability shaded
// and the value or critical value marked; for two or more groups, their means beside it.
#include "calculations/means/group_mean_intervals.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "figures/density_panel.h"
#include "figures/figure_builders.h"
#include "figures/ticks.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

const std::string kCannotDraw = "The distribution cannot be drawn for these values.";

struct Reference {
    Density density;
    DensityMarks marks;
};

// The density and the marks of the row's kind, from the published results.
std::optional<Reference> referenceOf(const FigureInputs& inputs, FigureKind kind) {
    const Evaluation& e = inputs.evaluation;
    const LabelledQuantity* p = findFirstQuantity(e, {"p", "p_within"});
    if (!p)
        return std::nullopt;
    Reference reference;
    DensityMarks& marks = reference.marks;
    marks.probability = p->value;
    marks.probabilityText = p->text;
    const auto markValue = [&marks](const LabelledQuantity* value) {
        marks.value = value->value;
        marks.valueText = value->text;
    };
    switch (kind) {
    case FigureKind::NormalTwoTails: {
        const LabelledQuantity* z = findFirstQuantity(e, {"critical_z", "z"});
        if (!z)
            return std::nullopt;
        markValue(z);
        marks.symbol = "z";
        reference.density = standardNormalDensity();
        break;
    }
    case FigureKind::TTwoTails:
    case FigureKind::GroupMeansT: {
        const LabelledQuantity* t = findFirstQuantity(e, {"critical_t", "t"});
        const LabelledQuantity* df = findQuantity(e, "df");
        if (!t || !df || !(df->value > 0.0))
            return std::nullopt;
        markValue(t);
        marks.symbol = "t";
        reference.density = tDensity(df->value);
        reference.density.name += " on " + degreesOfFreedom(df->text);
        break;
    }
    case FigureKind::FUpperTail:
    case FigureKind::GroupMeansF: {
        const LabelledQuantity* f = findFirstQuantity(e, {"critical_f", "f"});
        const LabelledQuantity* df1 = findFirstQuantity(e, {"df1", "df_between"});
        const LabelledQuantity* df2 = findFirstQuantity(e, {"df2", "df_within"});
        if (!f || !df1 || !df2 || !(df1->value > 0.0) || !(df2->value > 0.0))
            return std::nullopt;
        markValue(f);
        marks.part = ShadedPart::UpperTail;
        marks.symbol = "F";
        reference.density = fDensity(df1->value, df2->value);
        reference.density.name += " on " + df1->text + " and " + df2->text + " degrees of freedom";
        break;
    }
    case FigureKind::ChiSquareUpperTail: {
        const LabelledQuantity* x =
            findFirstQuantity(e, {"critical_chi_square", "chi_square", "corrected_chi_square"});
        const LabelledQuantity* df = findQuantity(e, "df");
        if (!x || !df || !(df->value > 0.0))
            return std::nullopt;
        markValue(x);
        marks.part = ShadedPart::UpperTail;
        marks.symbol = "Chi-square";
        reference.density = chiSquareDensity(df->value);
        reference.density.name += " on " + degreesOfFreedom(df->text);
        break;
    }
    case FigureKind::NormalRange:
    case FigureKind::TRange: {
        const LabelledQuantity* mean = findQuantity(e, "mean");
        const LabelledQuantity* sd = findQuantity(e, "sd");
        const LabelledQuantity* lower = findQuantity(e, "lower");
        const LabelledQuantity* upper = findQuantity(e, "upper");
        if (!mean || !sd || !lower || !upper || !(sd->value > 0.0))
            return std::nullopt;
        marks.part = ShadedPart::Range;
        marks.symbol = "Value";
        marks.lower = lower->value;
        marks.upper = upper->value;
        marks.lowerText = lower->text;
        marks.upperText = upper->text;
        const std::string scale = " with mean " + mean->text + " and SD " + sd->text;
        if (kind == FigureKind::NormalRange) {
            reference.density = normalDensity(mean->value, sd->value);
            reference.density.name += scale;
        } else {
            const LabelledQuantity* n = findQuantity(e, "n");
            if (!n || !(n->value > 1.0))
                return std::nullopt;
            // The window judges the range on the t distribution of its sample, on N - 1 degrees
            // of freedom.
            reference.density = tDensity(n->value - 1.0, mean->value, sd->value);
            reference.density.name +=
                scale + ", on " + degreesOfFreedom(numberLabel(n->value - 1.0, 7));
        }
        break;
    }
    default:
        return std::nullopt;
    }
    return reference;
}

std::optional<DensityPanel> referencePanel(const FigureInputs& inputs, std::string& name) {
    const std::optional<Reference> reference = referenceOf(inputs, inputs.row.figure);
    if (!reference)
        return std::nullopt;
    name = reference->density.name;
    return densityPanel(reference->density, reference->marks);
}

// The groups as the calculation read them: the two groups of the boxes, or the data sheet's rows
// down to the first empty Mean cell.
std::vector<GroupSummaryValues> groupsOf(const FigureInputs& inputs) {
    std::vector<GroupSummaryValues> groups;
    if (inputs.sheet) {
        const DataSheet& sheet = inputs.sheet->sheet;
        for (int row = 1; row <= DataSheet::kRows && !sheet.text(row, 1).empty(); ++row) {
            try {
                groups.push_back({readNumber(sheet.text(row, 1)), readNumber(sheet.text(row, 2)),
                                  readNumber(sheet.text(row, 3))});
            } catch (const ArithmeticError&) {
                return {};
            }
        }
        return groups;
    }
    for (int first = 1; first <= 4; first += 3) {
        const auto mean = boxValue(inputs, first);
        const auto sd = boxValue(inputs, first + 1);
        const auto n = boxValue(inputs, first + 2);
        if (!mean || !sd || !n)
            return {};
        groups.push_back({*mean, *sd, *n});
    }
    return groups;
}

std::optional<Panel> groupMeansPanel(const std::vector<GroupSummaryValues>& groups,
                                     std::string& sentence) {
    const std::vector<GroupMeanInterval> intervals = groupMeanIntervals(groups);
    if (intervals.empty())
        return std::nullopt;
    Panel panel;
    double low = intervals.front().mean;
    double high = low;
    for (const GroupMeanInterval& interval : intervals) {
        low = std::min({low, interval.mean, interval.lower.value_or(interval.mean)});
        high = std::max({high, interval.mean, interval.upper.value_or(interval.mean)});
    }
    if (!std::isfinite(high - low))
        return std::nullopt;
    const double margin = (high - low) * 0.08;
    panel.y = makeAxis("Mean with its 95% interval", low - margin, high + margin, 5);
    panel.x = makeAxis("Group", 0.5, static_cast<double>(intervals.size()) + 0.5, 1);
    panel.x.ticks.clear();
    sentence = "the group means with their 95% confidence intervals:";
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        const double x = static_cast<double>(i + 1);
        panel.x.ticks.push_back({x, std::to_string(i + 1)});
        const GroupMeanInterval& interval = intervals[i];
        sentence += (i == 0 ? " " : "; ") + std::string("group ") + std::to_string(i + 1) + " " +
                    numberLabel(interval.mean);
        if (interval.lower && interval.upper) {
            panel.errorBars.push_back({x, interval.mean, *interval.lower, *interval.upper});
            sentence +=
                " (" + numberLabel(*interval.lower) + " to " + numberLabel(*interval.upper) + ")";
        }
        panel.dots.push_back({{x, interval.mean}, Ink::Accent});
    }
    return panel;
}

// The figure of the test's reference distribution alone, with its description; none when the
// answer cannot be drawn.
std::optional<Figure> referenceFigure(const FigureInputs& inputs) {
    std::string name;
    std::optional<DensityPanel> reference = referencePanel(inputs, name);
    if (!reference)
        return std::nullopt;
    Figure figure;
    figure.description = name + "; " + reference->sentence + ".";
    figure.panels.push_back(std::move(reference->panel));
    return figure;
}

} // namespace

FigureOutcome distributionFigure(const FigureInputs& inputs) {
    std::optional<Figure> figure = referenceFigure(inputs);
    if (!figure)
        return noFigure(kCannotDraw);
    return {std::move(*figure), {}};
}

// One figure of two panels, the test's reference distribution and the means it compares, so that
// the picture, its description and a saved copy always show both together.
FigureOutcome groupMeansFigure(const FigureInputs& inputs) {
    std::optional<Figure> figure = referenceFigure(inputs);
    if (!figure)
        return noFigure(kCannotDraw);
    std::string sentence;
    if (std::optional<Panel> means = groupMeansPanel(groupsOf(inputs), sentence)) {
        figure->description += " Beside it, " + sentence + ".";
        figure->panels.push_back(std::move(*means));
    }
    return {std::move(*figure), {}};
}

} // namespace quillon
