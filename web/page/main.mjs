// The page's entry: loads the calculations, then shows the view the address names, the start page
// when it names none. Every view is made from the catalogue.
import { showMessage } from './alerts.mjs';
import { loadCalculations } from './calculations.mjs';
import { showCalculator } from './calculator_view.mjs';
import { showDataSheet } from './data_sheet_view.mjs';
import { element, replaceChildren } from './dom.mjs';
import { showHelp } from './help_view.mjs';
import { parseLink } from './shared_link.mjs';
import { showStartPage } from './start_page.mjs';

const view = document.getElementById('View');

document.getElementById('MessageOK').addEventListener('click', () => document.getElementById('MessageBox').close());

function route(calculations) {
    const link = parseLink(location.hash);
    if (link.view === 'help') {
        showHelp(view, link.page, calculations);
        return;
    }
    if (link.view === 'calculation') {
        const entry = calculations.entry(link.name);
        if (!entry) {
            showStartPage(view, calculations, { notice: `No calculation is called "${link.name}".` });
            return;
        }
        if (entry.sheet) showDataSheet(view, calculations, entry, link.rows || Object.keys(link.options).length > 0 ? link : null);
        else showCalculator(view, calculations, entry, link.values ? link : null);
        return;
    }
    showStartPage(view, calculations);
}

try {
    const calculations = await loadCalculations();
    window.addEventListener('hashchange', () => route(calculations));
    route(calculations);
    document.documentElement.dataset.ready = 'true';
    // The browser compiles the module's code as it is first called: one evaluation while the page
    // is idle makes the first Calculate as quick as the later ones.
    const first = calculations.catalogue.find((entry) => entry.questions);
    const warm = () => calculations.evaluate({ name: first.name, values: first.questions.map(() => '1') });
    if ('requestIdleCallback' in window) requestIdleCallback(warm);
    else setTimeout(warm, 200);
} catch (error) {
    replaceChildren(view, element('p', { role: 'alert' },
        'The calculations cannot be loaded in this browser: ', String(error?.message ?? error)));
    showMessage('The calculations cannot be loaded in this browser.');
}

// Once loaded, the page works offline: the service worker keeps its files.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service_worker.js').catch(() => {});
}
