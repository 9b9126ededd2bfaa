// The reason of a refusal beside the box or cell at fault, and the brief word of what an answer
// put on the clipboard: where they stand, what takes them away, what they leave alone (focus,
// beep, answer, geometry) and what screen readers get.
#include "core/arithmetic.h"
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/calculator_window.h"
#include "ui/common/colour_contrast.h"
#include "ui/common/notice_bubble.h"
#include "ui/common/notice_colours.h"
#include "ui/data_sheet/data_sheet_window.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quillon;
using namespace quillon::testing;

namespace {

// Where every control of a window is, the notices aside.
QMap<QString, QRect> layoutOf(const QWidget* window) {
    QMap<QString, QRect> places;
    int unnamed = 0;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const NoticeBubble*>(child) != nullptr)
            continue;
        const QString name = child->objectName().isEmpty()
                                 ? QStringLiteral("#%1").arg(++unnamed)
                                 : child->objectName() + QStringLiteral("@%1").arg(++unnamed);
        places.insert(name, child->geometry());
    }
    places.insert(QStringLiteral("window"), QRect(QPoint(), window->size()));
    return places;
}

// The notice's rectangle stands against one side of the target, overlapping it along that side.
bool standsBy(const QWidget* notice, const QRect& target) {
    const QRect at = notice->geometry();
    const bool acrossX = at.left() <= target.right() && at.right() >= target.left();
    const bool acrossY = at.top() <= target.bottom() && at.bottom() >= target.top();
    return (acrossX && (at.top() == target.bottom() + 1 || at.bottom() == target.top() - 1)) ||
           (acrossY && at.right() == target.left() - 1);
}

QString describedAs(const QWidget* widget) {
    return widget->accessibleDescription();
}

} // namespace

class NoticesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    std::unique_ptr<CalculationWindow> window_;

    CalculatorWindow& openCalculator(std::string_view name) {
        auto window = std::make_unique<CalculatorWindow>(standInDefinition(name));
        window->prepare();
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window did not become active");
        auto& shown = *window;
        window_ = std::move(window);
        return shown;
    }
    DataSheetWindow& openSheet(std::string_view name) {
        auto window = std::make_unique<DataSheetWindow>(standInLayout(name));
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window did not become active");
        QTest::qWait(0);
        auto& shown = *window;
        window_ = std::move(window);
        return shown;
    }
    DataSheetWindow& sheetWindow() { return static_cast<DataSheetWindow&>(*window_); }
    QLineEdit* box(int number) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(number));
    }
    QPushButton* command(int number) const {
        return window_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    NoticeBubble* notice() const { return window_->findChild<NoticeBubble*>("Notice"); }
    NoticeBubble* copied() const { return window_->findChild<NoticeBubble*>("Copied"); }
    bool noticeShows(const QString& text) const {
        return notice()->isVisible() && notice()->text() == text;
    }
    void refuse(const Refusal& refusal) {
        StandIn::behaviour = [refusal](InputTexts) -> Outcome { return refusal; };
        SheetStandIn::behaviour = [refusal](const DataSheetInput&) -> Outcome { return refusal; };
        command(1)->click();
    }
    void answer(const Answer& answer) {
        StandIn::behaviour = [answer](InputTexts) -> Outcome { return answer; };
        SheetStandIn::behaviour = [answer](const DataSheetInput&) -> Outcome { return answer; };
        command(1)->click();
    }
    // A cell's rectangle in the window's coordinates.
    QRect cellInWindow(CellPosition cell) {
        QTableWidget* sheet = sheetWindow().editor().sheet();
        const QRect inView =
            sheet->visualRect(sheet->model()->index(cell.row - 1, cell.column - 1));
        return {sheet->viewport()->mapTo(window_.get(), inView.topLeft()), inView.size()};
    }
    int beeps() const { return alerts_->recorded.beeps; }

private slots:
    void init() {
        StandIn::reset();
        SheetStandIn::reset();
        alerts_ = std::make_unique<AlertsOnRecord>();
        QGuiApplication::clipboard()->setText("before");
    }
    void cleanup() {
        window_.reset();
        const QStringList boxes = alerts_->unexpectedBoxes();
        alerts_.reset();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("; ")));
    }

    void every_box_of_every_calculator_shows_why_it_was_refused() {
        for (const CatalogueEntry& row : standInDefinitions()) {
            const QuestionInputs& definition = askedOf(row);
            openCalculator(row.windowName);
            const QMap<QString, QRect> before = layoutOf(window_.get());
            for (int number = 1; number <= definition.inputCount; ++number) {
                const QString reason = QStringLiteral("Box %1 of %2 is refused.")
                                           .arg(number)
                                           .arg(toQString(row.windowName));
                const int beepsBefore = beeps();
                refuse({.focus = number, .reason = reason.toStdString()});
                const QString where = reason + QStringLiteral(" at ") +
                                      QString::number(notice()->geometry().x()) + ',' +
                                      QString::number(notice()->geometry().y());
                QVERIFY2(noticeShows(reason), qPrintable(where));
                QVERIFY2(standsBy(notice(), box(number)->geometry()), qPrintable(where));
                QVERIFY2(window_->rect().contains(notice()->geometry()), qPrintable(where));
                QCOMPARE(QApplication::focusWidget(), box(number));
                QCOMPARE(beeps(), beepsBefore + 1);
                for (int other = 1; other <= definition.inputCount; ++other)
                    QCOMPARE(describedAs(box(other)), other == number ? reason : QString());
            }
            QCOMPARE(layoutOf(window_.get()), before);
        }
    }

    void the_reason_goes_when_its_box_changes_and_stays_otherwise_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("goes");
        QTest::newRow("a digit typed into the box") << "digit" << true;
        QTest::newRow("backspace in the box") << "backspace" << true;
        QTest::newRow("a paste into the box") << "paste" << true;
        QTest::newRow("Clear") << "clear" << true;
        QTest::newRow("a Calculate that answers") << "answer" << true;
        QTest::newRow("a refusal without a reason") << "silent refusal" << true;
        QTest::newRow("Tab to the next box") << "tab" << false;
        QTest::newRow("a refused key") << "letter" << false;
        QTest::newRow("the caret moved") << "home" << false;
        QTest::newRow("typing into another box") << "other box" << false;
        QTest::newRow("an arithmetic error") << "fault" << false;
    }
    void the_reason_goes_when_its_box_changes_and_stays_otherwise() {
        QFETCH(QString, action);
        QFETCH(bool, goes);
        openCalculator("Distr3a");
        box(2)->setText("0");
        const QString reason("The numerator degrees of freedom must be 1 or more.");
        refuse({.focus = 2, .reason = reason.toStdString()});
        QVERIFY(noticeShows(reason));
        QGuiApplication::clipboard()->setText("4");
        if (action == "digit") {
            QTest::keyClick(box(2), Qt::Key_5);
        } else if (action == "backspace") {
            QTest::keyClick(box(2), Qt::Key_End);
            QTest::keyClick(box(2), Qt::Key_Backspace);
        } else if (action == "paste") {
            QVERIFY(chooseFromContextMenu(box(2), "Paste"));
        } else if (action == "clear") {
            command(2)->click();
        } else if (action == "answer") {
            answer({.text = "F = 2"});
        } else if (action == "silent refusal") {
            refuse({.focus = 2});
        } else if (action == "tab") {
            QTest::keyClick(box(2), Qt::Key_Tab);
        } else if (action == "letter") {
            QTest::keyClick(box(2), Qt::Key_X);
        } else if (action == "home") {
            QTest::keyClick(box(2), Qt::Key_Home);
        } else if (action == "other box") {
            box(1)->setFocus();
            QTest::keyClicks(box(1), "12");
        } else if (action == "fault") {
            StandIn::behaviour = [](InputTexts) -> Outcome {
                throw ArithmeticError(ArithmeticFault::Overflow);
            };
            command(1)->click();
        }
        QCOMPARE(noticeShows(reason), !goes);
        QCOMPARE(describedAs(box(2)), goes ? QString() : reason);
    }

    void the_reason_steps_aside_for_the_box_the_focus_goes_to() {
        openCalculator("Distr3a");
        refuse({.focus = 2, .reason = "The numerator degrees of freedom must be 1 or more."});
        QVERIFY(notice()->geometry().intersects(box(3)->geometry()));
        QTest::keyClick(box(2), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(3));
        QVERIFY(notice()->isVisible());
        QVERIFY(!notice()->geometry().intersects(box(3)->geometry()));
        QVERIFY(standsBy(notice(), box(2)->geometry()));
        QTest::keyClick(box(3), Qt::Key_Backtab);
        QVERIFY(notice()->geometry().intersects(box(3)->geometry()));
    }

    void the_reason_leaves_the_values_typed_in_sight_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QStringList>("typed");
        QTest::newRow("between two values")
            << "Means2" << 5 << QStringList{"20.6", "0", "14", "1", "2", "3"};
        QTest::newRow("the fourfold table's first box")
            << "Counts2" << 1 << QStringList{"7", "2", "3", "80"};
        QTest::newRow("the first of two boxes") << "Distr2b" << 1 << QStringList{"1.5", "10"};
    }
    void the_reason_leaves_the_values_typed_in_sight() {
        QFETCH(QString, window);
        QFETCH(int, refused);
        QFETCH(QStringList, typed);
        openCalculator(window.toStdString());
        for (int i = 0; i < typed.size(); ++i)
            box(i + 1)->setText(typed[i]);
        refuse({.focus = refused, .reason = "The value must be from .0001 to .9999."});
        QVERIFY(noticeShows("The value must be from .0001 to .9999."));
        QVERIFY(standsBy(notice(), box(refused)->geometry()));
        for (int i = 1; i <= typed.size(); ++i) {
            QVERIFY2(i == refused || !notice()->geometry().intersects(box(i)->geometry()),
                     qPrintable(QStringLiteral("box %1 is covered").arg(i)));
        }
    }

    void a_refusal_with_an_error_box_shows_the_reason_once_the_box_is_closed_data() {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("shown");
        QTest::newRow("with its reason") << "The maximum count is 50."
                                         << "The maximum count is 50.";
        QTest::newRow("the box's text when no reason is given")
            << ""
            << "The maximum count for Fisher's exact test is 50.";
    }
    void a_refusal_with_an_error_box_shows_the_reason_once_the_box_is_closed() {
        QFETCH(QString, reason);
        QFETCH(QString, shown);
        // The box is modal: whatever shows while it is open shows under it.
        struct Watching : RecordingAlerts {
            NoticeBubble* notice = nullptr;
            bool noticeWhileOpen = false;
            void showError(QWidget* parent, const QString& text) override {
                noticeWhileOpen = notice->isVisible();
                RecordingAlerts::showError(parent, text);
            }
        } watching;
        AlertsOverride watched(watching);
        openCalculator("Counts2");
        watching.notice = notice();
        refuse({.focus = 4, .reason = "An earlier reason."});
        const int beepsBefore = watching.beeps;
        refuse({.focus = 3,
                .message = "The maximum count for Fisher's exact test is 50.",
                .reason = reason.toStdString()});
        QCOMPARE(watching.errors, QStringList{"The maximum count for Fisher's exact test is 50."});
        QVERIFY(!watching.noticeWhileOpen);
        QVERIFY(noticeShows(shown));
        QVERIFY(standsBy(notice(), box(3)->geometry()));
        QCOMPARE(QApplication::focusWidget(), box(3));
        QCOMPARE(watching.beeps, beepsBefore);
    }

    void a_cell_refusal_stands_by_the_cell_in_every_sheet_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("Counts1") << "Counts1" << 2 << 3;
        QTest::newRow("Means0") << "Means0" << 1 << 1;
        QTest::newRow("Means1") << "Means1" << 4 << 2;
        QTest::newRow("Means6") << "Means6" << 3 << 3;
        QTest::newRow("Correl") << "Correl" << 7 << 1;
    }
    void a_cell_refusal_stands_by_the_cell_in_every_sheet() {
        QFETCH(QString, window);
        QFETCH(int, row);
        QFETCH(int, column);
        openSheet(window.toStdString());
        const QMap<QString, QRect> before = layoutOf(window_.get());
        const QString reason = QStringLiteral("Row %1 is refused.").arg(row);
        refuse({.focus = kFocusGrid,
                .currentCell = CellPosition{row, column},
                .reason = reason.toStdString()});
        QVERIFY(noticeShows(reason));
        QVERIFY(standsBy(notice(), cellInWindow({row, column})));
        QVERIFY(window_->rect().contains(notice()->geometry()));
        QLineEdit* floater = sheetWindow().editor().floater();
        QCOMPARE(QApplication::focusWidget(), floater);
        QCOMPARE(describedAs(floater), reason);
        QCOMPARE(beeps(), 1);
        QCOMPARE(layoutOf(window_.get()), before);
    }

    void the_cell_reason_goes_when_that_cell_changes_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("goes");
        QTest::newRow("typing into the cell") << "type" << true;
        QTest::newRow("a block pasted over the cell") << "paste over" << true;
        QTest::newRow("Clear") << "clear" << true;
        QTest::newRow("a Calculate that answers") << "answer" << true;
        QTest::newRow("typing into another cell") << "type elsewhere" << false;
        QTest::newRow("a block pasted elsewhere") << "paste elsewhere" << false;
        QTest::newRow("moving about the grid") << "move" << false;
    }
    void the_cell_reason_goes_when_that_cell_changes() {
        QFETCH(QString, action);
        QFETCH(bool, goes);
        DataSheetWindow& window = openSheet("Means6");
        DataSheetEditor& editor = window.editor();
        editor.setCellText({2, 2}, "4,5");
        const QString reason("Row 2 Column B is not a number: 4,5");
        refuse({.focus = kFocusGrid,
                .currentCell = CellPosition{2, 2},
                .reason = reason.toStdString()});
        QVERIFY(noticeShows(reason));
        QGuiApplication::clipboard()->setText("1\t2\n3\t4\n");
        QLineEdit* floater = editor.floater();
        if (action == "type") {
            QTest::keyClick(floater, Qt::Key_Backspace);
        } else if (action == "paste over") {
            editor.moveTo({1, 1});
            QVERIFY(editor.pasteBlock());
        } else if (action == "clear") {
            command(2)->click();
        } else if (action == "answer") {
            answer({.table = {{"x"}}});
        } else if (action == "type elsewhere") {
            editor.moveTo({5, 1});
            QTest::keyClicks(floater, "7");
            editor.moveTo({6, 1});
        } else if (action == "paste elsewhere") {
            editor.moveTo({10, 1});
            QVERIFY(editor.pasteBlock());
        } else if (action == "move") {
            QTest::keyClick(floater, Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        }
        QCOMPARE(noticeShows(reason), !goes);
    }

    void the_cell_box_tells_the_reason_only_while_over_the_cell() {
        DataSheetWindow& window = openSheet("Means1");
        const QString reason("Row 3 Column A is empty.");
        refuse({.focus = kFocusGrid,
                .currentCell = CellPosition{3, 1},
                .reason = reason.toStdString()});
        QLineEdit* floater = window.editor().floater();
        QCOMPARE(describedAs(floater), reason);
        QTest::keyClick(floater, Qt::Key_Down);
        QCOMPARE(window.editor().remembered(), (CellPosition{4, 1}));
        QCOMPARE(describedAs(floater), QString());
        // The box is now in the cell the bubble stood over; the bubble goes above the cell.
        QVERIFY(noticeShows(reason));
        QVERIFY(!notice()->geometry().intersects(floater->geometry().translated(
            floater->mapTo(window_.get(), QPoint(0, 0)) - floater->pos())));
        QVERIFY(standsBy(notice(), cellInWindow({3, 1})));
        QTest::keyClick(floater, Qt::Key_Up);
        QCOMPARE(describedAs(floater), reason);
        QTest::keyClicks(floater, "8");
        QVERIFY(!notice()->isVisible());
        QCOMPARE(describedAs(floater), QString());
    }

    void the_cell_reason_follows_the_grid_as_it_scrolls() {
        DataSheetWindow& window = openSheet("Means1");
        QTableWidget* sheet = window.editor().sheet();
        const QString reason("Row 40 Column B is not a number: n/a");
        refuse({.focus = kFocusGrid,
                .currentCell = CellPosition{40, 2},
                .reason = reason.toStdString()});
        QVERIFY(noticeShows(reason));
        QVERIFY(standsBy(notice(), cellInWindow({40, 2})));
        sheet->verticalScrollBar()->setValue(0);
        QVERIFY(!notice()->isVisible());
        sheet->verticalScrollBar()->setValue(35);
        QVERIFY(notice()->isVisible());
        QCOMPARE(notice()->text(), reason);
        QVERIFY(standsBy(notice(), cellInWindow({40, 2})));
    }

    void a_refusal_naming_no_cell_stands_by_the_grid_until_any_cell_changes() {
        DataSheetWindow& window = openSheet("Correl");
        window.editor().setCellText({1, 1}, "2");
        const QString reason("At least 3 pairs of values are needed.");
        refuse({.focus = kFocusGrid, .reason = reason.toStdString()});
        QVERIFY(noticeShows(reason));
        QVERIFY(standsBy(notice(), window.editor().sheet()->geometry()));
        QCOMPARE(describedAs(window.editor().sheet()), reason);
        window.editor().moveTo({4, 2});
        QVERIFY(noticeShows(reason));
        QTest::keyClicks(window.editor().floater(), "6");
        QVERIFY(!notice()->isVisible());
        QCOMPARE(describedAs(window.editor().sheet()), QString());
    }

    void the_population_box_takes_the_focus_and_the_reason_of_its_own_refusal() {
        DataSheetWindow& window = openSheet("Means0");
        window.editor().setCellText({1, 1}, "12");
        auto* population = window_->findChild<QLineEdit*>("Population");
        population->setText("abc");
        const QString reason("The population size must be a number.");
        refuse({.focus = 1, .reason = reason.toStdString()});
        QCOMPARE(QApplication::focusWidget(), population);
        QVERIFY(noticeShows(reason));
        QVERIFY(standsBy(notice(), population->geometry()));
        QCOMPARE(describedAs(population), reason);
        QTest::keyClick(population, Qt::Key_Backspace);
        QVERIFY(!notice()->isVisible());
    }

    void a_sheet_without_its_own_box_takes_focus_1_as_the_grid() {
        DataSheetWindow& window = openSheet("Counts1");
        refuse({.focus = 1, .reason = "At least 2 rows are needed."});
        QCOMPARE(QApplication::focusWidget(), window.editor().floater());
        QVERIFY(standsBy(notice(), window.editor().sheet()->geometry()));
    }

    void an_answer_that_replaced_the_clipboard_says_so_on_one_line_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("calculator") << "Distr2b";
        QTest::newRow("fourfold table") << "Counts2";
        QTest::newRow("data sheet") << "Means0";
        QTest::newRow("analysis of variance") << "Means6";
    }
    void an_answer_that_replaced_the_clipboard_says_so_on_one_line() {
        QFETCH(QString, window);
        if (window.startsWith("Means"))
            openSheet(window.toStdString());
        else
            openCalculator(window.toStdString());
        QWidget* focus = QApplication::focusWidget();
        const QMap<QString, QRect> before = layoutOf(window_.get());
        answer({.text = "Line one\r\n\r\nLine two\r\nLine three\r\nLine four",
                .clipboard = "t(18)=2.236,\r\np=.0382\r\n",
                .table = {{"Source of", "", "Sum of"}, {"Between", "2", "229.3"}}});
        QVERIFY(copied()->isVisible());
        QCOMPARE(copied()->text(), QString("Copied: t(18)=2.236, p=.0382"));
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(beeps(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("t(18)=2.236,\np=.0382\n"));
        const QWidget* answerArea = window_->findChild<QLabel*>("Answer");
        if (answerArea == nullptr)
            answerArea = window_->findChild<QWidget*>("Grid1");
        QVERIFY(!copied()->geometry().intersects(answerArea->geometry()));
        QVERIFY(window_->rect().contains(copied()->geometry()));
        for (const QWidget* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool rule = control->objectName().startsWith("Line");
            if (control != copied() && control->isVisible() && !rule) {
                QVERIFY2(!copied()->geometry().intersects(control->geometry()),
                         qPrintable(control->objectName()));
            }
        }
        QCOMPARE(layoutOf(window_.get()), before);
    }

    void no_word_of_a_copy_when_the_clipboard_is_left_alone() {
        openCalculator("Counts3");
        answer({.text = "p = .5", .clipboard = "p=.5"});
        QVERIFY(copied()->isVisible());
        answer({.text = "< .0001", .beep = true});
        QVERIFY(!copied()->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("p=.5"));
        refuse({.focus = 1});
        QVERIFY(!copied()->isVisible());
    }

    void the_word_of_a_copy_goes_at_the_next_key() {
        openCalculator("Distr2b");
        answer({.text = "t value = 2.228", .clipboard = "t(10)=2.228, p=.0500"});
        QVERIFY(copied()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
        QVERIFY(!copied()->isVisible());
        QCOMPARE(window_->findChild<QLabel*>("Answer")->text(), QString("t value = 2.228"));
    }

    void a_long_summary_is_shortened_on_screen_and_whole_for_screen_readers() {
        openCalculator("Distr1c");
        const std::string summary(300, '7');
        answer({.text = "long", .clipboard = summary});
        QVERIFY(copied()->text().endsWith(QChar(0x2026)));
        QVERIFY(copied()->width() <= window_->findChild<QWidget*>("Line1")->width());
        QCOMPARE(copied()->accessibleName(), "Copied: " + QString::fromStdString(summary));
    }

    // Measured on the picture: the bubble's edge against the window around it, and its text
    // against its ground, in a light, a dark and a high-contrast palette.
    void the_bubble_stands_out_in_every_palette_data() {
        QTest::addColumn<QPalette>("palette");
        QPalette light(QColor(0xef, 0xef, 0xef));
        light.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
        light.setColor(QPalette::ToolTipText, Qt::black);
        QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::ToolTipBase, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
        QPalette contrast(Qt::black, Qt::black);
        contrast.setColor(QPalette::WindowText, Qt::white);
        contrast.setColor(QPalette::ToolTipBase, Qt::black);
        contrast.setColor(QPalette::ToolTipText, Qt::yellow);
        // A ground the window shares, with a tip text lost in it.
        QPalette careless(QColor(0x88, 0x88, 0x88), QColor(0x88, 0x88, 0x88));
        careless.setColor(QPalette::WindowText, QColor(0x99, 0x99, 0x99));
        careless.setColor(QPalette::ToolTipBase, QColor(0x88, 0x88, 0x88));
        careless.setColor(QPalette::ToolTipText, QColor(0x90, 0x90, 0x90));
        QTest::newRow("light") << light;
        QTest::newRow("dark") << dark;
        QTest::newRow("high contrast") << contrast;
        QTest::newRow("careless") << careless;
    }
    void the_bubble_stands_out_in_every_palette() {
        QFETCH(QPalette, palette);
        openCalculator("Distr2b");
        window_->setPalette(palette);
        refuse({.focus = 1, .reason = "The probability must be from .0001 to .9999."});
        QVERIFY(notice()->isVisible());
        const QImage picture = window_->grab().toImage();
        const qreal scale = picture.devicePixelRatio();
        const auto pixel = [&](QPoint at) {
            return picture.pixelColor(QPoint(qRound(at.x() * scale), qRound(at.y() * scale)));
        };
        const QRect bubble = notice()->geometry();
        const int middle = notice()->contentsRect().center().y() + bubble.top();
        const QColor edge = pixel(QPoint(bubble.left(), middle));
        const QColor around = pixel(QPoint(bubble.left() - 2, middle));
        const QColor ground = pixel(QPoint(bubble.left() + 2, middle));
        QVERIFY2(contrastRatio(edge, around) >= 3.0,
                 qPrintable(edge.name() + " on " + around.name()));
        // The darkest or lightest pixel of the text, whichever stands out from the ground.
        double best = 1.0;
        const QRect text = notice()->contentsRect().translated(bubble.topLeft());
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                best = std::max(best, contrastRatio(pixel(QPoint(x, y)), ground));
        QVERIFY2(best >= 4.5, qPrintable(QString::number(best) + " on " + ground.name()));
    }

    void a_brief_word_goes_by_itself() {
        QWidget window;
        window.resize(300, 100);
        NoticeBubble line(NoticeBubble::Kind::Line, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        line.showBriefly("Copied: x", QRect(QPoint(10, 10), line.bodySize("Copied: x", 200)),
                         std::chrono::milliseconds(30));
        QVERIFY(line.isVisible());
        QVERIFY(line.testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(line.focusPolicy(), Qt::NoFocus);
        QTRY_VERIFY_WITH_TIMEOUT(!line.isVisible(), 2000);
    }
};

QTEST_MAIN(NoticesTest)
#include "notices_test.moc"
