#include "ui/calculator/send_key_string.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <array>

namespace quillon {

namespace {

struct KeyStringEntry {
    QStringView keys;
    int key;
    bool withControl;
    int repeat;
};

// Home, End and the arrows type nothing; Tab, Enter and the Ctrl letters type their control codes.
QString textOf(int key, bool withControl) {
    if (withControl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(key - Qt::Key_A + 1));
    switch (key) {
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Return:
        return QStringLiteral("\r");
    default:
        return {};
    }
}

constexpr std::array kKeyStrings = {
    KeyStringEntry{u"{Tab}", Qt::Key_Tab, false, 1},
    KeyStringEntry{u"{Enter}", Qt::Key_Return, false, 1},
    KeyStringEntry{u"~~", Qt::Key_Return, false, 2},
    KeyStringEntry{u"^~", Qt::Key_Return, true, 1},
    KeyStringEntry{u"{Home}", Qt::Key_Home, false, 1},
    KeyStringEntry{u"^{Home}", Qt::Key_Home, true, 1},
    KeyStringEntry{u"{End}", Qt::Key_End, false, 1},
    KeyStringEntry{u"{UpArrow}", Qt::Key_Up, false, 1},
    KeyStringEntry{u"{DownArrow}", Qt::Key_Down, false, 1},
    KeyStringEntry{u"^C", Qt::Key_C, true, 1},
    KeyStringEntry{u"^V", Qt::Key_V, true, 1},
    KeyStringEntry{u"^X", Qt::Key_X, true, 1},
    KeyStringEntry{u"^Z", Qt::Key_Z, true, 1},
    // Virtual key 43 is the Execute key: "+" names it, it does not type a plus sign.
    KeyStringEntry{u"+", Qt::Key_Execute, false, 1},
};

} // namespace

std::vector<KeyStroke> keyStrokesFor(QStringView keys) {
    std::vector<KeyStroke> strokes;
    for (const auto& entry : kKeyStrings) {
        if (entry.keys != keys)
            continue;
        const Qt::KeyboardModifiers held = entry.withControl ? Qt::ControlModifier : Qt::NoModifier;
        if (entry.withControl)
            strokes.push_back({QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, {}});
        const QString text = textOf(entry.key, entry.withControl);
        for (int i = 0; i < entry.repeat; ++i) {
            strokes.push_back({QEvent::KeyPress, entry.key, held, text});
            strokes.push_back({QEvent::KeyRelease, entry.key, held, text});
        }
        if (entry.withControl)
            strokes.push_back({QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, {}});
        break;
    }
    return strokes;
}

void sendKeyString(QStringView keys, QWidget* sender) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr && sender != nullptr) {
        // The keys start from the widget that asked, as they would had it kept the focus.
        sender->setFocus(Qt::OtherFocusReason);
        target = sender;
    }
    if (target == nullptr)
        return;
    for (const KeyStroke& stroke : keyStrokesFor(keys)) {
        QCoreApplication::postEvent(
            target, new QKeyEvent(stroke.type, stroke.key, stroke.modifiers, stroke.text));
    }
}

} // namespace quillon
