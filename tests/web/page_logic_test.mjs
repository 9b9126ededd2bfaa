// The page's own logic without a browser: shared links read and written, the keys a question box
// takes, and how Tab, Enter and the arrows walk a data sheet.
// Usage: node page_logic_test.mjs PAGE_FOLDER
import assert from 'node:assert/strict';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const page = resolve(process.argv[2]);
const load = (name) => import(pathToFileURL(resolve(page, name)).href);
const { parseLink, calculationLink } = await load('shared_link.mjs');
const { typedCharacterAllowed } = await load('key_filter.mjs');
const { moveFrom, sheetWalk } = await load('sheet_keys.mjs');

let failures = 0;
function check(name, test) {
    try {
        test();
    } catch (error) {
        failures += 1;
        console.log(`failed: ${name}\n  ${error.message.split('\n').join('\n  ')}`);
    }
}

const links = [
    ['', { view: 'start' }],
    ['#', { view: 'start' }],
    ['#help', { view: 'help', page: 'contents' }],
    ['#help/means2', { view: 'help', page: 'means2' }],
    ['#t-critical', { view: 'calculation', name: 't-critical', options: {} }],
    ['#Distr2b?values=.05,10', { view: 'calculation', name: 'Distr2b', values: ['.05', '10'], options: {} }],
    ['#t-critical?values=,10', { view: 'calculation', name: 't-critical', values: ['', '10'], options: {} }],
    ['#t-critical?values=1%2C5,%E2%88%9210', { view: 'calculation', name: 't-critical', values: ['1,5', '\u221210'], options: {} }],
    ['#t-critical?values=%E0%A4%A,2', { view: 'calculation', name: 't-critical', values: ['', '2'], options: {} }],
    ['#means0?rows=4;5;6&population=100', { view: 'calculation', name: 'means0', rows: [['4'], ['5'], ['6']], options: { population: '100' } }],
    ['#correlation?rows=1,2;;3,4&method=spearman', { view: 'calculation', name: 'correlation', rows: [['1', '2'], [''], ['3', '4']], options: { method: 'spearman' } }],
];
for (const [hash, expected] of links)
    check(`parseLink ${hash}`, () => assert.deepEqual(parseLink(hash), expected));

check('no key of a link reaches the prototype', () => {
    const link = parseLink('#means0?__proto__=1&constructor=2');
    assert.equal(Object.getPrototypeOf(link.options), Object.prototype);
    assert.equal(link.options.__proto__, '1');
    assert.equal({}.constructor, Object);
});

check('a link written is read back', () => {
    const values = ['.05', '1,5', 'a b', '-1E+5', ''];
    assert.deepEqual(parseLink(calculationLink('t-critical', { values })).values, values);
    const rows = [['1', '2', ''], ['', ''], ['3;4', '5'], ['', '']];
    const read = parseLink(calculationLink('means1', { rows, options: { yates: 'on' } }));
    assert.deepEqual(read.rows, [['1', '2'], [''], ['3;4', '5']]);
    assert.deepEqual(read.options, { yates: 'on' });
});

const keys = [
    ['7', '', true], ['-', '', true], ['-', '1', false], ['.', '1', true], ['.', '1.5', false],
    ['e', '1', false], ['+', '', false], [',', '1', false], [' ', '', false], ['0', '-.', true],
];
for (const [character, text, allowed] of keys)
    check(`the key ${JSON.stringify(character)} after ${JSON.stringify(text)}`,
          () => assert.equal(typedCharacterAllowed(character, text), allowed));

const sheet = { rows: 100, columns: 2 };
const wide = { rows: 100, columns: 26 };
const at = (row, column) => ({ row, column });
const moves = [
    ['Means1', sheet, at(1, 1), 'Enter', false, at(1, 2), undefined],
    ['Means1', sheet, at(1, 2), 'Tab', false, at(2, 1), undefined],
    ['Means1', sheet, at(99, 2), 'Enter', false, at(99, 1), undefined],
    ['Means1', sheet, at(2, 1), 'Tab', true, at(1, 2), undefined],
    ['Means1', sheet, at(1, 1), 'Tab', true, at(1, 1), undefined],
    ['Means0', { rows: 100, columns: 1 }, at(3, 1), 'Tab', true, at(4, 1), undefined],
    ['Means6', { rows: 100, columns: 3 }, at(99, 3), 'Enter', false, at(100, 1), undefined],
    ['Means6', { rows: 100, columns: 3 }, at(100, 3), 'Enter', false, at(100, 1), undefined],
    ['Counts1', wide, at(1, 1), 'Enter', false, at(1, 2), undefined],
    ['Counts1', wide, at(1, 26), 'Tab', false, at(1, 26), 'columns'],
    ['Counts1', wide, at(1, 1), 'Tab', true, at(1, 1), undefined],
    ['Means1', sheet, at(100, 1), 'ArrowDown', false, at(100, 1), 'rows'],
    ['Means1', sheet, at(1, 2), 'ArrowUp', false, at(1, 2), 'first'],
    ['Means1', sheet, at(5, 2), 'ArrowUp', false, at(4, 2), undefined],
];
for (const [window, shape, from, key, shifted, to, limit] of moves)
    check(`${window} ${key}${shifted ? ' shifted' : ''} from ${from.row},${from.column}`, () => {
        const moved = moveFrom(from, key, shifted, sheetWalk({ window }), shape);
        assert.deepEqual(moved.cell, to);
        assert.equal(moved.limit, limit);
    });

console.log(`${links.length + keys.length + moves.length + 2} checks, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
