// The keys a question box takes, as in the windows: digits, one point and a leading minus; any
// other character typed is refused with the beep. Enter moves to the next box, after the last one
// to Calculate, which Enter then presses. Pasted text and the clipboard keys are left alone: the
// calculation reads a pasted text and says why when it is not a number.
import { beep } from './alerts.mjs';

export function typedCharacterAllowed(character, text) {
    if (/^[0-9]$/.test(character)) return true;
    if (character === '-') return text === '';
    if (character === '.') return !text.includes('.');
    return false;
}

export function filterKeys(box, next) {
    box.addEventListener('beforeinput', (event) => {
        if (event.inputType !== 'insertText' || event.data === null) return;
        // The filter looks at the whole text, not at the selection, as the windows' filter does.
        let text = box.value;
        for (const character of event.data) {
            if (!typedCharacterAllowed(character, text)) {
                event.preventDefault();
                beep();
                return;
            }
            text += character;
        }
    });
    box.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.isComposing) return;
        event.preventDefault();
        next()?.focus();
    });
}
