// The clipboard and editing chords that a box takes as any text box does, told by the keys
// themselves so that every platform's boxes agree.
#pragma once

#include <Qt>

namespace quillon {

enum class ClipboardChord { None, Copy, Cut, Paste, SelectAll, Undo };

// Ctrl+C and Ctrl+Insert copy, Ctrl+X and Shift+Delete cut, Ctrl+V and Shift+Insert paste, Ctrl+A
// selects all and Ctrl+Z undoes; the keypad's keys count as the others. Any other modifier
// with them (Alt, or Shift with Ctrl) makes no chord.
ClipboardChord clipboardChord(int key, Qt::KeyboardModifiers modifiers);

} // namespace quillon
