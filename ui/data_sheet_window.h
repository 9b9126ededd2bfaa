// The window of a calculation that takes its data from a grid: the instruction, the grid editor,
// "Calculate", "Clear", "Exit" and "Help", the window's own control (population size, Yates'
// correction or the correlation method) and the answer, all built from its layout.
#pragma once

#include "calculations/common/outcome.h"
#include "data_sheet_editor.h"
#include "data_sheet_layout.h"

#include "calculation_dialog.h"

#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace quillon {

class AnswerTableModel;
class WindowRegistry;

class DataSheetWindow : public CalculationDialog {
    Q_OBJECT
public:
    // The layout must outlive the window.
    explicit DataSheetWindow(const DataSheetLayout& layout, QWidget* parent = nullptr);
    ~DataSheetWindow() override;

    DataSheetEditor& editor() { return *editor_; }
    int helpTopic() const { return helpTopic_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QWidget*> buildExtra(const QRect& twips);
    void buildAnswer(const QRect& twips);
    void calculate();
    void clear();
    void showHelp();
    void chooseMethod(int method);
    DataSheetInput input() const;
    void apply(const Refusal& refusal);
    void apply(Answer answer);

    const DataSheetLayout& layout_;
    std::unique_ptr<DataSheetEditor> editor_;
    int helpTopic_;
    QLabel* answer_ = nullptr;
    QTableView* answerGrid_ = nullptr;
    AnswerTableModel* answerTable_ = nullptr;
    QLineEdit* population_ = nullptr;
    QCheckBox* useYates_ = nullptr;
    QButtonGroup* method_ = nullptr;
};

// Registers the five data sheet windows by name.
void registerDataSheetWindows(WindowRegistry& registry);

} // namespace quillon
