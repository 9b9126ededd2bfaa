// The key filter of every input box of a calculator window: digits, one point, a leading minus and
// backspace get through; Enter becomes a Tab keystroke; the clipboard chords work as in any text
// box; anything else is refused with a beep. Pasted and dropped text is held to what could be
// typed.
#pragma once

#include "ui/calculator/paste_guard.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillon {

enum class KeyVerdict {
    Accept, // the box inserts the key as usual
    Tab,    // swallowed; a Tab keystroke is sent instead
    Refuse, // swallowed with a beep
};

// The verdict on a typed character code given the box's whole text before it takes effect.
KeyVerdict numericKeyVerdict(char16_t keyAscii, QStringView text);

// The character code a key press types, or nothing for keys that only move or edit (arrows, Home,
// Delete, Tab, function keys, Alt chords). Ctrl with a letter types its control code (Ctrl+V is
// 22).
std::optional<char16_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text);

// Applies numericKeyVerdict to the characters typed in the line edits it is installed on, and
// lets their clipboard chords (clipboardChord) through. A paste or drop goes in only when the box
// would then hold a text a person could type (isTypableBoxText); otherwise the box takes nothing,
// beeps and emits pasteRefused with the reason.
class NumericKeyFilter : public PasteGuard {
    Q_OBJECT
public:
    using PasteGuard::PasteGuard;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::optional<QString> refusal(const QString& pasted, const QString& result) const override;
};

} // namespace quillon
