// The input boxes' key filter, their clipboard chords and checked paste, and the synthesised
// keystrokes.
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/clipboard_chord.h"
#include "ui/calculator/numeric_key_filter.h"
#include "ui/calculator/pasted_text.h"
#include "ui/calculator/send_key_string.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace quillon;
using quillon::testing::chooseFromContextMenu;
using quillon::testing::RecordingAlerts;

Q_DECLARE_METATYPE(quillon::KeyVerdict)
Q_DECLARE_METATYPE(quillon::ClipboardChord)

// A box with the key filter, its beeps and refused pastes recorded.
struct FilteredBox {
    FilteredBox() {
        box.installEventFilter(&filter);
        box.show();
    }
    // The box's text with the part from `from` to `to` selected (the caret at `to`), or the caret
    // at `from` when `to` is -1.
    void set(const QString& text, int from, int to = -1) {
        box.setText(text);
        if (to < 0)
            box.setCursorPosition(from);
        else
            box.setSelection(from, to - from);
    }
    RecordingAlerts recorded;
    AlertsOverride alerts{recorded};
    QLineEdit box;
    NumericKeyFilter filter;
    QSignalSpy refused{&filter, &NumericKeyFilter::pasteRefused};
};

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

    void clipboard_chords_are_told_by_their_keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<ClipboardChord>("chord");
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("ctrl c") << int(Qt::Key_C) << ctrl << ClipboardChord::Copy;
        QTest::newRow("ctrl insert") << int(Qt::Key_Insert) << ctrl << ClipboardChord::Copy;
        QTest::newRow("keypad ctrl insert")
            << int(Qt::Key_Insert) << (ctrl | keypad) << ClipboardChord::Copy;
        QTest::newRow("ctrl x") << int(Qt::Key_X) << ctrl << ClipboardChord::Cut;
        QTest::newRow("shift delete") << int(Qt::Key_Delete) << shift << ClipboardChord::Cut;
        QTest::newRow("ctrl v") << int(Qt::Key_V) << ctrl << ClipboardChord::Paste;
        QTest::newRow("shift insert") << int(Qt::Key_Insert) << shift << ClipboardChord::Paste;
        QTest::newRow("ctrl a") << int(Qt::Key_A) << ctrl << ClipboardChord::SelectAll;
        QTest::newRow("ctrl z") << int(Qt::Key_Z) << ctrl << ClipboardChord::Undo;
        QTest::newRow("ctrl y") << int(Qt::Key_Y) << ctrl << ClipboardChord::None;
        QTest::newRow("ctrl b") << int(Qt::Key_B) << ctrl << ClipboardChord::None;
        QTest::newRow("ctrl shift z") << int(Qt::Key_Z) << (ctrl | shift) << ClipboardChord::None;
        QTest::newRow("ctrl alt v")
            << int(Qt::Key_V) << (ctrl | int(Qt::AltModifier)) << ClipboardChord::None;
        QTest::newRow("plain v") << int(Qt::Key_V) << 0 << ClipboardChord::None;
        QTest::newRow("plain insert") << int(Qt::Key_Insert) << 0 << ClipboardChord::None;
        QTest::newRow("plain delete") << int(Qt::Key_Delete) << 0 << ClipboardChord::None;
        QTest::newRow("ctrl delete") << int(Qt::Key_Delete) << ctrl << ClipboardChord::None;
        QTest::newRow("shift c") << int(Qt::Key_C) << shift << ClipboardChord::None;
    }
    void clipboard_chords_are_told_by_their_keys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(ClipboardChord, chord);
        QCOMPARE(clipboardChord(key, Qt::KeyboardModifiers(modifiers)), chord);
    }

    void typable_box_texts_are_the_filters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typable");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("lone minus") << "-" << true;
        QTest::newRow("lone point") << "." << true;
        QTest::newRow("minus point") << "-." << true;
        QTest::newRow("negative fraction") << "-.5" << true;
        QTest::newRow("trailing point") << "12." << true;
        QTest::newRow("digits") << "0123456789" << true;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("two minuses") << "--1" << false;
        QTest::newRow("minus after digits") << "1-" << false;
        QTest::newRow("plus") << "+1" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("leading blank") << " 1" << false;
        QTest::newRow("exponent") << "1E3" << false;
        QTest::newRow("hexadecimal") << "&H1F" << false;
        QTest::newRow("full-width digit") << QString(QChar(0xFF11)) << false;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << false;
    }
    void typable_box_texts_are_the_filters() {
        QFETCH(QString, text);
        QFETCH(bool, typable);
        QCOMPARE(isTypableBoxText(text), typable);
        // Typed in order, the filter lets exactly these through.
        bool typed = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            typed = typed && numericKeyVerdict(text.at(i).unicode(), QStringView(text).left(i)) ==
                                 KeyVerdict::Accept;
        }
        QCOMPARE(typed, typable);
    }

    void clipboard_chords_work_in_a_box_and_other_chords_beep() {
        FilteredBox filtered;
        QLineEdit& box = filtered.box;
        filtered.set("-12.5", 1, 3);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectedText(), QString("-12.5"));
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("-12.5"));
        filtered.set("-12.5", 3, 5);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("-12"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(".5"));
        box.setSelection(0, 1);
        QTest::keyClick(&box, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(box.text(), QString("12"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("-"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("-12"));
        QCOMPARE(filtered.recorded.beeps, 0);

        // Every other chord, and Escape, keeps the filter's beep.
        QTest::keyClick(&box, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_Escape);
        QCOMPARE(filtered.recorded.beeps, 4);
        QCOMPARE(box.text(), QString("-12"));
        QCOMPARE(filtered.refused.size(), 0);
    }

    // Ctrl+V into a box holding `text`, with the part from `from` to `to` selected (-1: the
    // caret at `from`). A refused paste leaves the text as it was, beeps and gives the reason.
    void a_paste_goes_in_only_as_a_typable_number_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("reason"); // empty: taken without a beep
        const QString rule = "A box takes only digits, one point and a leading minus: ";
        const auto taken = [](const char* name, const char* text, int from, int to,
                              const char* clipboard, const char* after) {
            QTest::newRow(name) << text << from << to << clipboard << after << QString();
        };
        const auto refused = [&rule](const char* name, const char* text, int from, int to,
                                     const char* clipboard, const QString& reason) {
            QTest::newRow(name) << text << from << to << clipboard << text << rule + reason;
        };
        taken("a spreadsheet cell", "", 0, -1, "1.96\n", "1.96");
        taken("a spreadsheet cell on Windows", "", 0, -1, "1.96\r\n", "1.96");
        taken("blanks and tabs around", "", 0, -1, " \t1.96 ", "1.96");
        taken("a negative number", "", 0, -1, "-0.25", "-0.25");
        taken("at the caret", "12", 1, -1, "34", "1342");
        taken("digits after a point", "3.", 2, -1, "14", "3.14");
        taken("a point into digits", "314", 1, -1, ".", "3.14");
        taken("a minus before digits", "5", 0, -1, "-", "-5");
        taken("over a selection", "1.5", 1, 3, ".25", "1.25");
        taken("a second point over the first", "1.5", 0, 3, "2.5", "2.5");
        taken("a minus over the whole text", "3", 0, 1, "-5", "-5");
        taken("an empty clipboard", "12", 0, 2, "", "12");
        taken("line breaks only", "12", 2, -1, "\r\n", "12");
        refused("a name and a number", "", 0, -1, "z=1.96", "z=1.96");
        refused("a decimal comma", "", 0, -1, "1,5", "1,5");
        refused("a word", "7", 1, -1, "abc", "abc");
        refused("an exponent", "", 0, -1, "1e3", "1e3");
        refused("a plus", "", 0, -1, "+5", "+5");
        refused("two values on two lines", "", 0, -1, "1\n2\n", "1 2");
        refused("a second minus", "3", 1, -1, "-5", "pasting -5 here gives 3-5");
        refused("a minus after a minus", "-3", 0, -1, "-", "pasting - here gives --3");
        refused("a second point", "1.2", 3, -1, ".5", "pasting .5 here gives 1.2.5");
        refused("a second point beside a selection", "1.5", 0, 1, "2.",
                "pasting 2. here gives 2..5");
        refused("a long text cut short", "", 0, -1, "The mean weight of the calves was 12.5 kg",
                "The mean weight of the calv...");
    }
    void a_paste_goes_in_only_as_a_typable_number() {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QFETCH(QString, reason);
        FilteredBox filtered;
        filtered.set(text, from, to);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(&filtered.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(filtered.box.text(), after);
        QCOMPARE(filtered.recorded.beeps, reason.isEmpty() ? 0 : 1);
        QCOMPARE(filtered.refused.size(), reason.isEmpty() ? 0 : 1);
        if (!reason.isEmpty()) {
            QCOMPARE(filtered.refused[0][0].value<QLineEdit*>(), &filtered.box);
            QCOMPARE(filtered.refused[0][1].toString(), reason);
        }
    }

    // Each way of pasting: checked the same, and trimmed the same.
    void every_paste_is_checked_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("ctrl v") << "ctrl v";
        QTest::newRow("shift insert") << "shift insert";
        QTest::newRow("menu") << "menu";
        QTest::newRow("drop") << "drop";
        QTest::newRow("middle button") << "middle button";
    }
    void every_paste_is_checked() {
        QFETCH(QString, way);
        FilteredBox filtered;
        QLineEdit& box = filtered.box;
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const bool selection = way == "middle button";
        if (selection && !QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform keeps no selection apart from the clipboard");
        const auto pasteText = [&](const QString& text) {
            const QClipboard::Mode mode = selection ? QClipboard::Selection : QClipboard::Clipboard;
            QGuiApplication::clipboard()->setText(text, mode);
            const QPoint end(box.width() - 4, box.height() / 2); // past the text's end
            if (way == "ctrl v") {
                QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            } else if (way == "shift insert") {
                QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
            } else if (way == "menu") {
                QVERIFY(chooseFromContextMenu(&box, "Paste"));
            } else if (way == "drop") {
                QMimeData data;
                data.setText(text);
                QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                // As the drag's target receives it: its filter first.
                QObject& filter = filtered.filter;
                if (!filter.eventFilter(&box, &drop))
                    static_cast<QObject&>(box).event(&drop);
                QCOMPARE(drop.isAccepted(), filtered.refused.isEmpty());
            } else {
                QTest::mouseClick(&box, Qt::MiddleButton, {}, end);
            }
        };
        filtered.set("3", 1);
        pasteText("abc");
        QCOMPARE(box.text(), QString("3"));
        QCOMPARE(filtered.recorded.beeps, 1);
        QCOMPARE(filtered.refused.size(), 1);
        filtered.refused.clear();
        pasteText(".5\r\n");
        QCOMPARE(box.text(), QString("3.5"));
        QCOMPARE(filtered.recorded.beeps, 1);
        QCOMPARE(filtered.refused.size(), 0);
    }

    void ctrl_z_undoes_a_paste_alone() {
        FilteredBox filtered;
        QLineEdit& box = filtered.box;
        box.setFocus();
        QTest::keyClicks(&box, "3");
        QGuiApplication::clipboard()->setText("14");
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(&box, "5");
        QCOMPARE(box.text(), QString("3145"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("314"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("3"));

        // Over a selection, the undo brings the selected text back.
        filtered.set("1.5", 2, 3);
        QGuiApplication::clipboard()->setText("25");
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("1.25"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QString("1.5"));
        QCOMPARE(filtered.recorded.beeps, 0);
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
        if (withControl)
            expected.emplace_back(QEvent::KeyPress, Qt::Key_Control);
        for (int key : presses) {
            expected.emplace_back(QEvent::KeyPress, key);
            expected.emplace_back(QEvent::KeyRelease, key);
        }
        if (withControl && !presses.isEmpty())
            expected.emplace_back(QEvent::KeyRelease, Qt::Key_Control);
        const auto strokes = keyStrokesFor(keys);
        QCOMPARE(strokes.size(), expected.size());
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            QCOMPARE(strokes[i].type, expected[i].first);
            QCOMPARE(strokes[i].key, expected[i].second);
            if (strokes[i].key != Qt::Key_Control)
                QCOMPARE(bool(strokes[i].modifiers & Qt::ControlModifier), withControl);
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
