#include "ui/calculator/numeric_key_filter.h"

#include "calculations/common/box_text.h"
#include "ui/calculator/clipboard_chord.h"
#include "ui/calculator/pasted_text.h"
#include "ui/calculator/send_key_string.h"
#include "ui/common/alerts.h"
#include "ui/common/menu_chord.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quillon {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kLineFeed = 10;
constexpr char16_t kEnter = 13;
constexpr char16_t kEscape = 27;

} // namespace

KeyVerdict numericKeyVerdict(char16_t keyAscii, QStringView text) {
    if (keyAscii == kBackspace)
        return KeyVerdict::Accept;
    if (keyAscii == kEnter)
        return KeyVerdict::Tab;
    return boxTakesCharacter(keyAscii, text.isEmpty(), text.contains(u'.')) ? KeyVerdict::Accept
                                                                            : KeyVerdict::Refuse;
}

std::optional<char16_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text) {
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const bool control = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? kLineFeed : kEnter;
    case Qt::Key_Escape:
        return kEscape;
    default:
        break;
    }
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<char16_t>(key - Qt::Key_A + 1);
        return std::nullopt;
    }
    if (text.isEmpty())
        return std::nullopt;
    const char16_t first = text.front().unicode();
    // Delete arrives with the text DEL on some platforms; it edits, it does not type.
    if (first < 0x20 || first == 0x7f)
        return std::nullopt;
    return first;
}

std::optional<QString> NumericKeyFilter::refusal(const QString& pasted,
                                                 const QString& result) const {
    return boxPasteRefusal(pasted, result);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (PasteGuard::eventFilter(watched, event))
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    if (isUnclaimedMenuChord(*press))
        return true;
    // The box copies, cuts, selects and undoes as any text box; its paste was checked above.
    if (clipboardChord(press->key(), press->modifiers()) != ClipboardChord::None)
        return false;
    const auto typed = typedCharacter(press->key(), press->modifiers(), press->text());
    if (!typed)
        return false;
    switch (numericKeyVerdict(*typed, box->text())) {
    case KeyVerdict::Accept:
        return false;
    case KeyVerdict::Tab:
        sendKeyString(u"{Tab}", box);
        return true;
    case KeyVerdict::Refuse:
        alerts().beep();
        return true;
    }
    return false;
}

} // namespace quillon
