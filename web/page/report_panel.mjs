// The report of effect sizes and intervals and the figure below an answer, shown when the person
// asks for them; the choice, the level and the exponent setting stay for the next visit.
import { copyText } from './alerts.mjs';
import { element, replaceChildren } from './dom.mjs';

const settingsKey = 'quillon.report';

function savedSettings() {
    try {
        const saved = JSON.parse(localStorage.getItem(settingsKey) ?? '{}');
        return {
            shown: saved.shown === true,
            level: typeof saved.level === 'number' ? saved.level : 95,
            exponent: saved.exponent === true,
        };
    } catch {
        return { shown: false, level: 95, exponent: false };
    }
}

function save(settings) {
    try {
        localStorage.setItem(settingsKey, JSON.stringify(settings));
    } catch {
        // Private browsing: the setting lasts for this visit.
    }
}

const darkScheme = matchMedia('(prefers-color-scheme: dark)');

export function reportPanel(entry, calculateAgain) {
    if (!entry.report && !entry.figure) return null;
    const settings = savedSettings();
    const what = entry.report && entry.figure ? 'report and figure' : entry.figure ? 'figure' : 'report';
    const toggle = element('input', { id: 'ReportShown', type: 'checkbox', checked: settings.shown });
    const level = element('input', {
        id: 'ReportLevel', type: 'number', min: '50', max: '99.99', step: 'any',
        value: String(settings.level), inputmode: 'decimal',
    });
    const exponent = element('input', { id: 'ReportExponent', type: 'checkbox', checked: settings.exponent });
    const settingsRow = element('div', { className: 'report-settings', hidden: !entry.report },
        element('label', { for: 'ReportLevel' }, 'Intervals at '), level, ' %',
        element('label', {}, exponent, ' small p with an exponent'));
    const lines = element('div', { id: 'ReportLines', className: 'report-lines', 'aria-live': 'polite' });
    const published = element('p', { id: 'ReportPublished', className: 'published' });
    const copyPublished = element('button', { id: 'CopyPublished', type: 'button', hidden: true }, 'Copy the reported line');
    const copied = element('span', { className: 'status', 'aria-live': 'polite' });
    const figure = element('figure', { id: 'Figure', className: 'figure', hidden: true });
    const body = element('div', { id: 'ReportBody', hidden: !settings.shown },
        settingsRow, lines, element('div', {}, published, copyPublished, copied), figure);
    let figureUrl = null;
    let lastReply = null;

    copyPublished.addEventListener('click', async () => {
        const done = await copyText(published.textContent);
        replaceChildren(copied, done ? ' Copied.' : ' The browser refused the clipboard.');
    });

    function settingsChanged() {
        const percent = Number(level.value);
        if (Number.isFinite(percent) && percent >= 50 && percent <= 99.99) settings.level = percent;
        settings.exponent = exponent.checked;
        settings.shown = toggle.checked;
        body.hidden = !settings.shown;
        save(settings);
        calculateAgain();
    }
    toggle.addEventListener('change', settingsChanged);
    level.addEventListener('change', settingsChanged);
    exponent.addEventListener('change', settingsChanged);
    darkScheme.addEventListener('change', () => { if (lastReply) calculateAgain(); });

    function clear() {
        lines.replaceChildren();
        replaceChildren(published);
        copyPublished.hidden = true;
        replaceChildren(copied);
        figure.replaceChildren();
        figure.hidden = true;
        if (figureUrl) URL.revokeObjectURL(figureUrl);
        figureUrl = null;
        lastReply = null;
    }

    function showFigure(reply) {
        if (reply.figure) {
            figureUrl = URL.createObjectURL(new Blob([reply.figure], { type: 'image/svg+xml' }));
            const image = element('img', {
                id: 'FigureImage', src: figureUrl, alt: reply.figureDescription ?? '',
                width: String(reply.figureWidth), height: String(reply.figureHeight),
            });
            const save = element('a', { id: 'SaveFigure', href: figureUrl, download: entry.name + '.svg' },
                                 'Save the figure as SVG');
            replaceChildren(figure, image, element('figcaption', {}, reply.figureDescription ?? '', ' ', save));
            figure.hidden = false;
        } else if (reply.figureProblem) {
            replaceChildren(figure, element('p', { className: 'status' }, 'No figure: ' + reply.figureProblem));
            figure.hidden = false;
        }
    }

    return {
        element: element('section', { className: 'report', 'aria-label': 'Report' },
            element('label', { className: 'report-toggle' }, toggle, ` Show the ${what}`), body),
        // What a request adds to ask for the report and the figure.
        request() {
            if (!settings.shown) return {};
            const asked = {};
            if (entry.report) asked.report = { level: settings.level, exponent: settings.exponent };
            if (entry.figure) {
                const width = Math.max(320, Math.min(720, Math.round(body.clientWidth || 640)));
                asked.figure = { width, height: Math.round(width * 0.62), dark: darkScheme.matches };
            }
            return asked;
        },
        answered(reply) {
            clear();
            lastReply = reply;
            if (!settings.shown) return;
            if (reply.report) {
                for (const line of reply.report.lines) lines.append(element('p', {}, line));
                replaceChildren(published, reply.report.published ?? '');
                copyPublished.hidden = !reply.report.published;
            }
            showFigure(reply);
        },
        clear,
    };
}
