// Replays requests through the WebAssembly module and the page's own glue
// (web/src/engine.js), printing exactly what lumivane-capi-replay prints natively.
//
// usage: node replay.js MODULE_DIR REQUESTS      the results, see capi_replay.cpp
//        node replay.js MODULE_DIR --catalog     the catalog JSON
'use strict';
const fs = require('fs');
const path = require('path');
const LumivaneEngine = require(path.join(__dirname, '..', 'src', 'engine.js'));

function hex(bytes) {
    return bytes.length ? Buffer.from(bytes).toString('hex') : '-';
}

function outcomeLine(what, outcome) {
    return `${what} ${outcome.status} ${outcome.shortest} ${hex(Buffer.from(outcome.error, 'utf8'))}`;
}

function replay(engine, sets, text, out) {
    const request = engine.newRequest();
    out.push('request');
    for (const [name, value] of sets) {
        const outcome = request.set(name, value === '-' ? null : Buffer.from(value, 'hex').toString('utf8'));
        out.push(outcomeLine(`set ${name}`, outcome));
    }
    if (text !== null) {
        for (const what of ['line', 'lines']) {
            const made = what === 'line' ? request.makeLine(text) : request.makeLines(text);
            out.push(outcomeLine(what, made));
            out.push(made.ok ? hex(made.raw) : 'null');
        }
        const runs = request.makeRuns(text);
        out.push(outcomeLine('runs', runs));
        const list = runs.ok ? runs.runs : [];
        out.push(list.map((r) => `${r.begin}:${r.end}:${r.color.slice(1)} `).join('') + list.length);
    }
    request.free();
}

async function main() {
    const moduleDir = path.resolve(process.argv[2]);
    const what = process.argv[3];
    const createModule = require(path.join(moduleDir, 'lumivane-engine.js'));
    const engine = await LumivaneEngine.load(createModule, {
        wasmBinary: fs.readFileSync(path.join(moduleDir, 'lumivane-engine.wasm'))
    });
    if (what === '--catalog') {
        process.stdout.write(engine.cString(engine.module._lumivane_catalog_json()));
        return;
    }
    const out = [];
    let sets = [];
    let text = null;
    for (const line of fs.readFileSync(what, 'utf8').split('\n')) {
        const words = line.split(' ');
        if (words[0] === 'request') {
            sets = [];
            text = null;
        } else if (words[0] === 'set') {
            sets.push([words[1], words[2]]);
        } else if (words[0] === 'text') {
            // Raw bytes, not a string: invalid UTF-8 must reach the engine unchanged.
            text = words[1] === '-' ? new Uint8Array(0) : new Uint8Array(Buffer.from(words[1], 'hex'));
        } else if (words[0] === 'end') {
            replay(engine, sets, text, out);
        }
    }
    process.stdout.write(out.join('\n') + '\n');
}

main().catch((error) => {
    process.stderr.write(`${error.stack || error}\n`);
    process.exit(1);
});
