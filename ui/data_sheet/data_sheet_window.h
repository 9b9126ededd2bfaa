// The window of a calculation that takes its data from a grid: the instruction, the grid editor,
// "Calculate", "Clear", "Exit" and "Help", the window's own controls as its options describe them
// (a text box, a check box or option buttons, each with its caption) and the answer, all built
// from its catalogue row.
#pragma once

#include "calculations/common/outcome.h"
#include "ui/data_sheet/data_sheet_editor.h"
#include "ui/data_sheet/data_sheet_layout.h"

#include "ui/common/calculation_window.h"

#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace quillon {

class AnswerTableModel;

class DataSheetWindow : public CalculationWindow {
    Q_OBJECT
public:
    // The row, over a grid, must outlive the window.
    explicit DataSheetWindow(const CatalogueEntry& row, QWidget* parent = nullptr);
    ~DataSheetWindow() override;

    DataSheetEditor& editor() { return *editor_; }
    int helpTopic() const override { return helpTopic_; }

    // A short text beside a cell, following it as the grid scrolls (out of sight while the cell
    // is), or beside the grid when no cell is given; the cell's box carries it as its accessible
    // description while over that cell. It goes as showNotice's does, and when that cell (any
    // cell, for the grid) is typed in, pasted into or emptied.
    void showSheetNotice(std::optional<CellPosition> cell, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One of the window's own controls and what it is made of.
    struct OptionControl {
        const SheetOption* option = nullptr;
        QLineEdit* text = nullptr;
        QCheckBox* check = nullptr;
        QButtonGroup* choice = nullptr;
    };

    std::vector<QWidget*> buildOptions(const QRect& twips);
    std::vector<QWidget*> buildOption(OptionControl& control, const QRect& twips);
    OptionValues optionValues() const;
    void presentOptions();
    void buildAnswer(const QRect& twips);
    void calculate() override;
    void clear() override;
    DataSheetInput input() const;
    void applyRefusal(const Refusal& refusal) override;
    void applyAnswer(Answer answer) override;

    const CatalogueEntry& row_;
    const SheetInputs& sheet_;
    const SheetShape shape_;
    std::unique_ptr<DataSheetEditor> editor_;
    int helpTopic_;
    QTableView* answerGrid_ = nullptr;
    AnswerTableModel* answerTable_ = nullptr;
    std::vector<OptionControl> options_; // in the order of the row's options
};

} // namespace quillon
