// A calculation that takes a data sheet: a grid of 100 rows of text cells (ids Sheet1-ROW-COLUMN)
// under the instruction, the sheet's own controls, Calculate, Clear and Help, and the answer. A
// block pasted from a spreadsheet fills the grid from the cell the cursor is in; cells selected
// with the mouse (drag, or Shift+click) come out with Ctrl+C as tab-separated lines.
import { beep, copyText, showMessage } from './alerts.mjs';
import { answerArea } from './answer_area.mjs';
import { element, replaceChildren } from './dom.mjs';
import { applyReply, sayRefusal } from './outcome.mjs';
import { reportPanel } from './report_panel.mjs';
import { calculationLink } from './shared_link.mjs';
import { limitMessages, moveFrom, sheetWalk } from './sheet_keys.mjs';

const cellId = (row, column) => `Sheet1-${row}-${column}`;
const holdsBlock = (text) => /[\t\r\n]/.test(text);

function optionControls(sheet, changed) {
    return sheet.options.map((option) => {
        if (option.kind === 'check') {
            const box = element('input', { id: option.control, type: 'checkbox', checked: option.default === 'on' });
            box.addEventListener('change', changed);
            return { option, read: () => (box.checked ? 'on' : 'off'), write: (text) => { box.checked = text === 'on'; },
                     focus: () => box.focus(), element: element('label', { className: 'option' }, box, ' ', option.caption) };
        }
        if (option.kind === 'choice') {
            const radios = option.choices.map((choice, index) => element('input', {
                id: option.control + index, type: 'radio', name: option.control, value: choice.key,
                checked: choice.key === option.default,
            }));
            radios.forEach((radio) => radio.addEventListener('change', changed));
            return {
                option,
                read: () => radios.find((radio) => radio.checked)?.value ?? option.default,
                write: (text) => radios.forEach((radio) => { radio.checked = radio.value === text; }),
                focus: () => (radios.find((radio) => radio.checked) ?? radios[0]).focus(),
                element: element('fieldset', { className: 'option' },
                    element('legend', {}, option.caption || option.key[0].toUpperCase() + option.key.slice(1)),
                    option.choices.map((choice, index) => element('label', {}, radios[index], ' ', choice.caption))),
            };
        }
        const box = element('input', { id: option.control, type: 'text', inputmode: 'decimal', autocomplete: 'off', value: option.default });
        return { option, read: () => box.value, write: (text) => { box.value = text; }, focus: () => box.focus(),
                 element: element('label', { className: 'option' }, option.caption, ' ', box), box };
    });
}

export function showDataSheet(view, calculations, entry, link) {
    const sheet = entry.sheet;
    const walk = sheetWalk(entry);
    const texts = Array.from({ length: sheet.rows }, () => Array(sheet.columns).fill(''));
    let current = { row: 1, column: 1 };
    let anchor = null;
    let range = null;
    let answeredOnce = false;

    const controls = optionControls(sheet, () => { presentation(); if (answeredOnce) run(); });
    const headingCells = sheet.headings.map((heading, column) =>
        element('th', { id: `Sheet1-0-${column}`, scope: 'col' }, heading));
    const cells = [];
    const body = element('tbody');
    for (let row = 1; row <= sheet.rows; row += 1) {
        const line = [];
        const tr = element('tr', {}, element('th', { scope: 'row' }, ' ' + row));
        for (let column = 1; column <= sheet.columns; column += 1) {
            const input = element('input', {
                id: cellId(row, column), type: 'text', autocomplete: 'off', spellcheck: 'false',
                'aria-label': `${sheet.headings[column]} ${row}`, tabindex: row === 1 && column === 1 ? '0' : '-1',
                'data-row': row, 'data-column': column,
            });
            line.push(input);
            tr.append(element('td', {}, input));
        }
        cells.push(line);
        body.append(tr);
    }
    const grid = element('table', { id: 'Sheet1', className: 'sheet', 'aria-labelledby': 'Instruction' },
        element('thead', {}, element('tr', {}, headingCells)), body);
    const cellReason = element('p', { id: 'SheetReason', className: 'reason', role: 'status' });
    const notice = element('p', { id: 'SheetNotice', className: 'status', 'aria-live': 'polite' });
    const calculate = element('button', { id: 'Command1', type: 'button' }, 'Calculate');
    const clear = element('button', { id: 'Command2', type: 'button' }, 'Clear');
    const help = element('a', { id: 'Command4', className: 'button' }, 'Help');
    const exit = element('a', { id: 'Command3', className: 'button', href: '#' }, 'Start page');
    const answer = answerArea('');
    const report = reportPanel(entry, () => { if (answeredOnce) run(); });
    const title = element('h1', { id: 'Title' }, entry.title);

    const cellAt = ({ row, column }) => cells[row - 1][column - 1];
    const store = (cell, text) => { texts[cell.row - 1][cell.column - 1] = text; cellAt(cell).value = text; };

    // The title, the headings and the help page that follow from the sheet's options.
    function presentation() {
        for (const control of controls) {
            const choice = control.option.choices?.find((one) => one.key === control.read());
            if (!choice?.presentation) continue;
            const shown = choice.presentation;
            replaceChildren(title, shown.title);
            document.title = shown.title + ' - Quillon';
            shown.headings.forEach((heading, column) => replaceChildren(headingCells[column], heading));
            help.href = '#help/' + entry.help[shown.help].page.replace(/\.html$/, '');
            return;
        }
        help.href = '#help/' + entry.help[0].page.replace(/\.html$/, '');
    }

    function go(cell, { focus = true } = {}) {
        cellAt(current).tabIndex = -1;
        current = cell;
        const input = cellAt(current);
        input.tabIndex = 0;
        if (focus) {
            input.focus();
            input.select();
        }
    }

    function showRange() {
        grid.querySelectorAll('.selected').forEach((input) => input.classList.remove('selected'));
        if (!range) return;
        for (let row = range.top; row <= range.bottom; row += 1)
            for (let column = range.left; column <= range.right; column += 1)
                cellAt({ row, column }).classList.add('selected');
    }

    function selectTo(cell) {
        const from = anchor ?? current;
        range = {
            top: Math.min(from.row, cell.row), bottom: Math.max(from.row, cell.row),
            left: Math.min(from.column, cell.column), right: Math.max(from.column, cell.column),
        };
        if (range.top === range.bottom && range.left === range.right) range = null;
        showRange();
    }

    function cellOf(target) {
        return target instanceof HTMLInputElement && target.dataset.row
            ? { row: Number(target.dataset.row), column: Number(target.dataset.column) } : null;
    }

    grid.addEventListener('input', (event) => {
        const cell = cellOf(event.target);
        if (cell) texts[cell.row - 1][cell.column - 1] = event.target.value;
    });
    grid.addEventListener('focusin', (event) => {
        const cell = cellOf(event.target);
        if (cell && (cell.row !== current.row || cell.column !== current.column)) go(cell, { focus: false });
    });
    grid.addEventListener('mousedown', (event) => {
        const cell = cellOf(event.target);
        if (!cell) return;
        if (event.shiftKey) {
            event.preventDefault();
            selectTo(cell);
            return;
        }
        anchor = cell;
        range = null;
        showRange();
        const extend = (moved) => { const over = cellOf(moved.target); if (over) selectTo(over); };
        grid.addEventListener('mouseover', extend);
        document.addEventListener('mouseup', () => grid.removeEventListener('mouseover', extend), { once: true });
    });
    grid.addEventListener('keydown', (event) => {
        const cell = cellOf(event.target);
        if (!cell) return;
        const key = event.key;
        if (key !== 'Tab' && key !== 'Enter' && key !== 'ArrowUp' && key !== 'ArrowDown') return;
        event.preventDefault();
        range = null;
        showRange();
        const moved = moveFrom(cell, key, event.shiftKey || event.ctrlKey || event.altKey, walk, sheet);
        if (moved.limit === 'first') beep();
        if (limitMessages[moved.limit]) showMessage(limitMessages[moved.limit]).then(() => go(moved.cell));
        else go(moved.cell);
    });
    grid.addEventListener('copy', (event) => {
        const cell = cellOf(event.target);
        if (!cell) return;
        const input = event.target;
        const selectedText = input.selectionStart !== input.selectionEnd && !range;
        if (selectedText) return;
        event.preventDefault();
        const area = range ?? { top: cell.row, bottom: cell.row, left: cell.column, right: cell.column };
        const lines = [];
        for (let row = area.top; row <= area.bottom; row += 1)
            lines.push(texts[row - 1].slice(area.left - 1, area.right).join('\t') + '\n');
        const text = range ? lines.join('') : texts[cell.row - 1][cell.column - 1];
        event.clipboardData.setData('text/plain', text);
        copyText(text);
        replaceChildren(notice, range ? 'The selected cells were copied.' : 'The cell was copied.');
    });
    grid.addEventListener('paste', (event) => {
        const cell = cellOf(event.target);
        const text = event.clipboardData?.getData('text/plain') ?? '';
        if (!cell || !holdsBlock(text)) return;
        event.preventDefault();
        pasteBlock(cell, text);
    });

    function pasteBlock(cell, text) {
        const placed = calculations.paste({ name: entry.name, row: cell.row, column: cell.column, text });
        if (placed.problem) {
            showMessage(placed.problem);
            return;
        }
        for (const one of placed.cells) store(one, one.text);
        replaceChildren(notice, placed.notice ?? '');
        go(cell);
        if (placed.message) showMessage(placed.message);
    }

    function optionValues() {
        return Object.fromEntries(controls.map((control) => [control.option.key, control.read()]));
    }

    function usedRows() {
        let last = texts.length;
        while (last > 0 && texts[last - 1].every((text) => text === '')) last -= 1;
        return texts.slice(0, last).map((row) => {
            const cells = [...row];
            while (cells.length > 0 && cells.at(-1) === '') cells.pop();
            return cells;
        });
    }

    function hideReasons() {
        replaceChildren(cellReason);
        grid.querySelectorAll('[aria-invalid]').forEach((input) => {
            input.removeAttribute('aria-invalid');
            input.removeAttribute('aria-describedby');
        });
        for (const control of controls) control.box?.removeAttribute('aria-invalid');
    }

    async function run() {
        hideReasons();
        const rows = usedRows();
        const options = optionValues();
        const started = performance.now();
        const reply = calculations.evaluate({ name: entry.name, rows, options, ...(report?.request() ?? {}) });
        // The Yates box shows whether the correction was applied.
        if (reply.yatesSwitchedOn) controls.find((control) => control.option.kind === 'check')?.write('on');
        const link = calculationLink(entry.name, { rows, options });
        answeredOnce = await applyReply(reply, { answer, report, refuse, link, started });
    }

    async function refuse(refusal) {
        const why = refusal.reason || refusal.message || '';
        let back = () => go(current);
        if (refusal.row) {
            const cell = { row: refusal.row, column: refusal.column };
            const input = cellAt(cell);
            replaceChildren(cellReason, `${refusal.heading} ${refusal.row}: ${why}`);
            input.setAttribute('aria-invalid', 'true');
            input.setAttribute('aria-describedby', 'SheetReason');
            back = () => go(cell);
        } else if (refusal.option) {
            const control = controls.find((one) => one.option.key === refusal.option);
            replaceChildren(cellReason, why);
            control?.box?.setAttribute('aria-invalid', 'true');
            back = () => control?.focus();
        } else {
            replaceChildren(cellReason, why);
        }
        await sayRefusal(refusal, why);
        back();
    }

    calculate.addEventListener('click', run);
    clear.addEventListener('click', () => {
        for (let row = 1; row <= sheet.rows; row += 1)
            for (let column = 1; column <= sheet.columns; column += 1) store({ row, column }, '');
        for (const control of controls) if (control.option.kind === 'text') control.write('');
        hideReasons();
        replaceChildren(notice);
        answer.clear('');
        report?.clear();
        answeredOnce = false;
        range = null;
        showRange();
        history.replaceState(null, '', '#' + entry.name);
        go({ row: 1, column: 1 });
    });

    replaceChildren(view,
        title,
        element('p', { id: 'Instruction' }, sheet.instruction),
        element('div', { className: 'sheet-frame', tabindex: '-1' }, grid),
        cellReason,
        notice,
        element('div', { className: 'options' }, controls.map((control) => control.element)),
        element('div', { className: 'buttons' }, calculate, clear, exit, help),
        element('hr', { id: 'Line1' }),
        answer.elements,
        report?.element);
    document.title = entry.title + ' - Quillon';

    if (link) {
        for (const control of controls)
            if (link.options[control.option.key] !== undefined) control.write(link.options[control.option.key]);
    }
    presentation();
    if (link?.rows) {
        link.rows.slice(0, sheet.rows).forEach((row, r) =>
            row.slice(0, sheet.columns).forEach((text, c) => store({ row: r + 1, column: c + 1 }, text)));
        run();
    } else {
        go({ row: 1, column: 1 });
    }
}
