// A calculation asked through question boxes: the questions with their boxes (Input1..Input6),
// Calculate, Clear, Help, the answer and, on request, the report and the figure. The boxes take
// keys as the windows' boxes do; a refusal beeps or shows its message, says its reason beside the
// box at fault and puts the cursor there.
import { answerArea } from './answer_area.mjs';
import { element, replaceChildren } from './dom.mjs';
import { filterKeys } from './key_filter.mjs';
import { applyReply, sayRefusal } from './outcome.mjs';
import { reportPanel } from './report_panel.mjs';
import { calculationLink } from './shared_link.mjs';

function box(number, label) {
    return element('input', {
        id: 'Input' + number, type: 'text', inputmode: 'decimal', autocomplete: 'off',
        spellcheck: 'false', 'aria-label': label, 'aria-describedby': 'Reason' + number,
    });
}

function reason(number) {
    return element('span', { id: 'Reason' + number, className: 'reason', role: 'status' });
}

// The questions as the window lays them out: one per line, in two groups of three, or one
// question over a two by two table of boxes.
function questionRows(entry, boxes, reasons) {
    if (entry.layout === 'fourfoldTable') {
        const [first] = entry.questions[0].split(' row 1,');
        return [
            element('p', { id: 'Question1', className: 'question' }, first),
            element('div', { className: 'fourfold', role: 'group', 'aria-labelledby': 'Question1' },
                boxes.map((input, index) => element('div', { className: 'cell' }, input, reasons[index]))),
        ];
    }
    const rows = entry.questions.map((question, index) => element('div', { className: 'row' },
        element('label', { id: 'Question' + (index + 1), for: 'Input' + (index + 1), className: 'question' }, question),
        element('div', { className: 'box' }, boxes[index], reasons[index])));
    if (entry.layout === 'twoGroups') rows.splice(3, 0, element('hr', { id: 'Line2' }));
    return rows;
}

export function showCalculator(view, calculations, entry, link) {
    const count = entry.questions.length;
    const boxes = entry.questions.map((question, index) => box(index + 1, question));
    const reasons = boxes.map((_, index) => reason(index + 1));
    const calculate = element('button', { id: 'Command1', type: 'button' }, 'Calculate');
    const clear = element('button', { id: 'Command2', type: 'button' }, 'Clear');
    const help = element('a', { id: 'Command4', className: 'button', href: '#help/' + entry.help[0].page.replace(/\.html$/, '') }, 'Help');
    const exit = element('a', { id: 'Command3', className: 'button', href: '#' }, 'Start page');
    const answer = answerArea(entry.initialAnswer);
    const report = reportPanel(entry, () => { if (answeredOnce) run(); });
    let answeredOnce = false;

    boxes.forEach((input, index) => {
        filterKeys(input, () => (index + 1 < count ? boxes[index + 1] : calculate));
        input.addEventListener('input', () => hideReason(index));
    });

    function hideReason(index) {
        replaceChildren(reasons[index]);
        boxes[index].removeAttribute('aria-invalid');
    }

    function values() {
        return boxes.map((input) => input.value);
    }

    async function run() {
        boxes.forEach((_, index) => hideReason(index));
        const started = performance.now();
        const reply = calculations.evaluate({ name: entry.name, values: values(), ...(report?.request() ?? {}) });
        const link = calculationLink(entry.name, { values: values() });
        answeredOnce = await applyReply(reply, { answer, report, refuse, link, started });
    }

    async function refuse(refusal) {
        const index = (refusal.box ?? 1) - 1;
        const why = refusal.reason || refusal.message || '';
        if (refusal.box) {
            replaceChildren(reasons[index], why);
            boxes[index].setAttribute('aria-invalid', 'true');
        }
        await sayRefusal(refusal, why);
        boxes[index]?.focus();
    }

    calculate.addEventListener('click', run);
    clear.addEventListener('click', () => {
        boxes.forEach((input, index) => { input.value = ''; hideReason(index); });
        answer.clear('');
        report?.clear();
        answeredOnce = false;
        history.replaceState(null, '', '#' + entry.name);
        boxes[0].focus();
    });

    replaceChildren(view,
        element('h1', { id: 'Title' }, entry.title),
        element('form', { className: 'calculator', onsubmit: (event) => event.preventDefault() },
            questionRows(entry, boxes, reasons),
            element('div', { className: 'buttons' }, calculate, clear, exit, help)),
        element('hr', { id: 'Line1' }),
        answer.elements,
        report?.element);
    document.title = entry.title + ' - Quillon';

    if (link?.values) {
        link.values.slice(0, count).forEach((text, index) => { boxes[index].value = text; });
        run();
    } else {
        boxes[0].focus();
    }
}
