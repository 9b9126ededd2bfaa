// Hands every request of the same-answers table to the WebAssembly module and compares its answer
// with the native build's, character for character; then times one evaluation.
// Usage: node same_answers.mjs SITE_FOLDER REQUESTS_FILE
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, requestsFile] = process.argv.slice(2);
const { default: createQuillonModule } =
    await import(pathToFileURL(resolve(site, 'quillon.mjs')).href);
// The module is built for the browser; node hands it the .wasm file's bytes itself.
const module = await createQuillonModule({ wasmBinary: readFileSync(join(site, 'quillon.wasm')) });
const evaluate = module.cwrap('quillon_evaluate', 'string', ['string']);

const lines = readFileSync(requestsFile, 'utf8').split('\n').filter((line) => line !== '');
// The report's intervals come from Boost.Math, which works in long double: 80 bits natively, 128
// in WebAssembly. Its raw values may differ in their last bits; their printed texts may not.
function withReportValuesOf(native, answer) {
    const ours = JSON.parse(native);
    const theirs = JSON.parse(answer);
    if (!ours.report || !theirs.report) return answer;
    let reportNearly = 0;
    ours.report.quantities.forEach((quantity, i) => {
        const other = theirs.report.quantities[i];
        if (other && typeof quantity.value === 'number' && typeof other.value === 'number' &&
            Math.abs(quantity.value - other.value) <= 1e-12 * Math.abs(quantity.value)) {
            if (quantity.value !== other.value) reportNearly += 1;
            other.value = quantity.value;
        }
    });
    nearlyEqualValues += reportNearly;
    return JSON.stringify(theirs) === JSON.stringify(ours) ? native : answer;
}

let differences = 0;
let nearlyEqualValues = 0;
for (const line of lines) {
    const { request, native } = JSON.parse(line);
    let answer = evaluate(request);
    if (answer !== native) answer = withReportValuesOf(native, answer);
    if (answer !== native) {
        differences += 1;
        console.log(`differs: ${request}\n  native: ${native}\n  module: ${answer}`);
    }
}
const catalogue = JSON.parse(module.ccall('quillon_catalogue', 'string', [], []));

const timed = JSON.stringify({ name: 't-critical', values: ['.05', '10'] });
const rounds = 200;
const start = process.hrtime.bigint();
for (let i = 0; i < rounds; i += 1) evaluate(timed);
const microseconds = Number(process.hrtime.bigint() - start) / 1000 / rounds;

console.log(`${lines.length} requests, ${differences} differing (${nearlyEqualValues} report ` +
            `values within 1e-12 of the native ones); ${catalogue.length} calculations ` +
            `in the catalogue; one t-critical evaluation ${microseconds.toFixed(0)} us`);
process.exit(differences === 0 && lines.length > 0 ? 0 : 1);
