// The data sheet windows: the grid editor's cursor, keys and limits, "Clear", pasting and copying
// blocks of cells, and one calculation of each window through its widgets.
#include "calculations/common/cell_block.h"
#include "tests/ui/ui_test_support.h"
#include "ui/common/notice_bubble.h"
#include "ui/common/visible_edges_style.h"
#include "ui/data_sheet/answer_table_model.h"
#include "ui/data_sheet/data_sheet_window.h"
#include "ui/main_window/main_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quillon;
using namespace quillon::testing;

Q_DECLARE_METATYPE(quillon::CellPosition)

namespace {

// The bounding box of the dark pixels (text) inside a rectangle of an image, relative to it.
QRect inkIn(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ink |= QRect(x - area.left(), y - area.top(), 1, 1);
    }
    return ink;
}

QString cellName(CellPosition cell) {
    return QStringLiteral("(%1, %2)").arg(cell.row).arg(cell.column);
}

} // namespace

class DataSheetWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    RecordingAlerts* recorded_ = nullptr;
    std::unique_ptr<DataSheetWindow> window_;

    DataSheetWindow& open(const QString& name) {
        window_ = std::make_unique<DataSheetWindow>(*findByWindow(name.toStdString()));
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("window did not become active");
        return *window_;
    }
    DataSheetEditor& editor() { return window_->editor(); }
    QTableWidget* sheet() { return editor().sheet(); }
    QLineEdit* floater() { return editor().floater(); }
    QRect cellRect(CellPosition cell) {
        return sheet()->visualRect(sheet()->model()->index(cell.row - 1, cell.column - 1));
    }
    void click(CellPosition cell) {
        QTest::mouseClick(sheet()->viewport(), Qt::LeftButton, {}, cellRect(cell).center());
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Types each value into the focused cell, each followed by its key.
    void typeRow(const QStringList& values, Qt::Key between, Qt::Key after) {
        for (int i = 0; i < values.size(); ++i) {
            QTest::keyClicks(QApplication::focusWidget(), values[i]);
            key(i + 1 < values.size() ? between : after);
        }
    }
    void calculate() { window_->findChild<QPushButton*>("Command1")->click(); }
    QString answer() { return window_->findChild<QLabel*>("Answer")->text(); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    // Every data cell that holds text, by its position.
    QMap<QString, QString> filledCells() {
        QMap<QString, QString> cells;
        for (int row = 1; row <= sheet()->rowCount(); ++row) {
            for (int column = 1; column <= sheet()->columnCount(); ++column)
                if (const QString text = editor().cellText({row, column}); !text.isEmpty())
                    cells.insert(cellName({row, column}), text);
        }
        return cells;
    }
    // The same as "position=text" lines, sorted.
    QStringList filledCellList() {
        QStringList filled;
        const QMap<QString, QString> cells = filledCells();
        for (auto cell = cells.begin(); cell != cells.end(); ++cell)
            filled << cell.key() + "=" + cell.value();
        std::sort(filled.begin(), filled.end());
        return filled;
    }
    bool boxIsInView() {
        return floater()->isVisible() &&
               sheet()->viewport()->rect().contains(floater()->geometry());
    }

private slots:
    // The pictures of the sheet are taken in the program's own look.
    void initTestCase() { useVisibleEdgesStyle(); }
    void init() {
        alerts_ = std::make_unique<AlertsOnRecord>();
        recorded_ = &alerts_->recorded;
        QGuiApplication::clipboard()->setText("before");
    }
    void cleanup() {
        window_.reset();
        const QStringList boxes = alerts_->unexpectedBoxes();
        recorded_ = nullptr;
        alerts_.reset();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("; ")));
    }

    void opens_with_its_headings_and_the_cursor_in_cell_1_1_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<int>("interval");
        QTest::newRow("Counts1") << "Counts1" << QStringList{"A", "B", "Y", "Z"} << 100;
        QTest::newRow("Means0") << "Means0" << QStringList{"Data"} << 100;
        QTest::newRow("Means1") << "Means1" << QStringList{"Var. 1", "Var. 2"} << 100;
        QTest::newRow("Means6") << "Means6" << QStringList{"Mean", "SD", "N"} << 100;
        QTest::newRow("Correl") << "Correl" << QStringList{"IV", "DV"} << 500;
    }
    void opens_with_its_headings_and_the_cursor_in_cell_1_1() {
        QFETCH(QString, window);
        QFETCH(QStringList, headings);
        QFETCH(int, interval);
        open(window);
        QCOMPARE(editor().timer()->interval(), interval);
        QTRY_VERIFY(!editor().timer()->isActive());
        QCOMPARE(QApplication::focusWidget(), floater());
        QCOMPARE(editor().remembered(), (CellPosition{1, 1}));
        QCOMPARE(floater()->geometry(), cellRect({1, 1}));
        QCOMPARE(sheet()->rowCount(), 100);
        QStringList shown;
        for (int c = 0; c < sheet()->columnCount(); ++c) {
            const QString heading = sheet()->horizontalHeaderItem(c)->text();
            if (window != "Counts1" || c < 2 || c > 23)
                shown << heading;
        }
        QCOMPARE(shown, headings);
        QCOMPARE(sheet()->verticalHeaderItem(0)->text(), QString(" 1"));
        QCOMPARE(sheet()->verticalHeaderItem(99)->text(), QString(" 100"));
        if (window != "Counts1") // the others are as wide as their columns
            QCOMPARE(sheet()->horizontalScrollBar()->maximum(), 0);
    }

    void alt_chords_do_not_type_into_a_cell() {
        open("Means1");
        QTest::keyClicks(floater(), "10");
        QTest::keyClick(floater(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(floater()->text(), QString("10"));
    }

    void typing_then_clicking_another_cell_keeps_the_text() {
        open("Means1");
        QTest::keyClicks(floater(), "12.5");
        click({3, 2});
        QCOMPARE(editor().cellText({1, 1}), QString("12.5"));
        QCOMPARE(editor().remembered(), (CellPosition{3, 2}));
        QCOMPARE(floater()->geometry(), cellRect({3, 2}));
        QCOMPARE(QApplication::focusWidget(), floater());
        click({1, 1});
        QCOMPARE(floater()->text(), QString("12.5"));
    }

    void keys_move_the_cursor_on_press_or_on_release_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<CellPosition>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("onPress");
        QTest::addColumn<CellPosition>("to");
        const int shift = Qt::ShiftModifier;
        const auto row = [](const char* name, const char* window, CellPosition from, int key,
                            int modifiers, bool onPress, CellPosition to) {
            QTest::newRow(name) << window << from << key << modifiers << onPress << to;
        };
        row("Means0 Enter goes down", "Means0", {1, 1}, Qt::Key_Return, 0, false, {2, 1});
        row("Means0 Shift+Tab goes down too", "Means0", {4, 1}, Qt::Key_Tab, shift, false, {5, 1});
        row("Means0 Enter stays on row 99", "Means0", {99, 1}, Qt::Key_Return, 0, false, {99, 1});
        row("Means0 Enter stays on row 100", "Means0", {100, 1}, Qt::Key_Enter, 0, false, {100, 1});
        row("Means1 Tab goes right", "Means1", {1, 1}, Qt::Key_Tab, 0, false, {1, 2});
        row("Means1 Enter wraps", "Means1", {1, 2}, Qt::Key_Return, shift, false, {2, 1});
        row("Means1 Shift+Tab wraps back", "Means1", {2, 1}, Qt::Key_Tab, shift, false, {1, 2});
        row("Means1 Shift+Tab at 1, 1", "Means1", {1, 1}, Qt::Key_Tab, shift, false, {1, 1});
        row("Means1 Enter wraps within row 99", "Means1", {99, 2}, Qt::Key_Return, 0, false,
            {99, 1});
        row("Means6 Enter wraps to row 100", "Means6", {99, 3}, Qt::Key_Return, 0, false, {100, 1});
        row("Means6 Enter wraps within row 100", "Means6", {100, 3}, Qt::Key_Return, 0, false,
            {100, 1});
        row("Correl Tab on press", "Correl", {1, 1}, Qt::Key_Tab, 0, true, {1, 2});
        row("Correl Shift+Tab on press", "Correl", {3, 1}, Qt::Key_Tab, shift, true, {2, 2});
        row("Correl Enter on release", "Correl", {1, 2}, Qt::Key_Return, 0, false, {2, 1});
        row("Correl Enter wraps within row 99", "Correl", {99, 2}, Qt::Key_Return, 0, false,
            {99, 1});
        row("Counts1 Tab on press", "Counts1", {1, 1}, Qt::Key_Tab, 0, true, {1, 2});
        row("Counts1 Enter goes right", "Counts1", {3, 4}, Qt::Key_Return, 0, true, {3, 5});
        row("Counts1 Shift+Tab goes left", "Counts1", {2, 3}, Qt::Key_Tab, shift, true, {2, 2});
        row("Counts1 Shift+Tab at column A", "Counts1", {2, 1}, Qt::Key_Tab, shift, true, {2, 1});
        row("Down", "Means6", {5, 2}, Qt::Key_Down, 0, true, {6, 2});
        row("Up", "Counts1", {5, 7}, Qt::Key_Up, 0, true, {4, 7});
    }
    void keys_move_the_cursor_on_press_or_on_release() {
        QFETCH(QString, window);
        QFETCH(CellPosition, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, onPress);
        QFETCH(CellPosition, to);
        open(window);
        editor().moveTo(from);
        QTest::keyClicks(floater(), "x");
        const auto k = static_cast<Qt::Key>(key);
        const auto m = static_cast<Qt::KeyboardModifiers>(modifiers);
        QTest::keyPress(floater(), k, m);
        QCOMPARE(cellName(editor().remembered()), cellName(onPress ? to : from));
        QTest::keyRelease(floater(), k, m);
        QCOMPARE(cellName(editor().remembered()), cellName(to));
        QCOMPARE(QApplication::focusWidget(), floater());
        QVERIFY(boxIsInView());
        QCOMPARE(editor().cellText(from), QString("x"));
        QCOMPARE(recorded_->beeps + recorded_->errors.size(), 0);
    }

    void a_release_without_its_press_does_not_move() {
        open("Means1");
        QTest::keyRelease(floater(), Qt::Key_Return);
        QCOMPARE(editor().remembered(), (CellPosition{1, 1}));
    }

    void rows_end_at_100_with_a_message_and_at_1_with_a_beep() {
        open("Means0");
        key(Qt::Key_Up);
        QCOMPARE(recorded_->beeps, 1);
        QCOMPARE(editor().remembered(), (CellPosition{1, 1}));
        for (int row = 1; row < 100; ++row)
            key(Qt::Key_Down);
        QCOMPARE(editor().remembered(), (CellPosition{100, 1}));
        QVERIFY(boxIsInView());
        QTest::keyClicks(floater(), "7");
        key(Qt::Key_Down);
        QCOMPARE(recorded_->errors, QStringList{"Maximum rows reached."});
        QCOMPARE(editor().remembered(), (CellPosition{100, 1}));
        QCOMPARE(floater()->text(), QString("7"));
        QCOMPARE(QApplication::focusWidget(), floater());
    }

    void counts1_walks_right_to_z_then_says_maximum_columns() {
        open("Counts1");
        for (int column = 1; column < 26; ++column)
            key(Qt::Key_Return);
        QCOMPARE(editor().remembered(), (CellPosition{1, 26}));
        QVERIFY(boxIsInView());
        QVERIFY(recorded_->errors.isEmpty());
        key(Qt::Key_Tab);
        QCOMPARE(recorded_->errors, QStringList{"Maximum columns reached."});
        QCOMPARE(editor().remembered(), (CellPosition{1, 26}));
    }

    void scrolling_hides_the_box_without_losing_the_text() {
        open("Means0");
        QTest::keyClicks(floater(), "42");
        sheet()->verticalScrollBar()->setValue(30);
        QVERIFY(!floater()->isVisible());
        QCOMPARE(editor().cellText({1, 1}), QString("42"));
        click({35, 1});
        QVERIFY(boxIsInView());
        QCOMPARE(editor().remembered(), (CellPosition{35, 1}));
        QCOMPARE(editor().cellText({1, 1}), QString("42"));
    }

    void clear_empties_all_100_rows_and_the_answer_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"Counts1", "Means0", "Means1", "Means6", "Correl"})
            QTest::newRow(name) << name;
    }
    void clear_empties_all_100_rows_and_the_answer() {
        QFETCH(QString, window);
        open(window);
        auto* population = window_->findChild<QLineEdit*>("Population");
        auto* answerGrid = window_->findChild<QTableView*>("Grid1");
        if (answerGrid != nullptr) {
            typeRow({"10", "2", "10", "12", "2", "10"}, Qt::Key_Tab, Qt::Key_Return);
            calculate();
            QVERIFY(answerGrid->isVisible());
        }
        const int columns = sheet()->columnCount();
        for (int row = 1; row <= 100; ++row)
            for (int column = 1; column <= columns; ++column)
                editor().setCellText({row, column}, QString::number(row + column));
        if (population != nullptr)
            population->setText("500");
        if (answerGrid == nullptr) {
            calculate();
            QVERIFY(!answer().isEmpty());
        }
        sheet()->verticalScrollBar()->setValue(50);
        window_->findChild<QPushButton*>("Command2")->click();
        for (int row = 1; row <= 100; ++row)
            for (int column = 1; column <= columns; ++column)
                QVERIFY(editor().cellText({row, column}).isEmpty());
        QVERIFY(editor().contents().text(100, columns).empty());
        QCOMPARE(editor().remembered(), (CellPosition{1, 1}));
        QCOMPARE(QApplication::focusWidget(), floater());
        QVERIFY(boxIsInView());
        if (answerGrid != nullptr)
            QVERIFY(!answerGrid->isVisible());
        else
            QCOMPARE(answer(), QString());
        if (population != nullptr)
            QCOMPARE(population->text(), QString());
    }

    void means0_describes_the_sample_typed_down_column_1() {
        open("Means0");
        typeRow({"2", "4", "4", "4", "5", "5", "7", "9"}, Qt::Key_Return, Qt::Key_Return);
        window_->findChild<QLineEdit*>("Population")->setText("100");
        calculate();
        QVERIFY(answer().startsWith("Mean = 5.000     N = 8\n\nUnbiased standard deviation = "
                                    "2.138\n\nCorrected standard error of the mean = "));
        QVERIFY(answer().endsWith("Median = 4.500"));
        QCOMPARE(clipboard(), answer());
        QCOMPARE(editor().remembered(), (CellPosition{9, 1}));
    }

    void means1_tests_the_pairs_and_copies_the_summary() {
        open("Means1");
        for (const QStringList& pair :
             {QStringList{"10", "8"}, {"12", "9"}, {"9", "9"}, {"14", "10"}})
            typeRow(pair, Qt::Key_Tab, Qt::Key_Return);
        calculate();
        QVERIFY(answer().contains("t-statistic = 2.635\n\nDegrees of freedom =  3\n\n"));
        QVERIFY(clipboard().startsWith("Var. 1:  Mean = 11.250    SD = "));
        QVERIFY(clipboard().contains("\n\nt(3)=2.635, p=."));
    }

    void means6_fills_grid1_and_calculate_saves_the_cell_being_typed() {
        open("Means6");
        typeRow({"10", "2", "10", "12", "2", "10", "14", "2"}, Qt::Key_Tab, Qt::Key_Tab);
        QTest::keyClicks(floater(), "10"); // still in the box when Calculate is pressed
        calculate();
        auto* grid = window_->findChild<QTableView*>("Grid1");
        QVERIFY(grid->isVisible());
        const QAbstractItemModel* table = grid->model();
        const auto cell = [table](int r, int c) { return table->index(r, c).data().toString(); };
        QCOMPARE(table->rowCount(), 19);
        QCOMPARE((QStringList{cell(3, 0), cell(3, 1), cell(3, 2), cell(3, 3), cell(3, 4)}),
                 (QStringList{"Between", " 2", "80.0", "40.0", "10.000"}));
        QCOMPARE(cell(4, 2), QString("108.0"));
        QCOMPARE(cell(5, 2), QString("188.0"));
        QCOMPARE(cell(15, 1), QString(" 3"));
        QVERIFY(clipboard().startsWith("F(2,27)=10, p=."));
    }

    // Rows of cells as "mean,sd,n"; the box is left typing in another cell when Calculate is
    // pressed. A fault of (0, 0) means the refusal names no cell.
    void a_refusal_puts_the_box_on_the_cell_at_fault_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<CellPosition>("typing");
        QTest::addColumn<CellPosition>("fault");
        QTest::addColumn<QString>("message");
        const CellPosition none{0, 0};
        QTest::newRow("Means6 empty SD") << "Means6" << QStringList{"10,2,10", "12,,10", "14,2,10"}
                                         << CellPosition{50, 1} << CellPosition{2, 2} << "";
        QTest::newRow("Means6 SD of 0") << "Means6" << QStringList{"10,0,10", "12,2,10"}
                                        << CellPosition{50, 1} << CellPosition{1, 2} << "";
        QTest::newRow("Means6 N of 1.5") << "Means6" << QStringList{"10,2,10", "12,2,1.5"}
                                         << CellPosition{50, 1} << CellPosition{2, 3} << "";
        QTest::newRow("Means6 empty N before a later fault")
            << "Means6" << QStringList{"10,2,", "12,0,10"} << CellPosition{50, 1}
            << CellPosition{1, 3} << "";
        QTest::newRow("Means6 typing the empty SD itself")
            << "Means6" << QStringList{"10,2,10", "12,,10"} << CellPosition{2, 3}
            << CellPosition{2, 2} << "";
        QTest::newRow("Counts1 empty cell inside the table")
            << "Counts1" << QStringList{"5", "", ",,5"} << CellPosition{2, 1} << CellPosition{1, 2}
            << "Row 1 Column B has no data.";
        QTest::newRow("Counts1 hole in a row")
            << "Counts1" << QStringList{"5,,5", "5,5,5"} << CellPosition{2, 1} << CellPosition{1, 2}
            << "Row 1 Column B has no data.";
        QTest::newRow("Counts1 expected frequency of 0 or less")
            << "Counts1" << QStringList{"10,-20", "30,40"} << CellPosition{2, 2}
            << CellPosition{1, 1} << "Row 1 Column A has an expected frequency of 0 or less.";
        QTest::newRow("Counts1 a single cell")
            << "Counts1" << QStringList{} << CellPosition{1, 1} << none << "";
        QTest::newRow("Means0 one value")
            << "Means0" << QStringList{"7"} << CellPosition{50, 1} << none << "";
        QTest::newRow("Means1 one pair")
            << "Means1" << QStringList{"1,2"} << CellPosition{50, 1} << none << "";
        QTest::newRow("Means6 one group")
            << "Means6" << QStringList{"10,2,10"} << CellPosition{50, 1} << none << "";
        QTest::newRow("Means6 100 groups")
            << "Means6" << QStringList(100, "10,2,10") << CellPosition{50, 1} << none << "";
        QTest::newRow("Correl two pairs")
            << "Correl" << QStringList{"1,2", "3,4"} << CellPosition{50, 1} << none << "";
    }

    void a_refusal_puts_the_box_on_the_cell_at_fault() {
        QFETCH(QString, window);
        QFETCH(QStringList, rows);
        QFETCH(CellPosition, typing);
        QFETCH(CellPosition, fault);
        QFETCH(QString, message);
        open(window);
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].split(',');
            for (int c = 0; c < cells.size(); ++c)
                editor().setCellText({r + 1, c + 1}, cells[c]);
        }
        editor().moveTo(typing);
        const QString typed = editor().cellText(typing) + "3";
        QTest::keyClicks(floater(), "3");
        window_->findChild<QPushButton*>("Command1")->setFocus();
        const bool namesACell = fault.row != 0;
        calculate();

        QCOMPARE(recorded_->errors, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(recorded_->beeps, message.isEmpty() ? 1 : 0);
        QCOMPARE(editor().cellText(typing), typed);
        const CellPosition mend = namesACell ? fault : typing;
        QCOMPARE(editor().remembered(), mend);
        QCOMPARE(QApplication::focusWidget(), floater());
        QVERIFY(boxIsInView());
        QCOMPARE(floater()->geometry(), cellRect(mend));
        QCOMPARE(floater()->text(), editor().cellText(mend));

        // The next keys change the cell at fault and nothing else.
        const QMap<QString, QString> before = filledCells();
        QTest::keyClicks(QApplication::focusWidget(), "77");
        editor().saveCell();
        QMap<QString, QString> expected = before;
        expected[cellName(mend)] = before.value(cellName(mend)) + "77";
        QCOMPARE(filledCells(), expected);
    }

    void means6_with_99_groups_lists_every_pair() {
        open("Means6");
        for (int row = 1; row <= 99; ++row) {
            editor().setCellText({row, 1}, QString::number(50 + row % 17));
            editor().setCellText({row, 2}, QString::number(3 + row % 5));
            editor().setCellText({row, 3}, QString::number(5 + row % 40));
        }
        calculate();
        const QAbstractItemModel* table = window_->findChild<QTableView*>("Grid1")->model();
        QCOMPARE(table->rowCount(), 9715);
        QCOMPARE(table->index(9711, 0).data().toString(), QString(" 98"));
        QCOMPARE(table->index(9711, 1).data().toString(), QString(" 99"));
    }

    void counts1_corrects_a_small_table_and_ticks_the_box() {
        open("Counts1");
        typeRow({"3", "5"}, Qt::Key_Tab, Qt::Key_Down);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        typeRow({"4", "6"}, Qt::Key_Tab, Qt::Key_Up);
        auto* yates = window_->findChild<QCheckBox*>("UseYates");
        QVERIFY(!yates->isChecked());
        calculate();
        QVERIFY(yates->isChecked());
        QVERIFY(answer().startsWith("Corrected chi-square statistic = "));
        QVERIFY(clipboard().startsWith(QString::fromUtf8("X\u00B2(1,n=18)=")));
    }

    void an_arithmetic_error_keeps_answer_clipboard_and_cells() {
        open("Counts1");
        typeRow({"10", "20"}, Qt::Key_Tab, Qt::Key_Down);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        typeRow({"30", "40"}, Qt::Key_Tab, Qt::Key_Up);
        calculate();
        const QString kept = answer();
        editor().setCellText({1, 1}, "1");
        editor().setCellText({1, 2}, "-2");
        editor().setCellText({2, 1}, "-2");
        editor().setCellText({2, 2}, "3"); // rows add up to -1 and 1: no total
        const QString summary = clipboard();
        calculate();
        QCOMPARE(recorded_->errors,
                 QStringList{"Division by zero: the values entered cannot be calculated."});
        QCOMPARE(answer(), kept);
        QCOMPARE(clipboard(), summary);
        QCOMPARE(editor().cellText({2, 2}), QString("3"));
    }

    void correl_follows_the_chosen_method() {
        open("Correl");
        QCOMPARE(window_->helpTopic(), 65);
        const auto options = window_->findChildren<QRadioButton*>("CorrelType");
        QCOMPARE(options.size(), 3);
        QVERIFY(options[2]->isChecked());
        options[0]->click();
        QCOMPARE(window_->windowTitle(), QString("Pearson's product-moment correlation"));
        QCOMPARE(sheet()->horizontalHeaderItem(0)->text(), QString("Var. 1"));
        QCOMPARE(window_->helpTopic(), 64);
        floater()->setFocus();
        for (const QStringList& pair :
             {QStringList{"1", "1"}, {"2", "3"}, {"3", "2"}, {"4", "5"}, {"5", "4"}})
            typeRow(pair, Qt::Key_Tab, Qt::Key_Return);
        calculate();
        QVERIFY(answer().startsWith("Correlation coefficient = 0.800\n\n"));
        QCOMPARE(clipboard(), QString("before"));
        options[2]->click();
        QCOMPARE(window_->windowTitle(), QString("Linear regression"));
        QCOMPARE(sheet()->horizontalHeaderItem(1)->text(), QString("DV"));
        calculate();
        QVERIFY(answer().startsWith("Model:  y = "));
        QCOMPARE(clipboard(), answer());
    }

    void escape_in_the_box_leaves_window_and_cells_alone() {
        open("Means0");
        typeRow({"2", "4"}, Qt::Key_Return, Qt::Key_Return);
        QTest::keyClick(floater(), Qt::Key_Escape);
        QVERIFY(window_->isVisible());
        QCOMPARE(editor().cellText({2, 1}), QString("4"));
    }

    void correl_ignores_enter_on_the_grid() {
        open("Correl");
        editor().focusGrid();
        key(Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), sheet());
    }

    void rows_show_whole_before_and_after_scrolling_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"Counts1", "Means0", "Means1", "Means6", "Correl"})
            QTest::newRow(name) << name;
    }
    void rows_show_whole_before_and_after_scrolling() {
        QFETCH(QString, window);
        open(window);
        const int rowHeight = sheet()->rowHeight(0);
        QCOMPARE(sheet()->viewport()->height() % rowHeight, 0);
        if (const auto* answers = window_->findChild<QTableView*>("Grid1")) {
            QCOMPARE(
                answers->viewport()->height() % answers->verticalHeader()->defaultSectionSize(), 0);
        }
        editor().moveTo({60, 1});
        QCOMPARE(sheet()->visualRect(sheet()->model()->index(sheet()->rowAt(0), 0)).top(), 0);
        QVERIFY(boxIsInView());
    }

    void text_stands_alike_in_the_box_the_cells_and_the_row_numbers() {
        open("Means1");
        editor().setCellText({1, 1}, "10");
        editor().moveTo({2, 1});
        QTest::keyClicks(floater(), "10");
        floater()->setReadOnly(true); // no caret in the picture
        const QImage image = window_->grab().toImage();
        const auto inWindow = [this](QWidget* widget, const QRect& rect) {
            return QRect(widget->mapTo(window_.get(), rect.topLeft()), rect.size());
        };
        const QRect cell1 = inWindow(sheet()->viewport(), cellRect({1, 1}));
        const QRect cell2 = inWindow(sheet()->viewport(), cellRect({2, 1}));
        QHeaderView* numbers = sheet()->verticalHeader();
        const QRect number1 =
            inWindow(numbers->viewport(), QRect(0, numbers->sectionViewportPosition(0),
                                                numbers->width(), sheet()->rowHeight(0)));
        const QRect typed = inkIn(image, cell2.adjusted(1, 1, -1, -1));
        QVERIFY(!typed.isEmpty());
        QCOMPARE(inkIn(image, cell1.adjusted(1, 1, -1, -1)), typed);
        // The row number " 1" and the cell's "1" share their top and bottom.
        const QRect number = inkIn(image, number1.adjusted(1, 1, -1, -1));
        QCOMPARE(number.top(), typed.top());
        QCOMPARE(number.bottom(), typed.bottom());
    }

    void post_hoc_group_numbers_are_aligned_alike() {
        open("Means6");
        for (int row = 1; row <= 3; ++row) {
            editor().setCellText({row, 1}, QString::number(10 + row));
            editor().setCellText({row, 2}, "2");
            editor().setCellText({row, 3}, "10");
        }
        calculate();
        const QAbstractItemModel* table = window_->findChild<QTableView*>("Grid1")->model();
        const auto alignment = [table](int row, int column) {
            return table->index(row, column).data(Qt::TextAlignmentRole).toInt();
        };
        QCOMPARE(table->index(11, 0).data().toString(), QString(" 1"));
        QCOMPARE(alignment(3, 0), int(Qt::AlignLeft | Qt::AlignVCenter)); // "Between"
        QCOMPARE(alignment(9, 0), alignment(9, 1));                       // "Group", "Group"
        QCOMPARE(alignment(11, 0), alignment(11, 1));
    }

    void a_refusal_empties_the_answer_and_keeps_the_box_where_it_was() {
        open("Means0");
        typeRow({"3", "5"}, Qt::Key_Return, Qt::Key_Return);
        calculate();
        QVERIFY(!answer().isEmpty());
        editor().moveTo({2, 1});
        QTest::keyClick(floater(), Qt::Key_Backspace);
        calculate();
        QCOMPARE(recorded_->beeps, 1);
        QCOMPARE(answer(), QString());
        QCOMPARE(editor().remembered(), (CellPosition{2, 1}));
    }

    // A block on the clipboard pasted with Ctrl+V from a cell. Cells are "(row, column)=text";
    // those given before are in the grid before the paste.
    void a_pasted_block_fills_the_grid_from_the_box_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<CellPosition>("from");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* window, QStringList before,
                            CellPosition from, const char* clipboard, QStringList after,
                            const char* message) {
            QTest::newRow(name) << window << before << from << QString::fromUtf8(clipboard) << after
                                << QString::fromUtf8(message);
        };
        row("tabs and CR LF, texts as pasted", "Means1", {}, {1, 1}, "1\t 2 \r\nx3\t4\r\n",
            {"(1, 1)=1", "(1, 2)= 2 ", "(2, 1)=x3", "(2, 2)=4"}, "");
        row("a trailing line break adds no row", "Means0", {"(3, 1)=kept"}, {1, 1}, "5\n6\n",
            {"(1, 1)=5", "(2, 1)=6", "(3, 1)=kept"}, "");
        row("a short or empty line empties its cells", "Means1",
            {"(1, 2)=old", "(2, 1)=old", "(2, 2)=old", "(3, 2)=old"}, {1, 1}, "1\n\n3\t4\n",
            {"(1, 1)=1", "(3, 1)=3", "(3, 2)=4"}, "");
        row("3 x 2 at row 99 of Means1", "Means1", {}, {99, 1}, "1\t2\n3\t4\n5\t6\n",
            {"(99, 1)=1", "(99, 2)=2", "(100, 1)=3", "(100, 2)=4"},
            "2 values were left out: the data sheet ends at row 100.");
        row("beyond the last column", "Means6", {}, {1, 2}, "a\tb\tc\n", {"(1, 2)=a", "(1, 3)=b"},
            "1 value was left out: the data sheet ends at column N.");
        row("beyond column Z", "Counts1", {}, {1, 25}, "a\tb\tc\td\n", {"(1, 25)=a", "(1, 26)=b"},
            "2 values were left out: the data sheet ends at column Z.");
        row("beyond both ends", "Means6", {}, {100, 3}, "1\t2\n3\t4\n", {"(100, 3)=1"},
            "3 values were left out: the data sheet ends at row 100 and at column N.");
        row("empty cells beyond are not counted", "Means0", {}, {100, 1}, "1\n\n\n", {"(100, 1)=1"},
            "");
    }
    void a_pasted_block_fills_the_grid_from_the_box() {
        QFETCH(QString, window);
        QFETCH(QStringList, before);
        QFETCH(CellPosition, from);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, after);
        QFETCH(QString, message);
        open(window);
        for (const QString& cell : before) {
            const auto parts = QRegularExpression(R"(\((\d+), (\d+)\)=(.*))").match(cell);
            editor().setCellText({parts.captured(1).toInt(), parts.captured(2).toInt()},
                                 parts.captured(3));
        }
        editor().moveTo(from);
        QGuiApplication::clipboard()->setText(clipboard);
        key(Qt::Key_V, Qt::ControlModifier);
        std::sort(after.begin(), after.end());
        QCOMPARE(filledCellList(), after);
        QCOMPARE(recorded_->errors, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(editor().remembered(), from);
        QCOMPARE(floater()->text(), editor().cellText(from));
        QCOMPARE(QApplication::focusWidget(), floater());
        QVERIFY(boxIsInView());
    }

    // A block pasted with Ctrl+V whose first line may be headings; notice is what the editor
    // says of it (empty: it says nothing), message the "Error" box of values left out.
    void a_heading_line_is_left_out_and_noticed_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<CellPosition>("from");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* window, CellPosition from,
                            const char* clipboard, QStringList after, const char* notice,
                            const char* message) {
            QTest::newRow(name) << window << from << QString::fromUtf8(clipboard) << after
                                << QString::fromUtf8(notice) << QString::fromUtf8(message);
        };
        const char* weight = "The first line was taken as headings and left out: Weight.";
        row("a column with its heading", "Means0", {1, 1}, "Weight\n12\n14\n",
            {"(1, 1)=12", "(2, 1)=14"}, weight, "");
        row("headings of two columns", "Means1", {3, 1}, "Var 1\tVar 2\r\n1\t2\r\n",
            {"(3, 1)=1", "(3, 2)=2"},
            "The first line was taken as headings and left out: Var 1, Var 2.", "");
        row("comma-separated, from column B", "Counts1", {1, 2}, "A,B\n5,6\n7,8\n",
            {"(1, 2)=5", "(1, 3)=6", "(2, 2)=7", "(2, 3)=8"},
            "The first line was taken as headings and left out: A, B.", "");
        row("the heading does not count as left out", "Means0", {99, 1}, "Weight\n1\n2\n3\n",
            {"(99, 1)=1", "(100, 1)=2"}, weight,
            "1 value was left out: the data sheet ends at row 100.");
        row("a first line of numbers is pasted", "Means0", {1, 1}, "12\n14\n",
            {"(1, 1)=12", "(2, 1)=14"}, "", "");
        row("words only are pasted", "Means0", {1, 1}, "Weight\nheavy\n",
            {"(1, 1)=Weight", "(2, 1)=heavy"}, "", "");
        row("a single line is pasted", "Means6", {1, 1}, "Mean\tSD\tN\n",
            {"(1, 1)=Mean", "(1, 2)=SD", "(1, 3)=N"}, "", "");
    }
    void a_heading_line_is_left_out_and_noticed() {
        QFETCH(QString, window);
        QFETCH(CellPosition, from);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, after);
        QFETCH(QString, notice);
        QFETCH(QString, message);
        open(window);
        QSignalSpy noticed(&editor(), &DataSheetEditor::noticed);
        editor().moveTo(from);
        QGuiApplication::clipboard()->setText(clipboard);
        key(Qt::Key_V, Qt::ControlModifier);
        std::sort(after.begin(), after.end());
        QCOMPARE(filledCellList(), after);
        QCOMPARE(noticed.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty()) {
            QCOMPARE(noticed[0][0].value<QWidget*>(), sheet()->viewport());
            QCOMPARE(noticed[0][1].toRect(), cellRect(from));
            QCOMPARE(noticed[0][2].toString(), notice);
            // The window says it where a refusal would stand.
            const auto* bubble = window_->findChild<NoticeBubble*>("Notice");
            QVERIFY(bubble != nullptr && bubble->isVisible());
            QCOMPARE(bubble->text(), notice);
        }
        QCOMPARE(recorded_->errors, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(recorded_->beeps, 0);
        QCOMPARE(editor().remembered(), from);
    }

    void a_column_copied_with_its_heading_answers_without_it() {
        open("Means0");
        QGuiApplication::clipboard()->setText("Weight\n12\n14\n10\n15.5\n");
        key(Qt::Key_V, Qt::ControlModifier);
        calculate();
        QVERIFY2(answer().startsWith("Mean = 12.875     N = 4\n"), qPrintable(answer()));
    }

    void the_population_box_takes_a_pasted_cell_without_its_line_break() {
        open("Means0");
        auto* population = window_->findChild<QLineEdit*>("Population");
        population->setFocus();
        QGuiApplication::clipboard()->setText("500\r\n");
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(population->text(), QString("500"));
        // What may be typed there may be pasted: the calculation judges it.
        QGuiApplication::clipboard()->setText(" n/a\n");
        QVERIFY(chooseFromContextMenu(population, "Paste"));
        QCOMPARE(population->text(), QString("500n/a"));
        QCOMPARE(recorded_->beeps, 0);
    }

    void a_column_of_80_values_pasted_in_means0_answers_as_typed() {
        QStringList values;
        for (int i = 1; i <= 80; ++i)
            values << QString::number((i * 37 % 101) / 4.0);
        open("Means0");
        editor().moveTo({1, 1});
        typeRow(values, Qt::Key_Return, Qt::Key_Return);
        window_->findChild<QLineEdit*>("Population")->setText("500");
        calculate();
        const QString typed = answer();
        QVERIFY(typed.contains("N = 80"));

        window_->findChild<QPushButton*>("Command2")->click();
        window_->findChild<QLineEdit*>("Population")->setText("500");
        QGuiApplication::clipboard()->setText(values.join("\r\n") + "\r\n");
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor().cellText({80, 1}), values.last());
        QVERIFY(editor().cellText({81, 1}).isEmpty());
        calculate();
        QCOMPARE(answer(), typed);
    }

    void a_single_value_pastes_into_the_box_only() {
        open("Means1");
        editor().setCellText({2, 1}, "kept");
        editor().moveTo({1, 1});
        QTest::keyClicks(floater(), "12");
        QGuiApplication::clipboard()->setText("3.5");
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(floater()->text(), QString("123.5"));
        key(Qt::Key_Home);
        key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(floater()->text(), QString("3.5123.5"));
        QVERIFY(chooseFromContextMenu(floater(), "Paste"));
        QCOMPARE(floater()->text(), QString("3.53.5123.5"));
        editor().saveCell();
        QCOMPARE(filledCells(),
                 (QMap<QString, QString>{{"(1, 1)", "3.53.5123.5"}, {"(2, 1)", "kept"}}));
        QCOMPARE(editor().remembered(), (CellPosition{1, 1}));
    }

    void shift_insert_and_the_menu_paste_a_block_too() {
        open("Means1");
        editor().moveTo({1, 1});
        QGuiApplication::clipboard()->setText("1\t2\n");
        key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(editor().cellText({1, 2}), QString("2"));
        editor().moveTo({5, 1});
        QGuiApplication::clipboard()->setText("3\n4");
        QVERIFY(chooseFromContextMenu(floater(), "Paste"));
        QCOMPARE(editor().cellText({6, 1}), QString("4"));
        QCOMPARE(editor().remembered(), (CellPosition{5, 1}));
        QCOMPARE(floater()->text(), QString("3"));
    }

    void ctrl_c_copies_the_cell_or_the_range_chosen_with_the_mouse() {
        open("Means6");
        const QStringList texts{"10", "2", "10", "12", " 2", "", "14", "2", "10"};
        for (int i = 0; i < texts.size(); ++i)
            editor().setCellText({i / 3 + 1, i % 3 + 1}, texts[i]);
        editor().moveTo({2, 2});
        QTest::keyClicks(floater(), "5"); // copied as typed, before it is saved
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QString(" 25"));

        // A drag from (3, 3) up to (2, 1): the box goes to the range's top-left cell.
        QTest::mousePress(sheet()->viewport(), Qt::LeftButton, {}, cellRect({3, 3}).center());
        QTest::mouseMove(sheet()->viewport(), cellRect({2, 2}).center());
        QTest::mouseMove(sheet()->viewport(), cellRect({2, 1}).center());
        QTest::mouseRelease(sheet()->viewport(), Qt::LeftButton, {}, cellRect({2, 1}).center());
        QCOMPARE(editor().remembered(), (CellPosition{2, 1}));
        QCOMPARE(QApplication::focusWidget(), floater());
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QString("12\t 25\t\n14\t2\t10\n"));

        // Text selected in the box is the box's to copy.
        floater()->selectAll();
        QTest::keyClicks(floater(), "9");
        floater()->setSelection(0, 1);
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QString("9"));

        // The arrow keys move the box as before, and the range goes with the move.
        key(Qt::Key_Down);
        QCOMPARE(editor().remembered(), (CellPosition{3, 1}));
        QVERIFY(sheet()->selectedRanges().isEmpty());
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QString("14"));

        // On the grid itself the keys choose no range; Ctrl+C copies the box's cell there too.
        editor().focusGrid();
        QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
        QApplication::sendEvent(sheet(), &selectAll); // with the control character X11 gives
        key(Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(sheet()->selectedRanges().isEmpty());
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QString("14"));
        QCOMPARE(recorded_->beeps + recorded_->errors.size(), 0);
    }

    void grid1_copies_the_whole_table_as_tab_separated_lines() {
        open("Means6");
        for (int row = 1; row <= 3; ++row) {
            editor().setCellText({row, 1}, QString::number(8 + 2 * row));
            editor().setCellText({row, 2}, "2");
            editor().setCellText({row, 3}, "10");
        }
        calculate();
        const QString summary = clipboard();
        auto* grid = window_->findChild<QTableView*>("Grid1");
        // The table's texts down to the last pair's row, 15; the empty rows after it go.
        const QAbstractItemModel* table = grid->model();
        QCOMPARE(table->rowCount(), 19);
        CellBlock texts(16);
        for (std::size_t r = 0; r < texts.size(); ++r)
            for (int c = 0; c < 6; ++c)
                texts[r].push_back(table->index(int(r), c).data().toString().toStdString());
        const auto readBack = [] { return splitCellBlock(clipboard().toStdString()); };
        grid->setFocus();
        key(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard() != summary);
        QVERIFY(clipboard().startsWith("Source of\t\tSum of\tMean\t\t\nVariation\tDF\t"));
        QVERIFY(clipboard().contains("\nBetween\t 2\t80.0\t40.0\t10.000\t"));
        QVERIFY(readBack() == texts);

        QGuiApplication::clipboard()->setText(summary);
        QVERIFY(chooseFromContextMenu(grid->viewport(), "Copy table"));
        QVERIFY(readBack() == texts);
    }

    void each_window_opens_from_the_menu_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("Count1") << "Count1"
                                << "Counts1"
                                << "Chi-square test";
        QTest::newRow("Mean0") << "Mean0"
                               << "Means0"
                               << "Mean and standard deviation of a sample";
        QTest::newRow("Mean1") << "Mean1"
                               << "Means1"
                               << "Matched pairs t-test between means";
        QTest::newRow("Mean6") << "Mean6"
                               << "Means6"
                               << "Compare three or more means";
        QTest::newRow("Correlation") << "Correlation"
                                     << "Correl"
                                     << "Linear regression";
    }
    void each_window_opens_from_the_menu() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, title);
        MainWindow main;
        main.show();
        main.findChild<QAction*>(item)->trigger();
        auto* opened = qobject_cast<DataSheetWindow*>(main.openedWindow(window.toStdString()));
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), title);
        QCOMPARE(opened->windowModality(), Qt::WindowModal);
        QTRY_COMPARE(QApplication::focusWidget(), opened->editor().floater());
        opened->close();
    }
};

QTEST_MAIN(DataSheetWindowTest)
#include "data_sheet_window_test.moc"
