// Where each control of a calculator window sits, in twips: questions on the left, one box per
// question level with it, the four buttons under the boxes, a rule, then the answer.
#pragma once

#include "calculations/catalogue.h"

#include <QRect>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

namespace quillon {

struct CalculatorGeometry {
    std::vector<QRect> labels;    // Question1.. (the one Label1 of a fourfold table)
    std::vector<QRect> inputs;    // Input1..
    std::array<QRect, 4> buttons; // Calculate, Clear, Exit, Help
    QRect line1;                  // the rule above the answer
    std::optional<QRect> line2;   // the rule between two groups of questions
    QRect answer;
    QSize client;
};

CalculatorGeometry calculatorGeometry(const QuestionInputs& asked);

} // namespace quillon
