// The page's address after the "#": which view, and for a calculation the texts to fill in and
// answer, so that an answer can be shared as a link:
//   #t-critical?values=.05,10            the box texts in question order
//   #means0?rows=4,5;6,7&population=100  a data sheet's rows (";" between rows, "," between
//                                        cells) and its options by key
//   #help/means2                         a help page
// Every text is percent-encoded on its own, so a comma or a semicolon in it survives.

function decoded(text) {
    try {
        return decodeURIComponent(text);
    } catch {
        return null;
    }
}

function parameters(query) {
    const found = new Map();
    for (const pair of query.split('&')) {
        if (pair === '') continue;
        const at = pair.indexOf('=');
        const key = decoded(at < 0 ? pair : pair.slice(0, at));
        if (key !== null) found.set(key, at < 0 ? '' : pair.slice(at + 1));
    }
    return found;
}

function texts(list) {
    return list.split(',').map((text) => decoded(text) ?? '');
}

export function parseLink(hash) {
    const text = hash.startsWith('#') ? hash.slice(1) : hash;
    const question = text.indexOf('?');
    const path = decoded(question < 0 ? text : text.slice(0, question)) ?? '';
    const query = question < 0 ? '' : text.slice(question + 1);
    if (path === '') return { view: 'start' };
    if (path === 'help' || path.startsWith('help/'))
        return { view: 'help', page: path.slice('help/'.length) || 'contents' };
    const given = parameters(query);
    const link = { view: 'calculation', name: path };
    const options = [];
    for (const [key, value] of given) {
        if (key === 'values') link.values = texts(value);
        else if (key === 'rows') link.rows = value === '' ? [] : value.split(';').map(texts);
        else options.push([key, decoded(value) ?? '']);
    }
    // Made as own properties, so that no key of a link can reach the object's prototype.
    link.options = Object.fromEntries(options);
    return link;
}

const encoded = (text) => encodeURIComponent(text);

// The link to a calculation with these texts; rows without a text are left out at the end.
export function calculationLink(name, { values, rows, options } = {}) {
    const parts = [];
    if (values) parts.push('values=' + values.map(encoded).join(','));
    if (rows) {
        const used = rows.map((row) => {
            const cells = [...row];
            while (cells.length > 0 && cells.at(-1) === '') cells.pop();
            return cells;
        });
        while (used.length > 0 && used.at(-1).length === 0) used.pop();
        parts.push('rows=' + used.map((row) => row.map(encoded).join(',')).join(';'));
    }
    for (const [key, value] of Object.entries(options ?? {}))
        parts.push(encoded(key) + '=' + encoded(value));
    return '#' + encoded(name) + (parts.length > 0 ? '?' + parts.join('&') : '');
}
