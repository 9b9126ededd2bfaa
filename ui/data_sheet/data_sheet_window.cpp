#include "ui/data_sheet/data_sheet_window.h"

#include "calculations/evaluation.h"
#include "figures/build_figure.h"
#include "ui/calculator/paste_guard.h"
#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/data_sheet/answer_grid.h"
#include "ui/data_sheet/answer_table_model.h"
#include "ui/data_sheet/data_sheet_geometry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>

#include <array>
#include <utility>
#include <vector>

namespace quillon {

namespace {

constexpr int kAnswerRowHeight = 270; // twips

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(fromTwips(twips));
    return label;
}

// The control at the right end of the area, its caption at the left.
QLabel* placeWithCaption(QWidget* control, const char* captionName, const QString& caption,
                         const QRect& twips, int controlWidth) {
    const QRect box(twips.right() + 1 - controlWidth, twips.top(), controlWidth, twips.height());
    const QRect label(twips.topLeft(), QSize(box.left() - 120 - twips.left(), twips.height()));
    control->setGeometry(fromTwips(box));
    return makeLabel(control->parentWidget(), captionName, caption, label);
}

} // namespace

DataSheetWindow::DataSheetWindow(const CatalogueEntry& row, QWidget* parent)
    : CalculationWindow(parent), row_(row), sheet_(std::get<SheetInputs>(row.inputs)),
      shape_(sheetShape(row)), helpTopic_(row.help.front().topic) {
    setObjectName(toQString(row.windowName));
    setWindowTitle(toQString(row.title));

    editor_ = std::make_unique<DataSheetEditor>(this, shape_);
    // What a paste left out is said beside the cell it starts at, where a refusal would stand.
    connect(editor_.get(), &DataSheetEditor::noticed, this,
            [this](QWidget*, const QRect&, const QString& text) {
                showSheetNotice(editor_->remembered(), text);
            });
    const QString instruction = toQString(sheet_.instruction);
    const DataSheetGeometry geometry = dataSheetGeometry(
        sheet_, shape_, editor_->gridWidth(), fontMetrics().horizontalAdvance(instruction) + 1);
    setFixedSize(fromTwips(geometry.client));
    makeLabel(this, "Label2", instruction, geometry.label);
    editor_->sheet()->setAccessibleName(instruction);
    QRect sheet = fromTwips(geometry.sheet);
    sheet.setHeight(editor_->heightForWholeRows(sheet.height()));
    editor_->sheet()->setGeometry(sheet);

    const std::array<QPushButton*, 4> buttons = buildButtons(geometry.buttons);
    const std::vector<QWidget*> extras = buildOptions(geometry.extra);

    buildRule(QStringLiteral("Line1"), geometry.line);
    buildAnswer(geometry.answer);

    // Tab order: the grid and its box, the window's own controls, the buttons, the answer grid.
    QWidget* previous = editor_->sheet();
    std::vector<QWidget*> chain{editor_->floater()};
    chain.insert(chain.end(), extras.begin(), extras.end());
    chain.insert(chain.end(), buttons.begin(), buttons.end());
    if (answerGrid_ != nullptr)
        chain.push_back(answerGrid_);
    for (QWidget* next : chain) {
        setTabOrder(previous, next);
        previous = next;
    }
    offerReport(row_, previous);
}

DataSheetWindow::~DataSheetWindow() = default;

std::vector<QWidget*> DataSheetWindow::buildOptions(const QRect& twips) {
    std::vector<QWidget*> controls;
    const std::vector<QRect> rects = optionRects(sheet_.options, twips);
    options_.resize(sheet_.options.size());
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i].option = &sheet_.options[i];
        const std::vector<QWidget*> built = buildOption(options_[i], rects[i]);
        controls.insert(controls.end(), built.begin(), built.end());
    }
    return controls;
}

std::vector<QWidget*> DataSheetWindow::buildOption(OptionControl& control, const QRect& twips) {
    const SheetOption& option = *control.option;
    const QString caption = toQString(option.caption);
    // The caption is a label of its own; the control itself carries it for screen readers.
    QString accessible = caption;
    if (accessible.endsWith(u':'))
        accessible.chop(1);
    const std::string captionName(option.captionName);
    switch (option.kind) {
    case OptionKind::TextBox: {
        control.text = new QLineEdit(this);
        control.text->setObjectName(toQString(option.controlName));
        control.text->setText(toQString(option.defaultValue));
        // Typing is free here; a pasted value comes without the line break a spreadsheet adds.
        control.text->installEventFilter(new PasteGuard(control.text));
        placeWithCaption(control.text, captionName.c_str(), caption, twips, 1095);
        control.text->setAccessibleName(accessible);
        return {control.text};
    }
    case OptionKind::CheckBox:
        control.check = new QCheckBox(this);
        control.check->setObjectName(toQString(option.controlName));
        control.check->setChecked(option.defaultValue == kOptionOn);
        placeWithCaption(control.check, captionName.c_str(), caption, twips, 300)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        control.check->setAccessibleName(accessible);
        return {control.check};
    case OptionKind::Choice:
        break;
    }
    std::vector<QWidget*> buttons;
    control.choice = new QButtonGroup(this);
    for (std::size_t i = 0; i < option.choices.size(); ++i) {
        auto* button = new QRadioButton(toQString(option.choices[i].caption), this);
        button->setObjectName(toQString(option.controlName));
        button->setProperty("index", static_cast<int>(i));
        button->setGeometry(fromTwips(
            QRect(twips.left(), twips.top() + static_cast<int>(i) * 360, twips.width(), 285)));
        control.choice->addButton(button, static_cast<int>(i));
        buttons.push_back(button);
    }
    const OptionValues defaults;
    control.choice->button(static_cast<int>(choiceIndex(defaults, option)))->setChecked(true);
    connect(control.choice, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            presentOptions();
    });
    return buttons;
}

void DataSheetWindow::buildAnswer(const QRect& twips) {
    if (sheet_.answer == AnswerArea::Label) {
        buildAnswerLabel(twips);
        return;
    }
    answerTable_ =
        new AnswerTableModel(sheet_.answerGrid.columns, sheet_.answerGrid.firstNumberRow, this);
    answerGrid_ = new AnswerGrid(this);
    answerGrid_->setObjectName(QStringLiteral("Grid1"));
    answerGrid_->setAccessibleName(QStringLiteral("Answer"));
    answerGrid_->setAccessibleDescription(
        QStringLiteral("The analysis of variance table and the post-hoc t-tests"));
    setAnswerArea(answerGrid_);
    answerGrid_->setModel(answerTable_);
    answerGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    answerGrid_->setWordWrap(false);
    answerGrid_->horizontalHeader()->hide();
    answerGrid_->verticalHeader()->hide();
    answerGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    answerGrid_->verticalHeader()->setMinimumSectionSize(1);
    answerGrid_->verticalHeader()->setDefaultSectionSize(fromTwips(kAnswerRowHeight));
    answerGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    answerGrid_->horizontalHeader()->setMinimumSectionSize(1);
    // The columns share what the frame and the scroll bar leave, so that the table never
    // scrolls sideways.
    const int scrollBar = answerGrid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                            answerGrid_->verticalScrollBar());
    const int inside = fromTwips(twips.width()) - 2 * answerGrid_->frameWidth() - scrollBar;
    answerGrid_->horizontalHeader()->setDefaultSectionSize(inside / sheet_.answerGrid.columns);
    answerGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Whole rows only, like the data grid.
    QRect area = fromTwips(twips);
    const int rowHeight = fromTwips(kAnswerRowHeight);
    const int frame = 2 * answerGrid_->frameWidth();
    area.setHeight(frame + (area.height() - frame) / rowHeight * rowHeight);
    answerGrid_->setGeometry(area);
    answerGrid_->hide();
}

OptionValues DataSheetWindow::optionValues() const {
    OptionValues values;
    for (const OptionControl& control : options_) {
        std::string value;
        if (control.text != nullptr) {
            value = toStdString(control.text->text());
        } else if (control.check != nullptr) {
            value = control.check->isChecked() ? kOptionOn : kOptionOff;
        } else if (control.choice != nullptr) {
            const auto index = static_cast<std::size_t>(control.choice->checkedId());
            value = std::string(control.option->choices.at(index).key);
        }
        values.emplace(std::string(control.option->key), std::move(value));
    }
    return values;
}

DataSheetInput DataSheetWindow::input() const {
    return DataSheetInput{.sheet = editor_->contents(), .options = optionValues()};
}

void DataSheetWindow::calculate() {
    editor_->saveCell();
    // The grid and options are kept with the evaluation, so that the report can be formed again
    // from them.
    DataSheetInput sheetInput = input();
    FigureOfEvaluation figureOf = [&row = row_, sheetInput](const Evaluation& evaluation) {
        return buildFigure(row, evaluation, sheetInput);
    };
    runEvaluation(ReportedEvaluation([&row = row_, sheetInput = std::move(sheetInput)](
                                         std::optional<ReportOptions> report) {
                      return evaluate(row, sheetInput, report);
                  }),
                  figureOf);
}

void DataSheetWindow::applyRefusal(const Refusal& refusal) {
    // These calculations empty the answer before reading; the answer grid is left as it was.
    if (answerLabel() != nullptr) {
        answerLabel()->clear();
        clearReport();
    }
    CalculationWindow::applyRefusal(refusal);
    const QString reason = reasonText(refusal);
    // A focus of 1 and up is the window's own control of that option.
    const auto index = static_cast<std::size_t>(refusal.focus - 1);
    if (refusal.focus != kFocusGrid && index < options_.size() && options_[index].text != nullptr) {
        QLineEdit* box = options_[index].text;
        box->setFocus();
        showNotice(box, QRect(), reason);
        return;
    }
    // The box goes to the cell at fault, so the user sees it and the next keys mend it. A refusal
    // that names no cell (too few or too many rows) leaves the box where the user was typing.
    editor_->moveTo(refusal.currentCell.value_or(editor_->remembered()));
    showSheetNotice(refusal.currentCell, reason);
}

void DataSheetWindow::showSheetNotice(std::optional<CellPosition> cell, const QString& text) {
    if (text.isEmpty()) {
        hideNotice();
        return;
    }
    QTableWidget* sheet = editor_->sheet();
    QLineEdit* floater = editor_->floater();
    NoticeTarget target;
    if (cell) {
        // The cell as it shows in the grid, wherever the grid has scrolled; nothing while it is
        // out of view.
        target.area = [this, sheet, at = *cell]() -> std::optional<QRect> {
            const QRect shown = sheet->visualRect(sheet->model()->index(at.row - 1, at.column - 1))
                                    .intersected(sheet->viewport()->rect());
            if (shown.isEmpty()) {
                return std::nullopt;
            }
            return QRect(sheet->viewport()->mapTo(this, shown.topLeft()), shown.size());
        };
        target.described = {floater};
    } else {
        target.area = [sheet] { return std::optional<QRect>(sheet->geometry()); };
        target.described = {sheet, floater};
    }
    QObject* scope = showNotice(target, text);
    const auto follow = [this] { followNoticeTarget(); };
    connect(sheet->verticalScrollBar(), &QScrollBar::valueChanged, scope, follow);
    connect(sheet->horizontalScrollBar(), &QScrollBar::valueChanged, scope, follow);
    connect(editor_.get(), &DataSheetEditor::boxMoved, scope, [this, cell, floater, text] {
        // The box tells it only while it is over the cell.
        if (cell)
            floater->setAccessibleDescription(editor_->remembered() == *cell ? text : QString());
        followNoticeTarget();
    });
    // The text goes once the cell (any cell, for the grid) is typed in, pasted into or emptied.
    connect(floater, &QLineEdit::textEdited, scope, [this, cell] {
        if (!cell || editor_->remembered() == *cell)
            hideNotice();
    });
    const QString before = cell ? editor_->cellText(*cell) : QString();
    connect(sheet->model(), &QAbstractItemModel::dataChanged, scope,
            [this, cell, before](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (!cell) {
                    hideNotice();
                    return;
                }
                const bool covered = topLeft.row() <= cell->row - 1 &&
                                     cell->row - 1 <= bottomRight.row() &&
                                     topLeft.column() <= cell->column - 1 &&
                                     cell->column - 1 <= bottomRight.column();
                if (covered && editor_->cellText(*cell) != before)
                    hideNotice();
            });
}

void DataSheetWindow::applyAnswer(Answer answer) {
    if (answerGrid_ != nullptr) {
        answerGrid_->setUpdatesEnabled(false);
        answerTable_->setTable(std::move(answer.table));
        answerGrid_->scrollToTop();
        answerGrid_->show();
        answerGrid_->setUpdatesEnabled(true);
    }
    // The correction the calculation switched on shows ticked in the window's check box.
    if (answer.yatesSwitchedOn) {
        for (const OptionControl& control : options_)
            if (control.check != nullptr)
                control.check->setChecked(true);
    }
    CalculationWindow::applyAnswer(std::move(answer));
}

void DataSheetWindow::clear() {
    if (answerLabel() != nullptr)
        answerLabel()->clear();
    // "Clear" empties the text boxes; ticks and choices stay as they are.
    for (const OptionControl& control : options_)
        if (control.text != nullptr)
            control.text->clear();
    if (answerGrid_ != nullptr) {
        answerTable_->clearRows(0, sheet_.answerGrid.lastSummaryRow);
        answerGrid_->hide();
    }
    editor_->clear();
}

void DataSheetWindow::presentOptions() {
    if (sheet_.presentation == nullptr)
        return;
    const SheetPresentation presentation = sheet_.presentation(optionValues());
    setWindowTitle(toQString(presentation.title));
    std::vector<std::string> headings{shape_.headings.front()};
    headings.insert(headings.end(), presentation.columnHeadings.begin(),
                    presentation.columnHeadings.end());
    editor_->setHeadings(headings);
    helpTopic_ = row_.help.at(presentation.helpPage).topic;
}

void DataSheetWindow::closeEvent(QCloseEvent* event) {
    editor_->saveCell();
    CalculationWindow::closeEvent(event);
}

} // namespace quillon
