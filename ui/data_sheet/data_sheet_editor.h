// The grid editor of a data sheet window: the grid Sheet1 with its heading row and row numbers,
// the box Floater laid over the remembered cell, the one-shot Timer1, the keys that move the box
// and the limits that stop it. Typed text is saved into the grid before anything ends the editing
// of a cell: a click, a key, a scroll, the loss of the focus.
#pragma once

#include "calculations/common/data_sheet.h"
#include "ui/data_sheet/data_sheet_layout.h"
#include "ui/data_sheet/sheet_grid.h"
#include "ui/data_sheet/sheet_moves.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QTimer;
class QWidget;

namespace quillon {

class SheetCorner;

class DataSheetEditor : public QObject {
    Q_OBJECT
public:
    enum class Focus { Take, Leave };

    // Builds the grid and its box as children of the window (the window places the grid) and
    // puts the box over cell (1, 1); Timer1 gives it the focus once the window is showing.
    DataSheetEditor(QWidget* window, const SheetShape& shape);

    SheetGrid* sheet() const { return sheet_; }
    QLineEdit* floater() const { return floater_; }
    QTimer* timer() const { return timer_; }

    // The cell the box is over (CurRow, CurCol).
    CellPosition remembered() const { return remembered_; }

    // The grid's width in logical pixels: its columns, frame and scroll bar, or its design width.
    int gridWidth() const;
    // The tallest grid height up to the given one (logical pixels) that shows whole rows.
    int heightForWholeRows(int height) const;

    void setHeadings(const std::vector<std::string>& headings);

    // SaveCell: the box's text into the remembered cell.
    void saveCell();
    // EditCell: the box over the grid's current cell, with that cell's text.
    void editCell(Focus focus = Focus::Take);
    // Saves, makes the cell current and edits it.
    void moveTo(CellPosition cell, Focus focus = Focus::Take);
    // Empties the box and every data cell, then edits cell (1, 1).
    void clear();
    void focusGrid();

    QString cellText(CellPosition cell) const;
    void setCellText(CellPosition cell, const QString& text);
    // Every data cell's text, as the calculations read them.
    DataSheet contents() const;

    // What screen readers call a cell: its row and column heading.
    QString cellName(CellPosition cell) const;

    // The range chosen with the mouse, or else the box's cell, onto the clipboard.
    void copyCells();
    // A block of cells on the clipboard laid onto the grid from the box's cell; the box ends over
    // that cell. A first line of headings over lines of numbers is left out, and noticed says so.
    // False, and nothing done, when the clipboard holds plain text for the box.
    bool pasteBlock();

signals:
    // Something the user should know of a paste that did not go as the clipboard read: the text,
    // to be shown beside the area (the cell the block starts at, in the anchor's coordinates,
    // the grid's viewport).
    void noticed(QWidget* anchor, const QRect& area, const QString& text);
    // The box was laid over a cell (the same or another one).
    void boxMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class NavigationKey { Tab, Enter };
    struct PendingKey {
        NavigationKey key;
        bool shifted;
    };

    void buildSheet();
    // Stores a cell's text, leaving the box alone.
    void storeText(CellPosition cell, const QString& text);
    // Lays the box over the remembered cell.
    void placeBox();
    bool floaterKeyPress(QKeyEvent* event);
    bool floaterKeyRelease(QKeyEvent* event);
    bool sheetKeyPress(QKeyEvent* event);
    void act(PendingKey key);
    void navigate(const SheetMove& move);
    void sheetClicked();
    void rangeChosen();
    void sheetScrolled();

    QWidget* window_;
    const SheetShape& shape_;
    SheetGrid* sheet_ = nullptr;
    QLineEdit* floater_ = nullptr;
    QTimer* timer_ = nullptr;
    SheetCorner* corner_ = nullptr;
    CellPosition remembered_;
    // A Tab or Enter that acts when it comes up: only the release of a press the box saw counts,
    // so a key pressed elsewhere (to close a message box, say) does not move the cursor.
    std::optional<PendingKey> pending_;
};

} // namespace quillon
