// The calculator window: layout, keys, and what each outcome of a calculation changes.
#include "core/arithmetic.h"
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/calculator_window.h"
#include "ui/calculator/numeric_key_filter.h"
#include "ui/common/notice_bubble.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_viewer.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

using namespace quillon;
using namespace quillon::testing;

class CalculatorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    RecordingAlerts* recorded_ = nullptr;
    std::unique_ptr<CalculatorWindow> window_;

    CalculatorWindow& open(std::string_view name) {
        window_ = std::make_unique<CalculatorWindow>(standInDefinition(name));
        window_->prepare();
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("window did not become active");
        return *window_;
    }
    QLineEdit* input(int number) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(number));
    }
    QPushButton* command(int number) const {
        return window_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    QString answer() const { return window_->findChild<QLabel*>("Answer")->text(); }
    void type(int number, const QString& text) {
        input(number)->setFocus();
        QTest::keyClicks(input(number), text);
    }

private slots:
    void init() {
        StandIn::reset();
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

    void every_question_fits_on_one_line() {
        for (const CatalogueEntry& row : standInDefinitions()) {
            open(row.windowName);
            for (const QLabel* question : window_->findChildren<QLabel*>()) {
                if (!question->objectName().startsWith("Question"))
                    continue;
                const int needed = question->fontMetrics().horizontalAdvance(question->text());
                QVERIFY2(needed <= question->contentsRect().width(),
                         qPrintable(QStringLiteral("%1 of %2 pixels: %3")
                                        .arg(needed)
                                        .arg(question->contentsRect().width())
                                        .arg(question->text())));
            }
        }
    }

    void controls_sit_where_the_layout_puts_them_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("inputs");
        QTest::newRow("one question") << "Distr1a" << 1;
        QTest::newRow("five questions") << "Distr2c" << 5;
        QTest::newRow("two groups") << "Means2" << 6;
    }
    void controls_sit_where_the_layout_puts_them() {
        QFETCH(QString, window);
        QFETCH(int, inputs);
        open(window.toStdString());
        QCOMPARE(window_->width(), 491); // 7365 twips
        const auto& definition = askedOf(standInDefinition(window.toStdString()));
        for (int i = 1; i <= inputs; ++i) {
            const QLineEdit* box = input(i);
            QVERIFY(box);
            QCOMPARE(box->geometry().left(), 392); // 5880 twips
            QCOMPARE(box->size(), QSize(73, 19));  // 1095 x 285 twips
            const auto* question = window_->findChild<QLabel*>(QStringLiteral("Question%1").arg(i));
            QVERIFY(question);
            QCOMPARE(question->geometry().left(), 24);       // 360 twips
            QCOMPARE(question->geometry().right() + 1, 389); // 3 pixels before its box
            QVERIFY(qAbs(question->geometry().center().y() - box->geometry().center().y()) <= 1);
            QCOMPARE(question->text().toStdString(), definition.questions[i - 1]);
            QVERIFY(box->text().isEmpty());
        }
        QVERIFY(!input(inputs + 1));
        const int lastTop = input(inputs)->geometry().top();
        for (int k = 1; k <= 4; ++k) {
            const QPushButton* button = command(k);
            QCOMPARE(button->geometry(), QRect(392, lastTop + 32 * k, 73, 25));
        }
        QCOMPARE(command(1)->text(), QString("Calculate"));
        QCOMPARE(command(2)->text(), QString("Clear"));
        QCOMPARE(command(3)->text(), QString("Exit"));
        QCOMPARE(command(4)->text(), QString("Help"));
        QVERIFY(command(1)->isDefault());
        const auto* line = window_->findChild<QWidget*>("Line1");
        const auto* answerLabel = window_->findChild<QLabel*>("Answer");
        QVERIFY(line->geometry().top() > command(4)->geometry().bottom());
        QVERIFY(answerLabel->geometry().top() > line->geometry().bottom());
        QCOMPARE(answerLabel->geometry().left(), 24);
        QVERIFY(answerLabel->geometry().bottom() < window_->height());
        QCOMPARE(bool(window_->findChild<QWidget*>("Line2")), window == "Means2");
    }

    void the_second_group_of_means2_stands_apart_below_its_own_rule() {
        open("Means2");
        const int pitch = input(2)->y() - input(1)->y();
        QVERIFY(input(4)->y() - input(3)->y() > pitch);
        QCOMPARE(input(5)->y() - input(4)->y(), pitch);
        const int rule = window_->findChild<QWidget*>("Line2")->geometry().center().y();
        QVERIFY(rule > input(3)->geometry().bottom() && rule < input(4)->y());
    }

    void fisher_boxes_form_a_two_by_two_table_under_one_label() {
        open("Counts2");
        QVERIFY(!window_->findChild<QLabel*>("Question1"));
        QCOMPARE(window_->findChild<QLabel*>("Label1")->text(),
                 QString("Enter the observed cell frequencies:"));
        QCOMPARE(input(1)->y(), input(2)->y());
        QCOMPARE(input(3)->y(), input(4)->y());
        QVERIFY(input(3)->y() > input(1)->y());
        QCOMPARE(input(1)->x(), input(3)->x());
        QCOMPARE(input(2)->x(), input(4)->x());
        QVERIFY(input(2)->x() > input(1)->geometry().right());
        QVERIFY(command(1)->y() > input(4)->geometry().bottom());
        QCOMPARE(answer(), QString()); // the opening empties the answer the window was built with
    }

    void tab_runs_down_the_boxes_then_the_buttons_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("questions") << "Distr3a";
        QTest::newRow("fourfold table") << "Counts2";
    }
    void tab_runs_down_the_boxes_then_the_buttons() {
        QFETCH(QString, window);
        open(window.toStdString());
        const int count = window_->asked().inputCount;
        QCOMPARE(QApplication::focusWidget(), input(1));
        QStringList visited;
        for (int i = 0; i < count + 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int i = 2; i <= count; ++i)
            expected << QStringLiteral("Input%1").arg(i);
        expected << "Command1"
                 << "Command2"
                 << "Command3"
                 << "Command4"
                 << "Input1";
        QCOMPARE(visited, expected);
    }

    void enter_in_a_box_moves_on_and_in_the_last_box_stops_on_calculate() {
        open("Distr2a");
        type(1, "1.5");
        QTest::keyClick(input(1), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), input(2));
        QTest::keyClicks(input(2), "10");
        QTest::keyClick(input(2), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), command(1));
        QVERIFY(StandIn::calls.empty());
        QCOMPARE(input(1)->text(), QString("1.5"));
        QCOMPARE(recorded_->beeps, 0);
    }

    void enter_on_calculate_presses_it() {
        StandIn::behaviour = [](InputTexts inputs) -> Outcome {
            return Answer{.text = "t = " + inputs[0]};
        };
        open("Distr2a");
        type(1, "2");
        command(1)->setFocus();
        QTest::keyClick(command(1), Qt::Key_Return);
        QCOMPARE(StandIn::calls.size(), std::size_t(1));
        QCOMPARE(StandIn::calls[0], (std::vector<std::string>{"2", ""}));
        QCOMPARE(answer(), QString("t = 2"));
    }

    void clear_empties_boxes_and_answer_wherever_the_focus_was_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("last box") << "Input3";
        QTest::newRow("calculate") << "Command1";
        QTest::newRow("help") << "Command4";
    }
    void clear_empties_boxes_and_answer_wherever_the_focus_was() {
        QFETCH(QString, focus);
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{.text = "an answer", .clipboard = "summary"};
        };
        open("Distr3a");
        type(1, "1");
        type(2, "2");
        type(3, "3");
        command(1)->click();
        QCOMPARE(answer(), QString("an answer"));
        window_->findChild<QWidget*>(focus)->setFocus();
        command(2)->click();
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(input(i)->text(), QString());
        QCOMPARE(answer(), QString());
        QCOMPARE(QApplication::focusWidget(), input(1));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("summary"));
    }

    void escape_on_a_button_leaves_the_window_open() {
        open("Distr3a");
        type(1, "1");
        command(1)->setFocus();
        QTest::keyClick(command(1), Qt::Key_Escape);
        QVERIFY(window_->isVisible());
        QCOMPARE(input(1)->text(), QString("1"));
    }

    void an_answer_replaces_the_caption_and_the_clipboard_with_lf_breaks() {
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{.text = "Line one\r\n\r\nLine two", .clipboard = "t(9)=1.5\r\np=.1\r\n"};
        };
        open("Distr2a");
        command(1)->click();
        QCOMPARE(answer(), QString("Line one\n\nLine two"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("t(9)=1.5\np=.1\n"));
        QCOMPARE(recorded_->beeps, 0);
    }

    void an_answer_without_clipboard_text_leaves_the_clipboard_and_may_beep() {
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{.text = "< .0001", .beep = true};
        };
        open("Counts3");
        command(1)->click();
        QCOMPARE(answer(), QString("< .0001"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QCOMPARE(recorded_->beeps, 1);
    }

    void a_refusal_beeps_moves_the_focus_and_changes_nothing_else() {
        open("Distr2c");
        StandIn::behaviour = [](InputTexts) -> Outcome { return Answer{.text = "old answer"}; };
        command(1)->click();
        type(1, "5");
        StandIn::behaviour = [](InputTexts) -> Outcome { return Refusal{.focus = 3}; };
        command(1)->click();
        QCOMPARE(recorded_->beeps, 1);
        QVERIFY(recorded_->errors.isEmpty());
        QCOMPARE(QApplication::focusWidget(), input(3));
        QCOMPARE(answer(), QString("old answer"));
        QCOMPARE(input(1)->text(), QString("5"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
    }

    void a_refusal_with_a_message_shows_it_instead_of_beeping() {
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Refusal{.focus = 1,
                           .message = "The maximum count for Fisher's exact test is 50."};
        };
        open("Counts2");
        command(4)->setFocus();
        command(1)->click();
        QCOMPARE(recorded_->errors,
                 QStringList{"The maximum count for Fisher's exact test is 50."});
        QCOMPARE(recorded_->beeps, 0);
        QCOMPARE(QApplication::focusWidget(), input(1));
        QCOMPARE(answer(), QString());
    }

    void an_arithmetic_error_shows_one_error_box_and_changes_nothing_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("overflow") << int(ArithmeticFault::Overflow)
                                  << "Overflow: the values entered cannot be calculated.";
        QTest::newRow("division by zero")
            << int(ArithmeticFault::DivisionByZero)
            << "Division by zero: the values entered cannot be calculated.";
        QTest::newRow("invalid operation")
            << int(ArithmeticFault::InvalidOperation)
            << "Invalid operation: the values entered cannot be calculated.";
    }
    void an_arithmetic_error_shows_one_error_box_and_changes_nothing() {
        QFETCH(int, fault);
        QFETCH(QString, message);
        open("Means5");
        StandIn::behaviour = [](InputTexts) -> Outcome { return Answer{.text = "kept"}; };
        command(1)->click();
        type(2, "1");
        type(1, "99");
        StandIn::behaviour = [fault](InputTexts) -> Outcome {
            throw ArithmeticError(static_cast<ArithmeticFault>(fault));
        };
        command(1)->click();
        QCOMPARE(recorded_->errors, QStringList{message});
        QCOMPARE(recorded_->beeps, 0);
        QCOMPARE(answer(), QString("kept"));
        QCOMPARE(input(1)->text(), QString("99"));
        QCOMPARE(input(2)->text(), QString("1"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before"));
        QVERIFY(window_->isVisible());
    }

    void the_real_error_box_is_titled_error_with_ok_only() {
        // Without the recording alerts: the box the user sees.
        alerts_->override.reset();
        open("Means5");
        StandIn::behaviour = [](InputTexts) -> Outcome {
            throw ArithmeticError(ArithmeticFault::DivisionByZero);
        };
        QString title;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                buttons = box->standardButtons();
                box->accept();
            }
        });
        command(1)->click();
        QCOMPARE(title, QString("Error"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        alerts_->override.emplace(*recorded_);
    }

    void exit_closes_the_window() {
        open("Sample2");
        command(3)->click();
        QVERIFY(!window_->isVisible());
    }

    void help_opens_the_viewer_at_the_window_topic() {
        open("Distr4b");
        command(4)->click();
        HelpViewer* viewer = helpViewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->parentWidget() == nullptr);
        QCOMPARE(viewer->browser()->source(), *helpPageUrl(45));
        QCOMPARE(viewer->browser()->documentTitle(),
                 QString("Critical chi-square for a given probability"));
        closeHelpViewer();
    }
    void the_answer_is_selected_with_the_mouse_and_copied_without_taking_the_focus() {
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{"First line\r\n\r\nSecond line", std::string("summary")};
        };
        open("Distr2b");
        type(1, ".05");
        command(1)->click();
        type(2, "3");
        auto* label = window_->findChild<QLabel*>("Answer");
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        const QPoint end(label->width() - 2, label->height() - 2);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(label, end);
        QTest::mouseRelease(label, Qt::LeftButton, {}, end);
        QVERIFY(label->hasSelectedText());
        QCOMPARE(QApplication::focusWidget(), input(2));

        QTest::keyClick(input(2), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("First line\n\nSecond line"));
        QCOMPARE(input(2)->text(), QString("3"));
        QGuiApplication::clipboard()->setText("before");
        QVERIFY(chooseFromContextMenu(label, "Copy"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("First line\n\nSecond line"));

        // Typing ends the selection; the keys then act as they always do in a box.
        QCOMPARE(recorded_->beeps, 0);
        QTest::keyClicks(input(2), "4");
        QVERIFY(!label->hasSelectedText());
        QGuiApplication::clipboard()->setText("before");
        QTest::keyClick(input(2), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("before")); // nothing selected
        QTest::keyClick(input(2), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input(2), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("34"));
        QTest::keyClick(input(2), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(recorded_->beeps, 1); // the box takes digits and the clipboard chords only
        QTest::keyClick(input(2), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), command(1));
    }

    void a_spreadsheet_cell_pastes_into_a_box_and_a_word_does_not() {
        open("Distr2b");
        auto* filter = window_->findChild<NumericKeyFilter*>();
        QVERIFY(filter != nullptr);
        QSignalSpy refused(filter, &NumericKeyFilter::pasteRefused);
        input(1)->setFocus();
        QGuiApplication::clipboard()->setText("1.96\r\n");
        QTest::keyClick(input(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input(1)->text(), QString("1.96"));
        QCOMPARE(recorded_->beeps, 0);

        type(2, "3");
        QGuiApplication::clipboard()->setText("1,5");
        QTest::keyClick(input(2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input(2)->text(), QString("3"));
        QCOMPARE(recorded_->beeps, 1);
        QCOMPARE(QApplication::focusWidget(), input(2));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused[0][0].value<QLineEdit*>(), input(2));
        QCOMPARE(refused[0][1].toString(),
                 QString("A box takes only digits, one point and a leading minus: 1,5"));
        QVERIFY(StandIn::calls.empty());
        // The reason stands beside the box until the box changes.
        auto* notice = window_->findChild<NoticeBubble*>("Notice");
        QVERIFY(notice != nullptr && notice->isVisible());
        QCOMPARE(notice->text(), refused[0][1].toString());
        type(2, "4");
        QVERIFY(!notice->isVisible());
    }

    void the_answer_menu_copies_the_whole_answer_when_nothing_is_selected() {
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{"z = 1.960\r\np = .0500", std::nullopt};
        };
        open("Distr1a");
        type(1, "1");
        command(1)->click();
        QVERIFY(chooseFromContextMenu(window_->findChild<QLabel*>("Answer"), "Copy"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("z = 1.960\np = .0500"));
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
