// The answer under a calculation: its text (or the analysis of variance table), the summary put on
// the clipboard with a Copy button, and the link that answers it again.
import { announce, beep, copyText, showMessage } from './alerts.mjs';
import { element, replaceChildren } from './dom.mjs';

export function answerArea(initialAnswer) {
    const text = element('output', { id: 'Answer', className: 'answer', 'aria-live': 'polite' },
                         initialAnswer ?? '');
    const table = element('table', { id: 'Grid1', className: 'answer-table', hidden: true });
    const copied = element('p', { id: 'Copied', className: 'status', 'aria-live': 'polite' });
    let clipboard = null;
    const copy = element('button', {
        id: 'CopyAnswer', type: 'button', disabled: true,
        onclick: async () => {
            if (clipboard === null) return;
            const done = await copyText(clipboard);
            replaceChildren(copied, done ? 'Copied to the clipboard.' : 'The browser refused the clipboard.');
        },
    }, 'Copy');
    const link = element('button', { id: 'CopyLink', type: 'button', hidden: true }, 'Copy link');
    let linkText = '';
    link.addEventListener('click', async () => {
        const done = await copyText(new URL(linkText, location.href).href);
        replaceChildren(copied, done ? 'The link to this answer was copied.' : 'The browser refused the clipboard.');
    });

    return {
        elements: [text, table, element('div', { className: 'answer-actions' }, copy, link), copied],
        // An answer of the evaluation: shown, its summary copied, the beep where it asks for one.
        async answered(reply, linkToIt) {
            replaceChildren(text, reply.answer);
            showTable(table, reply.table);
            clipboard = reply.clipboard ?? null;
            copy.disabled = clipboard === null;
            linkText = linkToIt;
            link.hidden = false;
            replaceChildren(copied);
            if (reply.beep) beep();
            announce(reply.answer.replaceAll('\n', ' '));
            if (clipboard !== null) {
                const done = await copyText(clipboard);
                replaceChildren(copied, done ? 'The summary was copied to the clipboard.'
                                             : 'Press Copy to put the summary on the clipboard.');
            }
        },
        // An arithmetic error: the message box, and nothing else changes.
        failed(message) {
            return showMessage(message);
        },
        clear(initial = '') {
            replaceChildren(text, initial);
            showTable(table, null);
            clipboard = null;
            copy.disabled = true;
            link.hidden = true;
            replaceChildren(copied);
        },
    };
}

function showTable(table, rows) {
    table.replaceChildren();
    table.hidden = !rows || rows.length === 0;
    if (table.hidden) return;
    const body = element('tbody');
    rows.forEach((row, index) => {
        body.append(element('tr', {}, row.map((cell, column) =>
            element(index === 0 || column === 0 ? 'th' : 'td', {
                id: `Grid1-${index}-${column}`,
                scope: index === 0 ? 'col' : column === 0 ? 'row' : undefined,
            }, cell))));
    });
    table.append(body);
}
