// The input boxes' key filter and the synthesised keystrokes.
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/numeric_key_filter.h"
#include "ui/calculator/send_key_string.h"

#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace quillon;
using quillon::testing::RecordingAlerts;

Q_DECLARE_METATYPE(quillon::KeyVerdict)

// A shown window of two boxes, one above the other, for the Tab keystroke to move between.
struct TwoBoxes : QWidget {
    TwoBoxes() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(first);
        layout->addWidget(second);
        show();
    }
    QLineEdit* first = new QLineEdit(this);
    QLineEdit* second = new QLineEdit(this);
};

class KeyInputTest : public QObject {
    Q_OBJECT
private slots:
    void filter_decides_by_key_and_whole_text_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeyVerdict>("verdict");
        const auto accept = KeyVerdict::Accept;
        const auto refuse = KeyVerdict::Refuse;
        QTest::newRow("backspace on empty") << 8 << "" << accept;
        QTest::newRow("backspace after a point") << 8 << "1.5" << accept;
        QTest::newRow("minus first") << int('-') << "" << accept;
        QTest::newRow("minus after a digit") << int('-') << "1" << refuse;
        QTest::newRow("minus after a minus") << int('-') << "-" << refuse;
        QTest::newRow("zero") << int('0') << "" << accept;
        QTest::newRow("nine after text") << int('9') << "-12.5" << accept;
        QTest::newRow("enter") << 13 << "12" << KeyVerdict::Tab;
        QTest::newRow("enter on empty") << 13 << "" << KeyVerdict::Tab;
        QTest::newRow("first point") << int('.') << "12" << accept;
        QTest::newRow("point on empty") << int('.') << "" << accept;
        QTest::newRow("second point") << int('.') << "1.5" << refuse;
        QTest::newRow("point after a lone point") << int('.') << "." << refuse;
        QTest::newRow("letter") << int('a') << "" << refuse;
        QTest::newRow("exponent e") << int('e') << "1" << refuse;
        QTest::newRow("plus") << int('+') << "" << refuse;
        QTest::newRow("blank") << int(' ') << "" << refuse;
        QTest::newRow("comma") << int(',') << "1" << refuse;
        QTest::newRow("ctrl c") << 3 << "1" << refuse;
        QTest::newRow("ctrl v") << 22 << "" << refuse;
        QTest::newRow("ctrl x") << 24 << "1" << refuse;
        QTest::newRow("escape") << 27 << "" << refuse;
        QTest::newRow("superscript two") << 0xB2 << "" << refuse;
    }
    void filter_decides_by_key_and_whole_text() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(KeyVerdict, verdict);
        QCOMPARE(numericKeyVerdict(static_cast<char16_t>(key), text), verdict);
    }

    void key_presses_type_the_codes_the_filter_sees_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typed"); // -1: types nothing, the filter leaves it alone
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_5) << none << "5" << int('5');
        QTest::newRow("keypad digit")
            << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << int('5');
        QTest::newRow("shifted digit")
            << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << "!" << int('!');
        QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("ctrl v") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("ctrl c without text") << int(Qt::Key_C) << ctrl << "" << 3;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << -1;
        QTest::newRow("shift tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << -1;
        QTest::newRow("delete with DEL text") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << none << "" << -1;
        QTest::newRow("home") << int(Qt::Key_Home) << none << "" << -1;
        QTest::newRow("alt chord") << int(Qt::Key_X) << int(Qt::AltModifier) << "x" << -1;
        QTest::newRow("ctrl digit") << int(Qt::Key_1) << ctrl << "1" << -1;
    }
    void key_presses_type_the_codes_the_filter_sees() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, typed);
        const auto result = typedCharacter(key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(result ? int(*result) : -1, typed);
    }

    void typing_into_a_box_keeps_only_what_the_filter_accepts() {
        RecordingAlerts recorded;
        AlertsOverride alerts(recorded);
        QLineEdit box;
        NumericKeyFilter filter;
        box.installEventFilter(&filter);
        QTest::keyClicks(&box, "-1a2.5.-x");
        QCOMPARE(box.text(), QString("-12.5"));
        QCOMPARE(recorded.beeps, 4);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, ".7");
        QCOMPARE(box.text(), QString("-12.7"));
        QCOMPARE(recorded.beeps, 4);
    }

    void alt_chords_are_not_typing() {
        RecordingAlerts recorded;
        AlertsOverride alerts(recorded);
        QLineEdit box;
        NumericKeyFilter filter;
        box.installEventFilter(&filter);
        QTest::keyClick(&box, Qt::Key_1);
        QTest::keyClick(&box, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(&box, Qt::Key_5, Qt::AltModifier);
        QCOMPARE(box.text(), QString("1"));
        QCOMPARE(recorded.beeps, 0);
    }

    void clipboard_chords_are_refused_but_pasting_text_is_not_filtered() {
        RecordingAlerts recorded;
        AlertsOverride alerts(recorded);
        QLineEdit box;
        NumericKeyFilter filter;
        box.installEventFilter(&filter);
        QGuiApplication::clipboard()->setText("abc");
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QString());
        QCOMPARE(recorded.beeps, 1);
        box.paste(); // what the context menu does
        QCOMPARE(box.text(), QString("abc"));
    }

    void key_strings_make_their_keystrokes_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("presses"); // keys pressed, in order
        QTest::addColumn<bool>("withControl");
        QTest::newRow("tab") << "{Tab}" << QList<int>{Qt::Key_Tab} << false;
        QTest::newRow("enter") << "{Enter}" << QList<int>{Qt::Key_Return} << false;
        QTest::newRow("enter twice") << "~~" << QList<int>{Qt::Key_Return, Qt::Key_Return} << false;
        QTest::newRow("ctrl enter") << "^~" << QList<int>{Qt::Key_Return} << true;
        QTest::newRow("home") << "{Home}" << QList<int>{Qt::Key_Home} << false;
        QTest::newRow("ctrl home") << "^{Home}" << QList<int>{Qt::Key_Home} << true;
        QTest::newRow("end") << "{End}" << QList<int>{Qt::Key_End} << false;
        QTest::newRow("up") << "{UpArrow}" << QList<int>{Qt::Key_Up} << false;
        QTest::newRow("down") << "{DownArrow}" << QList<int>{Qt::Key_Down} << false;
        QTest::newRow("copy") << "^C" << QList<int>{Qt::Key_C} << true;
        QTest::newRow("paste") << "^V" << QList<int>{Qt::Key_V} << true;
        QTest::newRow("cut") << "^X" << QList<int>{Qt::Key_X} << true;
        QTest::newRow("undo") << "^Z" << QList<int>{Qt::Key_Z} << true;
        QTest::newRow("execute key") << "+" << QList<int>{Qt::Key_Execute} << false;
        QTest::newRow("lower-case tab") << "{tab}" << QList<int>{} << false;
        QTest::newRow("upper-case tab") << "{TAB}" << QList<int>{} << false;
        QTest::newRow("bare word") << "Tab" << QList<int>{} << false;
        QTest::newRow("lower-case chord") << "^c" << QList<int>{} << false;
        QTest::newRow("empty") << "" << QList<int>{} << false;
        QTest::newRow("trailing blank") << "{Tab} " << QList<int>{} << false;
    }
    void key_strings_make_their_keystrokes() {
        QFETCH(QString, keys);
        QFETCH(QList<int>, presses);
        QFETCH(bool, withControl);
        // Expected: Ctrl down, then each key down and up, then Ctrl up.
        std::vector<std::pair<QEvent::Type, int>> expected;
        if (withControl) {
            expected.emplace_back(QEvent::KeyPress, Qt::Key_Control);
        }
        for (int key : presses) {
            expected.emplace_back(QEvent::KeyPress, key);
            expected.emplace_back(QEvent::KeyRelease, key);
        }
        if (withControl && !presses.isEmpty()) {
            expected.emplace_back(QEvent::KeyRelease, Qt::Key_Control);
        }
        const auto strokes = keyStrokesFor(keys);
        QCOMPARE(strokes.size(), expected.size());
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            QCOMPARE(strokes[i].type, expected[i].first);
            QCOMPARE(strokes[i].key, expected[i].second);
            if (strokes[i].key != Qt::Key_Control) {
                QCOMPARE(bool(strokes[i].modifiers & Qt::ControlModifier), withControl);
            }
        }
    }

    void a_tab_keystroke_moves_the_focus_and_others_do_not() {
        TwoBoxes window;
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* first = window.first;
        QLineEdit* second = window.second;
        first->setFocus();
        QCOMPARE(QApplication::focusWidget(), first);
        sendKeyString(u"{tab}");
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), first);
        sendKeyString(u"{Tab}");
        QTRY_COMPARE(QApplication::focusWidget(), second);
    }

    void with_no_focus_widget_the_tab_goes_from_the_sender() {
        TwoBoxes window;
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* first = window.first;
        QLineEdit* second = window.second;
        first->setFocus();
        first->clearFocus();
        QCOMPARE(QApplication::focusWidget(), nullptr);
        sendKeyString(u"{Tab}", first);
        QTRY_COMPARE(QApplication::focusWidget(), second);
    }

    void a_ctrl_chord_reaches_the_focus_widget() {
        QWidget window;
        auto* box = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QGuiApplication::clipboard()->setText("42");
        sendKeyString(u"^V");
        QTRY_COMPARE(box->text(), QString("42"));
    }
};

QTEST_MAIN(KeyInputTest)
#include "key_input_test.moc"
