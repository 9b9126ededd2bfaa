// The one window class of every calculator: questions and boxes, "Calculate", "Clear", "Exit" and
// "Help", and the answer under a rule, all built from its catalogue row.
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
    // The row, asked through questions, must outlive the window.
    explicit CalculatorWindow(const CatalogueEntry& row, QWidget* parent = nullptr);

    // What the menu does before showing the window: title, questions, empty boxes and answer.
    void prepare();

    const CatalogueEntry& row() const { return row_; }
    const QuestionInputs& asked() const { return asked_; }

private:
    void buildControls();
    void calculate() override;
    void clear() override;
    int helpTopic() const override { return row_.help.front().topic; }
    void applyRefusal(const Refusal& refusal) override;

    const CatalogueEntry& row_;
    const QuestionInputs& asked_;
    NumericKeyFilter* keyFilter_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> inputs_;
};

} // namespace quillon
