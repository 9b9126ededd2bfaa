// A density on its own axis with the area of an answer shaded and its values marked: both tails
// beyond a value, the upper tail beyond it, or a range.
#pragma once

#include "figures/densities.h"
#include "figures/figure.h"

#include <optional>
#include <string>

namespace quillon {

enum class ShadedPart { TwoTails, UpperTail, Range };

struct DensityMarks {
    ShadedPart part = ShadedPart::TwoTails;
    double value = 0.0;    // TwoTails, UpperTail: the observed or critical value
    std::string valueText; // as the answer prints it
    double lower = 0.0;    // Range
    double upper = 0.0;
    std::string lowerText;
    std::string upperText;
    std::string symbol;       // "t", "F"; names the axis and the marked value
    double probability = 0.0; // the answer's probability of the shaded part
    std::string probabilityText;
};

struct DensityPanel {
    Panel panel;
    std::string sentence; // "the two tails beyond -2.228 and 2.228 are shaded, 5% in all"
};

// Nothing where the density cannot be drawn on a finite view.
std::optional<DensityPanel> densityPanel(const Density& density, const DensityMarks& marks);

} // namespace quillon
