// Synthesised keystrokes, as if typed: each known key string becomes key press and release events
// posted to the widget that has the focus. A Tab keystroke therefore moves the focus in tab order.
#pragma once

#include <QEvent>
#include <QString>
#include <QStringView>

#include <vector>

class QWidget;

namespace quillon {

struct KeyStroke {
    QEvent::Type type = QEvent::KeyPress; // KeyPress or KeyRelease
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool operator==(const KeyStroke&) const = default;
};

// The events a key string makes, in order; empty for a string outside the vocabulary (the match
// is exact and case-sensitive: "{tab}" sends nothing).
std::vector<KeyStroke> keyStrokesFor(QStringView keys);

// Posts the key string's events to the focus widget. When no widget has the focus (the window is
// inactive for a moment, as after a message box closes without a window manager), they go to
// sender, the widget that asked; with no sender, nothing is sent.
void sendKeyString(QStringView keys, QWidget* sender = nullptr);

} // namespace quillon
