// The start page: every calculation by family under a search box that has the focus. Typing
// narrows the list to the matches, best first; Up and Down move the marked one, Enter opens it and
// Escape empties the search.
import { element, replaceChildren } from './dom.mjs';

export function showStartPage(view, calculations, { notice } = {}) {
    const search = element('input', {
        id: 'Search', type: 'search', autocomplete: 'off', spellcheck: 'false',
        role: 'combobox', 'aria-controls': 'Calculations', 'aria-expanded': 'true',
        'aria-autocomplete': 'list', 'aria-describedby': 'SearchHint',
        placeholder: 't test, anova, sample size, chi ...',
    });
    const list = element('ul', { id: 'Calculations', role: 'listbox', 'aria-label': 'Calculations' });
    const status = element('p', { id: 'SearchStatus', className: 'status', 'aria-live': 'polite' });
    let shown = [];
    let marked = 0;

    function option(entry, index) {
        return element('li', {
            id: 'Open-' + entry.name, role: 'option', 'aria-selected': 'false',
            'data-name': entry.name, onclick: () => open(index),
        }, element('a', { href: '#' + entry.name, tabindex: '-1' }, entry.title),
        element('span', { className: 'name' }, entry.name));
    }

    function mark(index) {
        const options = list.querySelectorAll('[role=option]');
        if (options.length === 0) {
            search.removeAttribute('aria-activedescendant');
            return;
        }
        marked = Math.max(0, Math.min(index, options.length - 1));
        options.forEach((item, at) => item.setAttribute('aria-selected', String(at === marked)));
        search.setAttribute('aria-activedescendant', options[marked].id);
        options[marked].scrollIntoView({ block: 'nearest' });
    }

    function open(index) {
        const entry = shown[index];
        if (entry) location.hash = '#' + entry.name;
    }

    function fill() {
        const text = search.value;
        const words = text.trim() !== '';
        shown = words ? calculations.search(text).map((name) => calculations.entry(name))
                      : calculations.catalogue;
        list.replaceChildren();
        if (words) {
            shown.forEach((entry, index) => list.append(option(entry, index)));
        } else {
            let family = null;
            shown.forEach((entry, index) => {
                if (entry.family !== family) {
                    family = entry.family;
                    list.append(element('li', { role: 'presentation', className: 'family' }, family));
                }
                list.append(option(entry, index));
            });
        }
        replaceChildren(status, words
            ? (shown.length === 0 ? 'No calculation matches.'
                                  : `${shown.length} ${shown.length === 1 ? 'calculation matches' : 'calculations match'}.`)
            : '');
        mark(0);
    }

    search.addEventListener('input', fill);
    search.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            event.preventDefault();
            mark(marked + (event.key === 'ArrowDown' ? 1 : -1));
        } else if (event.key === 'Home' && event.ctrlKey) {
            mark(0);
        } else if (event.key === 'Enter') {
            event.preventDefault();
            open(marked);
        } else if (event.key === 'Escape') {
            event.preventDefault();
            search.value = '';
            fill();
        }
    });

    replaceChildren(view,
        element('h1', {}, 'Quillon'),
        element('p', { className: 'lead' },
            'Twenty-eight small statistical calculators. Type a few words and press Enter, or pick one from the list.'),
        notice ? element('p', { className: 'notice', role: 'alert' }, notice) : null,
        element('label', { for: 'Search', className: 'search-label' }, 'Find a calculation'),
        search,
        element('p', { id: 'SearchHint', className: 'hint' },
            'Up and Down move in the list, Enter opens the marked calculation, Escape empties the search.'),
        status,
        list,
        element('p', { className: 'hint' }, element('a', { href: '#help' }, 'Help: contents')));
    document.title = 'Quillon';
    fill();
    search.focus();
}
