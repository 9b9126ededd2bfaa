#include "ui/data_sheet/data_sheet_editor.h"

#include "calculations/common/cell_block.h"
#include "calculations/common/sheet_paste.h"
#include "core/number_text.h"
#include "ui/calculator/paste_guard.h"
#include "ui/calculator/send_key_string.h"
#include "ui/common/alerts.h"
#include "ui/common/menu_chord.h"
#include "ui/common/outcome_effects.h"
#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/data_sheet/cell_names.h"
#include "ui/data_sheet/row_number_header.h"
#include "ui/data_sheet/sheet_cell_delegate.h"
#include "ui/data_sheet/sheet_clipboard.h"
#include "ui/data_sheet/sheet_corner.h"
#include "ui/data_sheet/sheet_grid.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

namespace {

constexpr int kRowHeight = 300; // twips

// The box keeps every key it is given: keys it has no use for (Page Down, Ctrl+Home) would
// otherwise reach the grid behind it and move the grid's current cell under the box. Escape goes
// on to the window, which ignores it.
class CellBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Pastes a block of cells; false when the clipboard holds plain text for the box.
    std::function<bool()> pasteBlock;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() != Qt::Key_Escape)
            event->accept();
    }
    // Outlined like a spreadsheet's current cell, so that an empty cell shows where it is.
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        QPen outline(palette().color(QPalette::Highlight), 2);
        outline.setJoinStyle(Qt::MiterJoin);
        painter.setPen(outline);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    // The menu's "Paste" pastes a block like Ctrl+V.
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction* action = standardPasteAction(*menu)) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteBlock || !pasteBlock())
                    paste();
            });
        }
        menu->popup(event->globalPos());
    }
};

bool isShifted(const QKeyEvent* event) {
    return event->key() == Qt::Key_Backtab ||
           (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isTab(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

DataSheetEditor::DataSheetEditor(QWidget* window, const SheetShape& shape)
    : window_(window), shape_(shape) {
    buildSheet();

    auto* box = new CellBox(sheet_->viewport());
    box->pasteBlock = [this] { return pasteBlock(); };
    floater_ = box;
    floater_->setObjectName(QStringLiteral("Floater"));
    floater_->setFrame(false);
    floater_->installEventFilter(this);

    timer_ = new QTimer(window);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(shape.timerInterval);
    connect(timer_, &QTimer::timeout, this, [this] { floater_->setFocus(); });

    connect(sheet_, &QTableWidget::cellClicked, this, &DataSheetEditor::sheetClicked);
    connect(sheet_, &SheetGrid::rangeChosen, this, &DataSheetEditor::rangeChosen);
    connect(sheet_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DataSheetEditor::sheetScrolled);
    connect(sheet_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &DataSheetEditor::sheetScrolled);

    sheet_->setCurrentCell(0, 0);
    editCell();
    timer_->start();
}

void DataSheetEditor::buildSheet() {
    sheet_ = new SheetGrid(DataSheet::kRows, shape_.columns, window_);
    sheet_->setObjectName(QStringLiteral("Sheet1"));
    sheet_->setVerticalHeader(new RowNumberHeader(sheet_));
    sheet_->setItemDelegate(new SheetCellDelegate(sheet_));
    // Whole rows and columns only: the top row is never cut by a scroll.
    sheet_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    sheet_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    if (shape_.fitsColumns)
        sheet_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    else
        sheet_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sheet_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sheet_->setTabKeyNavigation(false);
    sheet_->setWordWrap(false);
    sheet_->installEventFilter(this);

    const int rowHeight = fromTwips(kRowHeight);
    QHeaderView* headings = sheet_->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setMinimumSectionSize(1);
    headings->setDefaultSectionSize(fromTwips(shape_.columnWidth));
    headings->setFixedHeight(rowHeight);
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setDefaultAlignment(Qt::AlignCenter);

    QHeaderView* numbers = sheet_->verticalHeader();
    numbers->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setMinimumSectionSize(1);
    numbers->setDefaultSectionSize(rowHeight);
    numbers->setFixedWidth(fromTwips(shape_.rowNumberWidth));
    numbers->setSectionsClickable(false);
    numbers->setHighlightSections(false);
    numbers->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QStringList rowNumbers;
    for (int row = 1; row <= DataSheet::kRows; ++row)
        rowNumbers << toQString(plainForm(static_cast<float>(row)));
    sheet_->setVerticalHeaderLabels(rowNumbers);

    corner_ = new SheetCorner(sheet_);
    setHeadings(shape_.headings);
}

int DataSheetEditor::gridWidth() const {
    if (!shape_.fitsColumns)
        return fromTwips(shape_.designWidth);
    const int columns = sheet_->verticalHeader()->width() +
                        shape_.columns * sheet_->horizontalHeader()->defaultSectionSize();
    const int scrollBar = sheet_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                       sheet_->verticalScrollBar());
    return columns + 2 * sheet_->frameWidth() + scrollBar;
}

int DataSheetEditor::heightForWholeRows(int height) const {
    const int rowHeight = sheet_->verticalHeader()->defaultSectionSize();
    int chrome = 2 * sheet_->frameWidth() + sheet_->horizontalHeader()->height();
    if (!shape_.fitsColumns) {
        chrome += sheet_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                               sheet_->horizontalScrollBar());
    }
    const int rows = std::max(1, (height - chrome) / rowHeight);
    return chrome + rows * rowHeight;
}

void DataSheetEditor::setHeadings(const std::vector<std::string>& headings) {
    QStringList labels;
    for (std::size_t i = 1; i < headings.size(); ++i)
        labels << toQString(headings[i]);
    sheet_->setHorizontalHeaderLabels(labels);
    corner_->setText(headings.empty() ? QString() : toQString(headings.front()));
    if (floater_ != nullptr)
        floater_->setAccessibleName(cellName(remembered_));
}

QString DataSheetEditor::cellName(CellPosition cell) const {
    const QTableWidgetItem* heading = sheet_->horizontalHeaderItem(cell.column - 1);
    return cellAccessibleName(cell.row, cell.column,
                              heading == nullptr ? QString() : heading->text());
}

QString DataSheetEditor::cellText(CellPosition cell) const {
    const QTableWidgetItem* item = sheet_->item(cell.row - 1, cell.column - 1);
    return item == nullptr ? QString() : item->text();
}

void DataSheetEditor::setCellText(CellPosition cell, const QString& text) {
    storeText(cell, text);
    // The box holds the working copy of its cell.
    if (cell == remembered_)
        floater_->setText(text);
}

void DataSheetEditor::storeText(CellPosition cell, const QString& text) {
    QTableWidgetItem* item = sheet_->item(cell.row - 1, cell.column - 1);
    if (item != nullptr)
        item->setText(text);
    else if (!text.isEmpty())
        sheet_->setItem(cell.row - 1, cell.column - 1, new QTableWidgetItem(text));
}

DataSheet DataSheetEditor::contents() const {
    DataSheet sheet;
    for (int row = 1; row <= DataSheet::kRows; ++row) {
        for (int column = 1; column <= shape_.columns; ++column) {
            const QString text = cellText({row, column});
            if (!text.isEmpty())
                sheet.setText(row, column, toStdString(text));
        }
    }
    return sheet;
}

void DataSheetEditor::saveCell() {
    storeText(remembered_, floater_->text());
}

void DataSheetEditor::editCell(Focus focus) {
    QModelIndex index = sheet_->currentIndex();
    if (!index.isValid())
        index = sheet_->model()->index(0, 0);
    // A cell out of view is scrolled into it first; the scroll saves the box's text into the
    // cell it was over.
    if (sheet_->isVisible())
        sheet_->scrollTo(index);
    remembered_ = {index.row() + 1, index.column() + 1};
    // A range chosen with the mouse lasts until the box moves on.
    sheet_->clearSelection();
    placeBox();
    floater_->setText(cellText(remembered_));
    floater_->setAccessibleName(cellName(remembered_));
    floater_->show();
    if (focus == Focus::Take)
        floater_->setFocus();
    emit boxMoved();
}

void DataSheetEditor::placeBox() {
    floater_->setGeometry(
        sheet_->visualRect(sheet_->model()->index(remembered_.row - 1, remembered_.column - 1)));
}

void DataSheetEditor::moveTo(CellPosition cell, Focus focus) {
    if (floater_->hasFocus())
        focus = Focus::Take;
    saveCell();
    sheet_->setCurrentCell(cell.row - 1, cell.column - 1);
    editCell(focus);
}

void DataSheetEditor::clear() {
    floater_->clear();
    sheet_->clearContents();
    sheet_->setCurrentCell(0, 0);
    editCell();
}

void DataSheetEditor::focusGrid() {
    sheet_->setFocus();
}

void DataSheetEditor::sheetClicked() {
    // A Shift+click that ends a range is the range's business.
    if (sheet_->holdsRange())
        return;
    saveCell();
    editCell();
}

void DataSheetEditor::rangeChosen() {
    // The box goes to the range's top-left cell, where a paste would start; the range stays
    // selected for copying.
    const QTableWidgetSelectionRange range = sheet_->range();
    saveCell();
    sheet_->setCurrentCell(range.topRow(), range.leftColumn());
    editCell();
    sheet_->setRangeSelected(range, true);
}

void DataSheetEditor::copyCells() {
    saveCell();
    if (!sheet_->holdsRange()) {
        replaceClipboardText(toStdString(cellText(remembered_)));
        return;
    }
    const QTableWidgetSelectionRange range = sheet_->range();
    std::vector<QStringList> rows;
    for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
        QStringList cells;
        for (int column = range.leftColumn(); column <= range.rightColumn(); ++column)
            cells << cellText({row + 1, column + 1});
        rows.push_back(cells);
    }
    replaceClipboardText(toStdString(tabSeparatedLines(rows)));
}

bool DataSheetEditor::pasteBlock() {
    const std::string text = toStdString(QGuiApplication::clipboard()->text());
    if (!holdsCellBlock(text))
        return false;
    saveCell();
    const CellPosition origin = remembered_;
    const QString lastColumn = sheet_->horizontalHeaderItem(shape_.columns - 1)->text();
    const PastedBlock pasted =
        pasteCellBlock(text, origin, DataSheet::kRows, shape_.columns, toStdString(lastColumn));
    for (const PlacedCell& cell : pasted.placed.cells)
        storeText(cell.cell, toQString(cell.text));
    sheet_->setCurrentCell(origin.row - 1, origin.column - 1);
    editCell();
    if (!pasted.notice.empty())
        emit noticed(sheet_->viewport(), floater_->geometry(), toQString(pasted.notice));
    if (!pasted.message.empty())
        alerts().showError(window_, toQString(pasted.message));
    return true;
}

void DataSheetEditor::sheetScrolled() {
    saveCell();
    // The box leaves the view until the next cell is edited; its keys go to the grid meanwhile.
    if (floater_->hasFocus())
        sheet_->setFocus();
    floater_->hide();
}

void DataSheetEditor::navigate(const SheetMove& move) {
    saveCell();
    if (const QString message = QString::fromLatin1(limitMessage(move.limit)); !message.isEmpty())
        alerts().showError(window_, message);
    else if (move.limit == SheetLimit::FirstRow)
        alerts().beep();
    sheet_->setCurrentCell(move.target.row - 1, move.target.column - 1);
    editCell();
}

void DataSheetEditor::act(PendingKey key) {
    const bool back = key.key == NavigationKey::Tab && key.shifted && shape_.keys.shiftTabGoesBack;
    if (shape_.keys.walk == SheetWalk::Columns) {
        navigate(back ? moveLeft(remembered_) : moveRight(remembered_));
    } else {
        navigate(back ? moveBackward(remembered_, shape_.columns)
                      : moveForward(remembered_, shape_.columns, shape_.advanceLimit));
    }
}

bool DataSheetEditor::floaterKeyPress(QKeyEvent* event) {
    if (isUnclaimedMenuChord(*event))
        return true;
    if (event->matches(QKeySequence::Paste))
        return pasteBlock();
    if (event->matches(QKeySequence::Copy) && !floater_->hasSelectedText()) {
        copyCells();
        return true;
    }
    const int key = event->key();
    if (key == Qt::Key_Down) {
        navigate(moveDown(remembered_));
        return true;
    }
    if (key == Qt::Key_Up) {
        navigate(moveUp(remembered_));
        return true;
    }
    if (!isTab(key) && !isEnter(key))
        return false;
    const PendingKey pressed{isTab(key) ? NavigationKey::Tab : NavigationKey::Enter,
                             isShifted(event)};
    const KeyMoment moment =
        pressed.key == NavigationKey::Tab ? shape_.keys.tab : shape_.keys.enter;
    if (moment == KeyMoment::Press)
        act(pressed);
    else if (!event->isAutoRepeat())
        pending_ = pressed;
    return true;
}

bool DataSheetEditor::floaterKeyRelease(QKeyEvent* event) {
    const int key = event->key();
    if (!isTab(key) && !isEnter(key))
        return false;
    const NavigationKey released = isTab(key) ? NavigationKey::Tab : NavigationKey::Enter;
    if (!event->isAutoRepeat() && pending_ && pending_->key == released) {
        const PendingKey pressed = *pending_;
        pending_.reset();
        act(pressed);
    }
    return true;
}

bool DataSheetEditor::sheetKeyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyCells();
        return true;
    }
    if (isEnter(event->key())) {
        if (shape_.keys.enterOnGridActsAsTab)
            sendKeyString(u"{Tab}", sheet_);
        return true;
    }
    // The grid does not edit and does not search: typed characters are dropped.
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}

bool DataSheetEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == floater_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return floaterKeyPress(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return floaterKeyRelease(static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            pending_.reset();
            saveCell();
            return false;
        default:
            return false;
        }
    }
    if (watched == sheet_ && event->type() == QEvent::KeyPress)
        return sheetKeyPress(static_cast<QKeyEvent*>(event));
    return false;
}

} // namespace quillon
