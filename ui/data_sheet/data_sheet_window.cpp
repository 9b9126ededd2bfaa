#include "ui/data_sheet/data_sheet_window.h"

#include "calculations/correlation/correlate.h"
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

constexpr std::array kMethodCaptions = {"Pearson's", "Spearman's", "Regression"};
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
    const std::vector<QWidget*> extras = buildExtra(geometry.extra);

    buildRule(QStringLiteral("Line1"), geometry.line);
    buildAnswer(geometry.answer);

    // Tab order: the grid and its box, the window's own control, the buttons, the answer grid.
    QWidget* previous = editor_->sheet();
    std::vector<QWidget*> chain{editor_->floater()};
    chain.insert(chain.end(), extras.begin(), extras.end());
    chain.insert(chain.end(), buttons.begin(), buttons.end());
    if (answerGrid_ != nullptr) {
        chain.push_back(answerGrid_);
    }
    for (QWidget* next : chain) {
        setTabOrder(previous, next);
        previous = next;
    }
}

DataSheetWindow::~DataSheetWindow() = default;

std::vector<QWidget*> DataSheetWindow::buildExtra(const QRect& twips) {
    std::vector<QWidget*> controls;
    switch (sheet_.extra) {
    case SheetExtra::PopulationSize:
        population_ = new QLineEdit(this);
        population_->setObjectName(QStringLiteral("Population"));
        // Typing is free here; a pasted size comes without the line break a spreadsheet adds.
        population_->installEventFilter(new PasteGuard(population_));
        placeWithCaption(population_, "Label4", QStringLiteral("Population Size:"), twips, 1095);
        population_->setAccessibleName(QStringLiteral("Population Size"));
        controls.push_back(population_);
        break;
    case SheetExtra::YatesCorrection:
        useYates_ = new QCheckBox(this);
        useYates_->setObjectName(QStringLiteral("UseYates"));
        placeWithCaption(useYates_, "Yates", QStringLiteral("Yate's correction:"), twips, 300)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The caption is a label of its own; the box itself carries it for screen readers.
        useYates_->setAccessibleName(QStringLiteral("Yate's correction"));
        controls.push_back(useYates_);
        break;
    case SheetExtra::CorrelationMethod: {
        method_ = new QButtonGroup(this);
        for (std::size_t i = 0; i < kMethodCaptions.size(); ++i) {
            auto* option = new QRadioButton(QString::fromLatin1(kMethodCaptions[i]), this);
            option->setObjectName(QStringLiteral("CorrelType"));
            option->setProperty("index", static_cast<int>(i));
            option->setGeometry(fromTwips(
                QRect(twips.left(), twips.top() + static_cast<int>(i) * 360, twips.width(), 285)));
            method_->addButton(option, static_cast<int>(i));
            controls.push_back(option);
        }
        method_->button(static_cast<int>(CorrelationMethod::Regression))->setChecked(true);
        connect(method_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
            if (checked) {
                chooseMethod(id);
            }
        });
        break;
    }
    case SheetExtra::None:
        break;
    }
    return controls;
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

DataSheetInput DataSheetWindow::input() const {
    DataSheetInput input;
    input.sheet = editor_->contents();
    if (population_ != nullptr) {
        input.population = toStdString(population_->text());
    }
    input.useYates = useYates_ != nullptr && useYates_->isChecked();
    if (method_ != nullptr) {
        input.correlationMethod = static_cast<CorrelationMethod>(method_->checkedId());
    }
    return input;
}

void DataSheetWindow::calculate() {
    editor_->saveCell();
    const DataSheetInput sheetInput = input();
    runCalculation([&] { return sheet_.calculate(sheetInput); });
}

void DataSheetWindow::applyRefusal(const Refusal& refusal) {
    // These calculations empty the answer before reading; the answer grid is left as it was.
    if (answerLabel() != nullptr) {
        answerLabel()->clear();
    }
    CalculationWindow::applyRefusal(refusal);
    const QString reason = reasonText(refusal);
    if (refusal.focus == 1 && population_ != nullptr) {
        population_->setFocus();
        showNotice(population_, QRect(), reason);
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
        if (cell) {
            floater->setAccessibleDescription(editor_->remembered() == *cell ? text : QString());
        }
        followNoticeTarget();
    });
    // The text goes once the cell (any cell, for the grid) is typed in, pasted into or emptied.
    connect(floater, &QLineEdit::textEdited, scope, [this, cell] {
        if (!cell || editor_->remembered() == *cell) {
            hideNotice();
        }
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
                if (covered && editor_->cellText(*cell) != before) {
                    hideNotice();
                }
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
    if (answer.yatesSwitchedOn && useYates_ != nullptr) {
        useYates_->setChecked(true);
    }
    CalculationWindow::applyAnswer(std::move(answer));
}

void DataSheetWindow::clear() {
    if (answerLabel() != nullptr) {
        answerLabel()->clear();
    }
    if (population_ != nullptr) {
        population_->clear();
    }
    if (answerGrid_ != nullptr) {
        answerTable_->clearRows(0, sheet_.answerGrid.lastSummaryRow);
        answerGrid_->hide();
    }
    editor_->clear();
}

void DataSheetWindow::chooseMethod(int method) {
    const CorrelationPresentation presentation =
        correlationPresentation(static_cast<CorrelationMethod>(method));
    setWindowTitle(toQString(presentation.title));
    editor_->setHeadings({shape_.headings.front(), std::string(presentation.firstHeading),
                          std::string(presentation.secondHeading)});
    helpTopic_ = row_.help.at(presentation.helpPage).topic;
}

void DataSheetWindow::closeEvent(QCloseEvent* event) {
    editor_->saveCell();
    CalculationWindow::closeEvent(event);
}

} // namespace quillon
