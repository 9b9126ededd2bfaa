// What the page does to get attention: the warning beep, the "Error" message box, the clipboard,
// and the words a screen reader hears.
import { replaceChildren } from './dom.mjs';

let audio = null;

// A short tone, as the system's warning beep. Browsers allow sound only after a key or a click,
// which every beep follows.
export function beep() {
    try {
        audio ??= new AudioContext();
        const tone = audio.createOscillator();
        const volume = audio.createGain();
        tone.frequency.value = 880;
        volume.gain.setValueAtTime(0.15, audio.currentTime);
        volume.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.15);
        tone.connect(volume).connect(audio.destination);
        tone.start();
        tone.stop(audio.currentTime + 0.15);
    } catch {
        // No sound on this device: the reason beside the box still says why.
    }
    document.dispatchEvent(new CustomEvent('quillon-beep'));
}

// A modal box with the title, the text and an OK button; the focus goes back where it was when
// the box closes.
export function showMessage(text, title = 'Error') {
    const box = document.getElementById('MessageBox');
    const back = document.activeElement;
    replaceChildren(document.getElementById('MessageTitle'), title);
    replaceChildren(document.getElementById('MessageText'), text);
    return new Promise((resolve) => {
        box.addEventListener('close', () => {
            if (back instanceof HTMLElement && back.isConnected) back.focus();
            resolve();
        }, { once: true });
        box.showModal();
        document.getElementById('MessageOK').focus();
    });
}

let lastCopied = '';

// Replaces the clipboard text. The page keeps the text too, so that a test or a second Copy gets it
// when the browser refuses the clipboard (a page not in front, a browser without the permission).
export async function copyText(text) {
    lastCopied = text;
    document.documentElement.dataset.copied = text;
    try {
        await navigator.clipboard.writeText(text);
        return true;
    } catch {
        return copyThroughSelection(text);
    }
}

export function lastCopiedText() {
    return lastCopied;
}

function copyThroughSelection(text) {
    const holder = document.createElement('textarea');
    holder.value = text;
    holder.setAttribute('readonly', '');
    holder.className = 'offscreen';
    document.body.append(holder);
    const back = document.activeElement;
    holder.select();
    let copied = false;
    try {
        copied = document.execCommand('copy');
    } catch {
        copied = false;
    }
    holder.remove();
    if (back instanceof HTMLElement) back.focus();
    return copied;
}

// Words for screen readers only, said once.
export function announce(text) {
    const announcer = document.getElementById('Announcer');
    replaceChildren(announcer);
    // A fresh text node after the region emptied is what screen readers announce.
    requestAnimationFrame(() => replaceChildren(announcer, text));
}
