// Builds the page's elements from data. Text always goes in as text, never as markup, so nothing a
// person types or pastes can become part of the page.

// element('label', {for: 'Input1', className: 'question'}, 'Enter ...', child, ...)
export function element(tag, attributes = {}, ...children) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === null || value === false) continue;
        if (name === 'className') made.className = value;
        else if (name.startsWith('on')) made.addEventListener(name.slice(2).toLowerCase(), value);
        else made.setAttribute(name, value === true ? '' : String(value));
    }
    append(made, ...children);
    return made;
}

export function append(parent, ...children) {
    for (const child of children.flat()) {
        if (child === undefined || child === null || child === false) continue;
        parent.append(child instanceof Node ? child : document.createTextNode(String(child)));
    }
    return parent;
}

// Empties an element and fills it anew.
export function replaceChildren(parent, ...children) {
    parent.replaceChildren();
    return append(parent, ...children);
}
