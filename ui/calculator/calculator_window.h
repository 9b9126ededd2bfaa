// The one window class of every calculator: questions and boxes, "Calculate", "Clear", "Exit" and
// "Help", and the answer under a rule, all built from a calculator definition.
#pragma once

#include "calculations/catalogue.h"

#include "ui/common/calculation_window.h"

#include <vector>

class QLabel;
class QLineEdit;

namespace quillon {

class NumericKeyFilter;

class CalculatorWindow : public CalculationWindow {
    Q_OBJECT
public:
    // The definition must outlive the window.
    explicit CalculatorWindow(const CalculatorDefinition& definition, QWidget* parent = nullptr);

    // What the menu does before showing the window: title, questions, empty boxes and answer.
    void prepare();

    const CalculatorDefinition& definition() const { return definition_; }

private:
    void buildControls();
    void calculate() override;
    void clear() override;
    int helpTopic() const override { return definition_.helpTopic; }
    void applyRefusal(const Refusal& refusal) override;

    const CalculatorDefinition& definition_;
    NumericKeyFilter* keyFilter_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> inputs_;
};

} // namespace quillon
