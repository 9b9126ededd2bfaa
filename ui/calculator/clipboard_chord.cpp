#include "ui/calculator/clipboard_chord.h"

namespace quillon {

ClipboardChord clipboardChord(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_C:
        case Qt::Key_Insert:
            return ClipboardChord::Copy;
        case Qt::Key_X:
            return ClipboardChord::Cut;
        case Qt::Key_V:
            return ClipboardChord::Paste;
        case Qt::Key_A:
            return ClipboardChord::SelectAll;
        case Qt::Key_Z:
            return ClipboardChord::Undo;
        default:
            return ClipboardChord::None;
        }
    }
    if (modifiers == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_Delete:
            return ClipboardChord::Cut;
        case Qt::Key_Insert:
            return ClipboardChord::Paste;
        default:
            return ClipboardChord::None;
        }
    }
    return ClipboardChord::None;
}

} // namespace quillon
