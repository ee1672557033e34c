/* The engine's C interface (gradient/capi/lumivane.h) for JavaScript. Text goes into
 * the WebAssembly module's memory as UTF-8 and comes back the same way; every
 * allocation made here is freed here. Used by the page in a browser and by the
 * tests under node, so that both go through the same code. */
(function (root, make) {
    'use strict';
    if (typeof module === 'object' && module.exports) {
        module.exports = make();
    } else {
        root.LumivaneEngine = make();
    }
}(typeof self !== 'undefined' ? self : this, function () {
    'use strict';

    var encoder = new TextEncoder();
    var decoder = new TextDecoder('utf-8');
    var STATUS = {
        OK: 0,
        NULL_ARGUMENT: 1,
        BAD_TEXT: 2,
        BAD_OPTION: 3,
        BAD_COMBINATION: 4,
        DOES_NOT_FIT: 5,
        BUFFER_TOO_SMALL: 6,
        OUT_OF_MEMORY: 7,
        TOO_LONG: 8
    };
    var RUN_SIZE = 12; /* lumivane_run: size_t begin, size_t end, uint32_t rgb (wasm32) */

    function Engine(module) {
        this.module = module;
        /* Two out-parameters (a pointer and a size) for every call that returns text. */
        this.out = module._malloc(8);
        if (!this.out) {
            throw new Error('out of memory');
        }
        this.version = this.cString(module._lumivane_version_string());
        this.catalog = JSON.parse(this.cString(module._lumivane_catalog_json()));
    }

    /* The module's memory as bytes and words, looked up on every use because the
     * memory may have grown (and so been replaced) since the last call. */
    Engine.prototype.bytes = function () {
        return this.module.HEAPU8;
    };
    Engine.prototype.words = function () {
        return this.module.HEAPU32;
    };

    Engine.prototype.cString = function (pointer) {
        if (!pointer) {
            return '';
        }
        var bytes = this.bytes();
        var end = bytes.indexOf(0, pointer);
        return decoder.decode(bytes.subarray(pointer, end));
    };

    /* Copies bytes into a fresh allocation; the caller frees it. */
    Engine.prototype.copyIn = function (data, terminate) {
        var pointer = this.module._malloc(data.length + 1);
        if (!pointer) {
            throw new Error('out of memory');
        }
        var bytes = this.bytes();
        bytes.set(data, pointer);
        if (terminate) {
            bytes[pointer + data.length] = 0;
        }
        return pointer;
    };

    Engine.prototype.statusText = function (status) {
        return this.cString(this.module._lumivane_status_text(status));
    };

    Engine.prototype.newRequest = function () {
        return new Request(this);
    };

    /* A lumivane_request. Give it back with free() once done. */
    function Request(engine) {
        this.engine = engine;
        this.pointer = engine.module._lumivane_request_new();
        if (!this.pointer) {
            throw new Error('out of memory');
        }
    }

    /* Sets one option by its command-line name; a flag takes null. Returns the status,
     * and the error message in `error` when it failed. */
    Request.prototype.set = function (name, value) {
        var engine = this.engine;
        var namePointer = engine.copyIn(encoder.encode(name), true);
        var valuePointer = 0;
        try {
            if (value !== null && value !== undefined) {
                valuePointer = engine.copyIn(encoder.encode(String(value)), true);
            }
            var status = engine.module._lumivane_request_set(this.pointer, namePointer,
                                                             valuePointer);
            return this.outcome(status);
        } finally {
            engine.module._free(namePointer);
            engine.module._free(valuePointer);
        }
    };

    Request.prototype.outcome = function (status) {
        var module = this.engine.module;
        return {
            status: status,
            ok: status === STATUS.OK,
            error: status === STATUS.OK ? '' :
                this.engine.cString(module._lumivane_request_error(this.pointer)),
            shortest: status === STATUS.DOES_NOT_FIT ?
                module._lumivane_request_shortest_limit(this.pointer) >>> 0 : 0
        };
    };

    /* Calls one of the text-making functions with `text` (a string or UTF-8 bytes);
     * `take(pointer, size)` reads the result before it is freed. */
    Request.prototype.make = function (fn, text, take) {
        var engine = this.engine;
        var module = engine.module;
        var data = typeof text === 'string' ? encoder.encode(text) : text;
        var textPointer = engine.copyIn(data, false);
        var words = engine.words();
        words[engine.out >> 2] = 0;
        words[(engine.out >> 2) + 1] = 0;
        try {
            var status = fn(this.pointer, textPointer, data.length, engine.out, engine.out + 4);
            var result = this.outcome(status);
            words = engine.words();
            var pointer = words[engine.out >> 2];
            var size = words[(engine.out >> 2) + 1];
            try {
                take(result, pointer, size, data);
            } finally {
                module._free(pointer);
            }
            return result;
        } finally {
            module._free(textPointer);
        }
    };

    function takeText(result, pointer, size) {
        result.bytes = size;
        result.raw = result.ok ? this.engine.bytes().slice(pointer, pointer + size) : null;
        result.text = result.ok ? decoder.decode(result.raw) : null;
    }

    /* One chat line for one line of text: {ok, status, error, shortest, text, raw (its
     * UTF-8), bytes (their count)}. */
    Request.prototype.makeLine = function (text) {
        return this.make(this.engine.module._lumivane_make_line, text, takeText.bind(this));
    };

    /* Every line of the text, as the command-line tool reads its input, joined by LF. */
    Request.prototype.makeLines = function (text) {
        return this.make(this.engine.module._lumivane_make_lines, text, takeText.bind(this));
    };

    /* The coloured runs of the line: each {begin, end} in UTF-8 bytes of the text, its
     * piece of text, and its colour as rgb (0xRRGGBB) and as "#rrggbb". */
    Request.prototype.makeRuns = function (text) {
        var engine = this.engine;
        return this.make(engine.module._lumivane_make_runs, text,
                         function (result, pointer, count, data) {
                             var runs = [];
                             var words = engine.words();
                             for (var i = 0; i < count; ++i) {
                                 var at = (pointer + i * RUN_SIZE) >> 2;
                                 var begin = words[at];
                                 var end = words[at + 1];
                                 var rgb = words[at + 2] & 0xffffff;
                                 runs.push({
                                     begin: begin,
                                     end: end,
                                     rgb: rgb,
                                     color: '#' + (0x1000000 + rgb).toString(16).slice(1),
                                     text: decoder.decode(data.subarray(begin, end))
                                 });
                             }
                             result.runs = runs;
                         });
    };

    Request.prototype.free = function () {
        this.engine.module._lumivane_request_free(this.pointer);
        this.pointer = 0;
    };

    /* Starts the module: `createModule` is the emscripten loader's factory, and
     * `options` go to it (under node: {wasmBinary}). */
    function load(createModule, options) {
        return createModule(options || {}).then(function (module) {
            return new Engine(module);
        });
    }

    return {load: load, STATUS: STATUS, Engine: Engine};
}));
