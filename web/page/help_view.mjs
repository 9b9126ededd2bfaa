// The help pages, the same HTML files as the program's, shown inside the page so that they follow
// its colours; a link to another help page stays in the page.
import { element, replaceChildren } from './dom.mjs';

const pageName = /^[a-z0-9_]+$/;

export async function showHelp(view, page, calculations) {
    if (!pageName.test(page)) page = 'contents';
    const article = element('article', { id: 'Help', className: 'help', tabindex: '-1' }, 'Loading the help page...');
    const back = element('p', { className: 'hint' }, element('a', { href: '#' }, 'Start page'));
    replaceChildren(view, back, article);
    let text;
    try {
        const response = await fetch(`help/${page}.html`);
        if (!response.ok) throw new Error(String(response.status));
        text = await response.text();
    } catch {
        replaceChildren(article, element('p', {}, 'This help page cannot be loaded.'));
        return;
    }
    // Parsed as an inert document: nothing in it runs, and only its body's nodes are taken over.
    const parsed = new DOMParser().parseFromString(text, 'text/html');
    parsed.querySelectorAll('script, style, link, iframe, object, embed').forEach((node) => node.remove());
    for (const link of parsed.querySelectorAll('a[href]')) {
        const target = link.getAttribute('href');
        const local = /^([a-z0-9_]+)\.html(#.*)?$/.exec(target);
        if (local) link.setAttribute('href', '#help/' + local[1]);
    }
    replaceChildren(article, ...[...parsed.body.childNodes].map((node) => document.importNode(node, true)));
    const calculation = calculations.catalogue.find((entry) => entry.help.some((help) => help.page === page + '.html'));
    if (calculation)
        back.append(' | ', element('a', { href: '#' + calculation.name }, calculation.title));
    document.title = (parsed.title || 'Help') + ' - Quillon';
    article.focus();
}
