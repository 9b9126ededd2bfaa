// What a figure is drawn from: the evaluation of a calculation and the values it was given (the
// box texts, or the data sheet), so that a picture of the data shows the data as typed.
#pragma once

#include "calculations/catalogue.h"
#include "calculations/evaluation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillon {

struct FigureInputs {
    const CatalogueEntry& row;
    const Evaluation& evaluation;
    std::span<const std::string> texts; // a calculation asked through boxes
    const DataSheetInput* sheet = nullptr;
};

// The published quantity of that name, when the answer holds it with a finite value.
const LabelledQuantity* findQuantity(const Evaluation& evaluation, std::string_view name);

// The first of the names the answer publishes with a finite value.
const LabelledQuantity* findFirstQuantity(const Evaluation& evaluation,
                                          std::initializer_list<std::string_view> names);

// The number in box 1.. as a calculation reads it; nothing for a box not given or not finite.
std::optional<double> boxValue(const FigureInputs& inputs, int box);

} // namespace quillon
