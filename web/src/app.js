/* The page: reads what the user types and chooses, asks the engine for the line, its
 * runs and its errors, and shows them. Every list (chats, blends, styles, hue paths,
 * presets) comes from the engine's catalog; nothing about colours or markup is
 * decided here. */
(function () {
    'use strict';

    var MIN_STOPS = 2;
    var MAX_STOPS = 64;
    var STORE_KEY = 'lumivane.state';
    var HEX = /^#?([0-9a-f]{3}|[0-9a-f]{6})$/i;
    var CLEAN_HEX = /^#[0-9a-f]{6}$/;
    var PARTIAL_HEX = /^#?[0-9a-f]{0,5}$/i;
    var HEX_MESSAGE = 'Not a colour: use #RGB, #RRGGBB or RRGGBB';

    var engine = null;
    var catalog = null;
    var state = null;
    var $ = function (id) { return document.getElementById(id); };

    function list(name) {
        var value = catalog[name];
        return Array.isArray(value) ? value : [];
    }

    function byName(items, name) {
        for (var i = 0; i < items.length; ++i) {
            if (items[i].name === name) {
                return items[i];
            }
        }
        return null;
    }

    function option(name) {
        return byName(list('options'), name);
    }

    function capitalised(text) {
        return text.charAt(0).toUpperCase() + text.slice(1);
    }

    /* "#abc", "#aabbcc" or "aabbcc" as "#aabbcc"; null for anything else. */
    function normalHex(text) {
        var match = HEX.exec(String(text).trim());
        if (!match) {
            return null;
        }
        var digits = match[1].toLowerCase();
        if (digits.length === 3) {
            digits = digits.replace(/./g, '$&$&');
        }
        return '#' + digits;
    }

    /* The colours a new request starts with, from the colors option's default: "#rrggbb"
     * items, or decimal colour values with red in the lowest byte. */
    function defaultColors() {
        var colors = [];
        var text = option('colors') && option('colors').default;
        String(text || '').split(',').forEach(function (item) {
            item = item.trim();
            var hex = normalHex(item);
            if (!hex && /^[0-9]+$/.test(item)) {
                var value = Number(item);
                var rgb = ((value & 0xff) << 16) | (value & 0xff00) | ((value >> 16) & 0xff);
                hex = '#' + (0x1000000 + rgb).toString(16).slice(1);
            }
            if (hex) {
                colors.push(hex);
            }
        });
        if (colors.length < MIN_STOPS && list('presets').length) {
            colors = list('presets')[0].colors.slice();
        }
        return colors.length >= MIN_STOPS ? colors : ['#ff5555', '#5555ff'];
    }

    function defaultState() {
        var markups = list('markups');
        var format = option('format') && option('format').default;
        var markup = byName(markups, 'minimessage') || byName(markups, format) || markups[0];
        var face = option('face') && option('face').default;
        return {
            text: $('text').value,
            colors: defaultColors(),
            markup: markup.name,
            blend: '',
            hue: '',
            styles: [],
            face: face || '',
            fadeOnly: false,
            limit: null
        };
    }

    /* ---- State in the URL fragment and in localStorage ---- */

    function encodeState(s) {
        var params = new URLSearchParams();
        params.set('t', s.text);
        params.set('c', s.colors.map(function (c) { return c.slice(1); }).join('-'));
        params.set('m', s.markup);
        if (s.blend) { params.set('b', s.blend); }
        if (s.hue) { params.set('h', s.hue); }
        if (s.styles.length) { params.set('s', s.styles.join(',')); }
        if (s.face) { params.set('f', s.face); }
        if (s.fadeOnly) { params.set('fo', '1'); }
        if (s.limit) { params.set('l', String(s.limit)); }
        return params.toString();
    }

    /* A state from a link or from storage, anyone's: every value is checked against
     * the catalog or its form, and what does not pass keeps its default. */
    function decodeState(text, base) {
        var params = new URLSearchParams(text);
        var s = JSON.parse(JSON.stringify(base));
        if (params.has('t')) { s.text = params.get('t'); }
        if (params.has('c')) {
            var colors = params.get('c').split('-').map(function (c) { return '#' + c.toLowerCase(); });
            if (colors.length >= MIN_STOPS && colors.length <= MAX_STOPS &&
                colors.every(function (c) { return CLEAN_HEX.test(c); })) {
                s.colors = colors;
            }
        }
        if (byName(list('markups'), params.get('m'))) { s.markup = params.get('m'); }
        if (byName(list('blends'), params.get('b'))) { s.blend = params.get('b'); }
        if (byName(list('hues'), params.get('h'))) { s.hue = params.get('h'); }
        if (params.has('s')) {
            s.styles = params.get('s').split(',').filter(function (name) {
                return byName(list('styles'), name);
            });
        }
        if (params.has('f')) { s.face = params.get('f'); }
        s.fadeOnly = params.get('fo') === '1';
        var limit = Number(params.get('l'));
        s.limit = Number.isInteger(limit) && limit > 0 ? limit : null;
        return s;
    }

    function loadState() {
        var base = defaultState();
        var hash = location.hash.replace(/^#/, '');
        if (hash) {
            return decodeState(hash, base);
        }
        try {
            var stored = localStorage.getItem(STORE_KEY);
            if (stored) {
                return decodeState(stored, base);
            }
        } catch (e) {
            /* Storage may be refused (a private window, a file:// policy): start afresh. */
        }
        return base;
    }

    /* The link and the stored copy follow the state a moment after the last change,
     * not on every keystroke: the browser limits how often a page may change its URL. */
    var saveTimer = 0;

    function saveSoon() {
        clearTimeout(saveTimer);
        saveTimer = setTimeout(saveState, 250);
    }

    function saveState() {
        clearTimeout(saveTimer);
        saveTimer = 0;
        var encoded = encodeState(state);
        try {
            history.replaceState(null, '', '#' + encoded);
        } catch (e) {
            /* Some file:// pages refuse a changed URL; the stored copy still works. */
        }
        try {
            localStorage.setItem(STORE_KEY, encoded);
        } catch (e) {
            /* See loadState. */
        }
    }

    /* ---- Controls built from the catalog ---- */

    function element(tag, attributes, text) {
        var node = document.createElement(tag);
        Object.keys(attributes || {}).forEach(function (key) {
            node.setAttribute(key, attributes[key]);
        });
        if (text !== undefined) {
            node.textContent = text;
        }
        return node;
    }

    function currentMarkup() {
        return byName(list('markups'), state.markup);
    }

    function unitWord(markup) {
        return markup.unit === 'utf8' ? 'bytes' : 'characters';
    }

    function effectiveBlend() {
        return byName(list('blends'), state.blend || currentMarkup().defaultBlend);
    }

    function hueApplies() {
        var blend = effectiveBlend();
        return !!(blend && blend.hue && list('hues').length);
    }

    /* A preset's strip, drawn by the browser in the space nearest the preset's own:
     * round the hue wheel for a hue path, OKLab for oklab, sRGB otherwise. Only a
     * picture of the preset; the line's colours come from the engine. */
    function swatch(preset, colors) {
        var space = preset.hue ? 'in oklch ' + preset.hue + ' hue' :
            preset.blend === 'oklab' ? 'in oklab' : 'in srgb';
        var drawn = 'linear-gradient(to right ' + space + ', ' + colors.join(', ') + ')';
        return CSS.supports('background-image', drawn) ? drawn :
            'linear-gradient(to right, ' + colors.join(', ') + ')';
    }

    function buildLists() {
        var markupSelect = $('markup');
        list('markups').forEach(function (markup) {
            markupSelect.appendChild(element('option', {value: markup.name}, markup.title || markup.name));
        });
        var hueSelect = $('hue');
        list('hues').forEach(function (hue) {
            hueSelect.appendChild(element('option', {value: hue.name},
                                          capitalised(hue.name) + (hue.help ? ': ' + hue.help : '')));
        });
        var styles = $('styles');
        list('styles').forEach(function (style) {
            var id = 'style-' + style.name;
            var wrap = element('div', {'class': 'check'});
            var box = element('input', {type: 'checkbox', id: id, 'data-style': style.name,
                                        'aria-describedby': id + '-why'});
            wrap.appendChild(box);
            wrap.appendChild(element('label', {'for': id}, capitalised(style.name)));
            wrap.appendChild(element('span', {'class': 'why', id: id + '-why'}));
            styles.appendChild(wrap);
        });
        $('styles-field').hidden = list('styles').length === 0;
        var presets = $('presets');
        list('presets').forEach(function (preset) {
            var colors = preset.colors.filter(function (c) { return CLEAN_HEX.test(c); });
            if (colors.length < MIN_STOPS) {
                return;
            }
            var button = element('button', {type: 'button', 'class': 'preset',
                                             'data-preset': preset.name});
            var strip = element('span', {'class': 'swatch', 'aria-hidden': 'true'});
            strip.style.background = swatch(preset, colors);
            button.appendChild(strip);
            button.appendChild(element('span', {'class': 'preset-name'}, preset.name));
            presets.appendChild(button);
        });
        $('presets-field').hidden = presets.children.length === 0;
    }

    /* Shows the controls that belong to the chosen chat and blend, with the state's values. */
    function syncControls() {
        var markup = currentMarkup();
        $('markup').value = markup.name;
        $('markup-help').textContent = markup.help || '';

        var blendSelect = $('blend');
        blendSelect.textContent = '';
        blendSelect.appendChild(element('option', {value: ''},
                                        'Chat\u2019s default (' + markup.defaultBlend + ')'));
        list('blends').forEach(function (blend) {
            blendSelect.appendChild(element('option', {value: blend.name},
                                            blend.name + (blend.help ? ': ' + blend.help : '')));
        });
        blendSelect.value = state.blend;
        $('hue-field').hidden = !hueApplies();
        /* No hue chosen is the first, the engine's default. */
        $('hue').value = state.hue || (list('hues')[0] || {}).name || '';

        var shown = markup.styles || [];
        list('styles').forEach(function (style) {
            var box = $('style-' + style.name);
            var can = shown.indexOf(style.name) >= 0;
            box.disabled = !can;
            box.checked = can && state.styles.indexOf(style.name) >= 0;
            $('style-' + style.name + '-why').textContent =
                can ? '' : (markup.title || markup.name) + ' cannot show ' + style.name;
        });

        $('face-field').hidden = !markup.takesFace;
        $('face').value = state.face;
        $('fade-only').checked = state.fadeOnly;
        $('face').disabled = state.fadeOnly;

        var limit = $('limit');
        limit.disabled = !markup.takesLimit;
        limit.value = state.limit ? String(state.limit) : '';
        $('limit-unit').textContent = markup.takesLimit ? 'in ' + unitWord(markup) : '';
        $('limit-note').textContent = markup.takesLimit ? '' :
            (markup.title || markup.name) + ' takes no length limit';
        var limits = $('limits');
        limits.textContent = '';
        (markup.takesLimit && Array.isArray(markup.limits) ? markup.limits : []).forEach(function (l) {
            if (Number.isInteger(l.value) && l.value > 0) {
                limits.appendChild(element('button', {type: 'button', 'class': 'chip',
                                                      'data-limit': String(l.value)},
                                           l.label + ': ' + l.value));
            }
        });
        buildStops();
    }

    function buildStops() {
        var stops = $('stops');
        var focused = document.activeElement && document.activeElement.dataset &&
            document.activeElement.dataset.role ? {
                role: document.activeElement.dataset.role,
                index: Number(document.activeElement.dataset.index)
            } : null;
        stops.textContent = '';
        var count = state.colors.length;
        state.colors.forEach(function (color, i) {
            var n = i + 1;
            var item = element('li', {'class': 'stop'});
            item.appendChild(element('input', {type: 'color', value: color, 'data-role': 'picker',
                                               'data-index': String(i),
                                               'aria-label': 'Colour ' + n + ' picker'}));
            var hex = element('input', {type: 'text', value: color, 'class': 'hex',
                                        'data-role': 'hex', 'data-index': String(i),
                                        'aria-label': 'Colour ' + n + ' hex',
                                        'aria-describedby': 'hex-error-' + i,
                                        spellcheck: 'false', autocomplete: 'off', maxlength: '7'});
            item.appendChild(hex);
            var up = element('button', {type: 'button', 'class': 'icon', 'data-role': 'up',
                                        'data-index': String(i),
                                        'aria-label': 'Move colour ' + n + ' up'}, '\u2191');
            up.disabled = i === 0;
            var down = element('button', {type: 'button', 'class': 'icon', 'data-role': 'down',
                                          'data-index': String(i),
                                          'aria-label': 'Move colour ' + n + ' down'}, '\u2193');
            down.disabled = i === count - 1;
            var remove = element('button', {type: 'button', 'class': 'icon', 'data-role': 'remove',
                                            'data-index': String(i),
                                            'aria-label': 'Remove colour ' + n}, '\u00d7');
            remove.disabled = count <= MIN_STOPS;
            item.appendChild(up);
            item.appendChild(down);
            item.appendChild(remove);
            item.appendChild(element('span', {'class': 'field-error', id: 'hex-error-' + i}));
            stops.appendChild(item);
        });
        $('add-stop').disabled = count >= MAX_STOPS;
        $('stops-hint').textContent = count + ' of ' + MIN_STOPS + '\u2013' + MAX_STOPS + ' colours';
        if (focused) {
            var index = Math.min(focused.index, count - 1);
            var again = stops.querySelector('[data-role="' + focused.role + '"][data-index="' + index + '"]');
            if (again && !again.disabled) {
                again.focus();
            } else if (again) {
                /* A colour moved to an end keeps the focus on its other move button. */
                var role = {up: 'down', down: 'up'}[focused.role] || 'hex';
                var other = stops.querySelector('[data-role="' + role + '"][data-index="' + index + '"]');
                if (other) { other.focus(); }
            }
        }
    }

    /* ---- Asking the engine ---- */

    /* Sets the state's options on a request for `markup`; the messages of any refused. */
    function configure(request, markup, withLimit) {
        var refused = [];
        function set(name, value) {
            var outcome = request.set(name, value);
            if (!outcome.ok) {
                refused.push(outcome.error || engine.statusText(outcome.status));
            }
        }
        set('format', markup.name);
        set('colors', state.colors.join(','));
        if (state.blend) { set('blend', state.blend); }
        var blend = byName(list('blends'), state.blend || markup.defaultBlend);
        if (state.hue && blend && blend.hue) { set('hue', state.hue); }
        state.styles.forEach(function (name) {
            if ((markup.styles || []).indexOf(name) >= 0) { set(name, null); }
        });
        if (markup.takesFace) {
            if (state.fadeOnly) {
                set('fade-only', null);
            } else if (state.face) {
                set('face', state.face);
            }
        }
        if (withLimit && markup.takesLimit && state.limit) {
            set('max-length', String(state.limit));
        }
        return refused;
    }

    function lineLength(markup, made) {
        return markup.unit === 'utf8' ? made.bytes : made.text.length;
    }

    /* Relative luminance of "#rrggbb", for choosing the preview's background. */
    function luminance(rgb) {
        var channel = function (shift) {
            var c = ((rgb >> shift) & 0xff) / 255;
            return c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(16) + 0.7152 * channel(8) + 0.0722 * channel(0);
    }

    var DARK = luminance(0x1e1f22);
    var LIGHT = luminance(0xffffff);

    function contrast(a, b) {
        return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
    }

    /* Brings the preview's rows and spans in line with `rows`, reusing what is there:
     * a keystroke changes a few characters and many colours, and a changed colour
     * costs a repaint where a new span costs a layout. */
    function showPreview(box, rows) {
        while (box.children.length > rows.length) {
            box.lastChild.remove();
        }
        rows.forEach(function (data, i) {
            var row = box.children[i];
            if (!row) {
                row = box.appendChild(document.createElement('div'));
            }
            if (!data.runs || data.runs.length === 0) {
                row.className = data.runs ? 'chat-line' : 'chat-line unfit';
                row.textContent = data.text;
                if (!data.text) {
                    row.appendChild(document.createElement('br'));
                }
                return;
            }
            row.className = 'chat-line';
            if (row.firstChild && row.firstChild.nodeName !== 'SPAN') {
                row.textContent = '';
            }
            var spans = row.children;
            while (spans.length > data.runs.length) {
                row.lastChild.remove();
            }
            data.runs.forEach(function (run, j) {
                var span = spans[j];
                if (!span) {
                    span = row.appendChild(document.createElement('span'));
                }
                if (span.textContent !== run.text) {
                    span.textContent = run.text;
                }
                if (span.shownColor !== run.color) {
                    span.style.color = run.color;
                    span.shownColor = run.color;
                }
            });
        });
    }

    function update() {
        var markup = currentMarkup();
        var errors = [];
        var request = engine.newRequest();
        var rows = [];
        var longest = 0;
        var darkScore = 0;
        var lightScore = 0;
        try {
            var refused = configure(request, markup, true);
            errors = errors.concat(refused);
            var lines = state.text.split(/\r?\n/);
            if (lines.length > 1 && lines[lines.length - 1] === '') {
                lines.pop();
            }
            lines.forEach(function (line, index) {
                var runs = refused.length ? null : request.makeRuns(line);
                if (runs && runs.ok) {
                    runs.runs.forEach(function (run) {
                        var l = luminance(run.rgb);
                        darkScore += Math.log(contrast(l, DARK)) * run.text.length;
                        lightScore += Math.log(contrast(l, LIGHT)) * run.text.length;
                    });
                    rows.push({runs: runs.runs, text: line});
                    var made = request.makeLine(line);
                    if (made.ok) {
                        longest = Math.max(longest, lineLength(markup, made));
                    }
                } else {
                    rows.push({runs: null, text: line});
                    if (runs) {
                        var where = lines.length > 1 ? 'Line ' + (index + 1) + ' ' : 'The line ';
                        errors.push(runs.status === LumivaneEngine.STATUS.DOES_NOT_FIT ?
                            where + 'needs at least ' + runs.shortest + ' ' + unitWord(markup) +
                                ' (the limit is ' + state.limit + ')' :
                            where + 'cannot be made: ' + (runs.error || engine.statusText(runs.status)));
                    }
                }
            });
            var output = refused.length ? null : request.makeLines(state.text);
            $('output').value = output && output.ok ? output.text : '';
            if (output && !output.ok && errors.length === 0) {
                errors.push(output.error || engine.statusText(output.status));
            }
        } finally {
            request.free();
        }
        updateDiscord(markup);

        var previewBox = $('preview');
        previewBox.className = 'chat ' + (lightScore > darkScore ? 'chat-light' : 'chat-dark') +
            (markup.styles || []).filter(function (name) {
                return state.styles.indexOf(name) >= 0;
            }).map(function (name) { return ' s-' + name; }).join('');
        showPreview(previewBox, rows);

        var count = longest + (markup.takesLimit && state.limit ? ' / ' + state.limit : '') + ' ' +
            unitWord(markup);
        $('count').textContent = (state.text.indexOf('\n') >= 0 ? 'Longest line: ' : '') + count;
        var errorList = $('errors');
        errorList.replaceChildren.apply(errorList, errors.map(function (message) {
            return element('li', {}, message);
        }));
        saveSoon();
    }

    /* The same text as a Discord ansi block, when the engine has that chat and another
     * one is chosen (otherwise the output is that block already). */
    function updateDiscord(markup) {
        var discord = byName(list('markups'), 'discord');
        var field = $('discord-field');
        field.hidden = !discord || markup.name === 'discord';
        if (field.hidden) {
            return;
        }
        var request = engine.newRequest();
        try {
            var refused = configure(request, discord, false);
            var made = refused.length ? null : request.makeLines(state.text);
            $('discord-output').value = made && made.ok ? made.text : '';
            var dropped = state.styles.filter(function (name) {
                return (discord.styles || []).indexOf(name) < 0;
            });
            $('discord-note').textContent = made && !made.ok ? made.error :
                (dropped.length ? (discord.title || discord.name) + ' cannot show ' +
                    dropped.join(', ') + '; left out here.' : '');
        } finally {
            request.free();
        }
    }

    /* ---- Events ---- */

    function changed(rebuild) {
        if (rebuild) {
            syncControls();
        }
        update();
    }

    function setStop(index, hex) {
        state.colors[index] = hex;
        update();
    }

    function onStopsInput(event) {
        var target = event.target;
        var index = Number(target.dataset.index);
        var row = target.closest('.stop');
        if (target.dataset.role === 'picker') {
            var hexField = row.querySelector('.hex');
            hexField.value = target.value;
            markHex(hexField, null);
            setStop(index, target.value.toLowerCase());
        } else if (target.dataset.role === 'hex') {
            var hex = normalHex(target.value);
            if (hex) {
                markHex(target, null);
                row.querySelector('input[type="color"]').value = hex;
                setStop(index, hex);
            } else {
                /* Digits still being typed are not an error yet; the change event
                 * judges them once the user leaves the field. */
                markHex(target, PARTIAL_HEX.test(target.value.trim()) ? null : HEX_MESSAGE);
            }
        }
    }

    function markHex(field, message) {
        var error = $('hex-error-' + field.dataset.index);
        error.textContent = message || '';
        if (message) {
            field.setAttribute('aria-invalid', 'true');
        } else {
            field.removeAttribute('aria-invalid');
        }
    }

    function onStopsClick(event) {
        var button = event.target.closest('button');
        if (!button) {
            return;
        }
        var i = Number(button.dataset.index);
        var colors = state.colors;
        if (button.dataset.role === 'up' && i > 0) {
            colors.splice(i - 1, 0, colors.splice(i, 1)[0]);
            button.dataset.index = String(i - 1);
        } else if (button.dataset.role === 'down' && i < colors.length - 1) {
            colors.splice(i + 1, 0, colors.splice(i, 1)[0]);
            button.dataset.index = String(i + 1);
        } else if (button.dataset.role === 'remove' && colors.length > MIN_STOPS) {
            colors.splice(i, 1);
        } else {
            return;
        }
        buildStops();
        update();
    }

    function randomColor() {
        var bytes = new Uint8Array(3);
        crypto.getRandomValues(bytes);
        return '#' + Array.prototype.map.call(bytes, function (b) {
            return (b + 0x100).toString(16).slice(1);
        }).join('');
    }

    function copyText(text, status) {
        function shown(message) {
            status.textContent = message;
            clearTimeout(status.timer);
            status.timer = setTimeout(function () { status.textContent = ''; }, 2500);
        }
        function fallback() {
            var area = element('textarea', {'aria-hidden': 'true', 'class': 'offscreen'});
            area.value = text;
            document.body.appendChild(area);
            area.select();
            var ok = false;
            try {
                ok = document.execCommand('copy');
            } catch (e) {
                ok = false;
            }
            area.remove();
            shown(ok ? 'Copied' : 'Copy failed: select the text and copy it yourself');
        }
        if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(text).then(function () { shown('Copied'); }, fallback);
        } else {
            fallback();
        }
    }

    function wire() {
        $('text').addEventListener('input', function (e) {
            state.text = e.target.value;
            update();
        });
        $('markup').addEventListener('change', function (e) {
            state.markup = e.target.value;
            changed(true);
        });
        $('blend').addEventListener('change', function (e) {
            state.blend = e.target.value;
            changed(true);
        });
        $('hue').addEventListener('change', function (e) {
            state.hue = e.target.value;
            update();
        });
        $('styles').addEventListener('change', function (e) {
            var name = e.target.dataset.style;
            state.styles = state.styles.filter(function (s) { return s !== name; });
            if (e.target.checked) {
                state.styles.push(name);
            }
            update();
        });
        $('face').addEventListener('input', function (e) {
            state.face = e.target.value;
            update();
        });
        $('fade-only').addEventListener('change', function (e) {
            state.fadeOnly = e.target.checked;
            $('face').disabled = state.fadeOnly;
            update();
        });
        $('limit').addEventListener('input', function (e) {
            var value = Number(e.target.value);
            var valid = e.target.value === '' || (Number.isInteger(value) && value > 0);
            if (valid) {
                e.target.removeAttribute('aria-invalid');
                $('limit-note').textContent = '';
                state.limit = e.target.value === '' ? null : value;
                update();
            } else {
                e.target.setAttribute('aria-invalid', 'true');
                $('limit-note').textContent = 'The limit is a whole number above 0';
            }
        });
        $('limits').addEventListener('click', function (e) {
            var chip = e.target.closest('[data-limit]');
            if (chip) {
                state.limit = Number(chip.dataset.limit);
                $('limit').value = chip.dataset.limit;
                update();
            }
        });
        $('stops').addEventListener('input', onStopsInput);
        $('stops').addEventListener('change', function (e) {
            /* A valid hex field shows its colour in the one form once the user leaves it. */
            if (e.target.dataset.role === 'hex') {
                var hex = normalHex(e.target.value);
                if (hex) {
                    e.target.value = hex;
                } else {
                    markHex(e.target, HEX_MESSAGE);
                }
            }
        });
        $('stops').addEventListener('click', onStopsClick);
        $('add-stop').addEventListener('click', function () {
            if (state.colors.length < MAX_STOPS) {
                state.colors.push(randomColor());
                buildStops();
                update();
            }
        });
        $('reverse').addEventListener('click', function () {
            state.colors.reverse();
            buildStops();
            update();
        });
        $('random').addEventListener('click', function () {
            state.colors = state.colors.map(randomColor);
            buildStops();
            update();
        });
        $('presets').addEventListener('click', function (e) {
            var button = e.target.closest('[data-preset]');
            var preset = button && byName(list('presets'), button.dataset.preset);
            if (preset) {
                state.colors = preset.colors.filter(function (c) { return CLEAN_HEX.test(c); });
                state.blend = byName(list('blends'), preset.blend) ? preset.blend : '';
                state.hue = byName(list('hues'), preset.hue) ? preset.hue : '';
                changed(true);
            }
        });
        $('copy').addEventListener('click', function () {
            copyText($('output').value, $('copy-status'));
        });
        $('copy-discord').addEventListener('click', function () {
            copyText($('discord-output').value, $('copy-discord-status'));
        });
        $('share').addEventListener('click', function () {
            saveState();
            copyText(location.href, $('share-status'));
        });
        window.addEventListener('pagehide', function () {
            if (saveTimer) { saveState(); }
        });
        window.addEventListener('hashchange', function () {
            state = loadState();
            $('text').value = state.text;
            changed(true);
        });
    }

    function start(loaded) {
        engine = loaded;
        catalog = engine.catalog;
        $('version').textContent = 'Engine ' + engine.version;
        buildLists();
        state = loadState();
        $('text').value = state.text;
        wire();
        changed(true);
        window.lumivanePage = {engine: engine, update: update, state: function () { return state; }};
        document.documentElement.setAttribute('data-ready', 'true');
    }

    function fail(error) {
        var errors = $('errors');
        errors.replaceChildren(element('li', {}, 'The engine could not start: ' +
                                       (error && error.message ? error.message : String(error))));
        document.documentElement.setAttribute('data-ready', 'failed');
    }

    function base64Bytes(text) {
        var binary = atob(text);
        var bytes = new Uint8Array(binary.length);
        for (var i = 0; i < binary.length; ++i) {
            bytes[i] = binary.charCodeAt(i);
        }
        return bytes;
    }

    var options = {};
    /* The single-file page carries the module itself, so that nothing is fetched. */
    if (typeof LUMIVANE_WASM_BASE64 === 'string') {
        options.wasmBinary = base64Bytes(LUMIVANE_WASM_BASE64);
    }
    try {
        LumivaneEngine.load(createLumivaneModule, options).then(function (loaded) {
            try {
                start(loaded);
            } catch (e) {
                fail(e);
            }
        }, fail);
    } catch (e) {
        fail(e);
    }
}());
