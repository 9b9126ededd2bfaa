// The calculations of the WebAssembly module: the catalogue, the one evaluation, the search of the
// start page and the reading of a pasted block, each a JSON request and a JSON answer. Text goes in
// and out through the module's own memory, so a pasted block of any size fits.
import createQuillonModule from './quillon.mjs';

export async function loadCalculations() {
    const module = await createQuillonModule();

    function call(exported, argument) {
        let address = 0;
        try {
            if (argument !== undefined) {
                const size = module.lengthBytesUTF8(argument) + 1;
                address = module._malloc(size);
                module.stringToUTF8(argument, address, size);
            }
            return JSON.parse(module.UTF8ToString(exported(address)));
        } finally {
            if (address !== 0) module._free(address);
        }
    }

    const catalogue = call(module._quillon_catalogue);
    const byName = new Map();
    for (const entry of catalogue) {
        byName.set(entry.name, entry);
        byName.set(entry.window.toLowerCase(), entry);
    }
    return {
        catalogue,
        // A calculation by its readable name or its window name, in any case.
        entry: (name) => byName.get(String(name).toLowerCase()),
        evaluate: (request) => call(module._quillon_evaluate, JSON.stringify(request)),
        // The readable names of the calculations that match, best first.
        search: (text) => call(module._quillon_search, JSON.stringify({ text })),
        // Where a block of cells pasted at a cell goes, and what is said of it.
        paste: (request) => call(module._quillon_paste, JSON.stringify(request)),
    };
}
