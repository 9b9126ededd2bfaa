#include "figures/figure_inputs.h"

#include "core/arithmetic.h"
#include "core/number_text.h"

#include <cmath>

namespace quillon {

const LabelledQuantity* findQuantity(const Evaluation& evaluation, std::string_view name) {
    for (const LabelledQuantity& quantity : evaluation.quantities)
        if (quantity.name == name && std::isfinite(quantity.value))
            return &quantity;
    return nullptr;
}

const LabelledQuantity* findFirstQuantity(const Evaluation& evaluation,
                                          std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names)
        if (const LabelledQuantity* quantity = findQuantity(evaluation, name))
            return quantity;
    return nullptr;
}

std::optional<double> boxValue(const FigureInputs& inputs, int box) {
    if (box < 1 || static_cast<std::size_t>(box) > inputs.texts.size())
        return std::nullopt;
    double value = 0.0;
    try {
        value = readNumber(inputs.texts[static_cast<std::size_t>(box - 1)]);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace quillon
