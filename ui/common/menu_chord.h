// Alt with a character is a menu or button chord, never typing. A line edit inserts the character
// of a chord that no shortcut takes, so the boxes drop such chords themselves.
#pragma once

#include <QKeyEvent>

namespace quillon {

inline bool isUnclaimedMenuChord(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & (Qt::AltModifier | Qt::MetaModifier)) || (modifiers & Qt::ControlModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint();
}

} // namespace quillon
