#!/usr/bin/env python3
"""The WebAssembly module gives byte for byte what the native engine gives.

Draws random requests over every markup, blend, style, hue path, preset and limit
the catalog lists, with text full of emoji, ZWJ sequences, flags and combining
marks, and replays them natively (lumivane-capi-replay) and in the module under node
(replay.js, through the page's own glue). Every status, message, shortest limit,
line and run must be equal. A small set of them also goes through the native
lumivane-fade, which must print the same line.

Environment: LUMIVANE_WEB_BUILD (the wasm preset's web folder), LUMIVANE_NATIVE_BUILD
(a native build tree), LUMIVANE_SAME_BYTES_COUNT (default 2400), LUMIVANE_SEED.
"""
import json
import os
import random
import subprocess
import sys
import tempfile

WEB_BUILD = os.environ['LUMIVANE_WEB_BUILD']
NATIVE_BUILD = os.environ['LUMIVANE_NATIVE_BUILD']
HERE = os.path.dirname(os.path.abspath(__file__))
NATIVE_REPLAY = os.path.join(NATIVE_BUILD, 'web', 'lumivane-capi-replay')
NATIVE_TOOL = os.path.join(NATIVE_BUILD, 'tools', 'fade', 'lumivane-fade')
MODULE_DIR = os.path.join(WEB_BUILD, 'module')
COUNT = int(os.environ.get('LUMIVANE_SAME_BYTES_COUNT', '2400'))
SEED = int(os.environ.get('LUMIVANE_SEED', '20261207'))
NODE_ENV = dict(os.environ, NODE_PATH='/usr/share/nodejs')

PIECES = [
    'Hello', 'world', ' ', ' ', 'a', 'Zz', '0123', '<b>&amp;"\'</b>', '[u]', '\\', '%', '§',
    '&c', 'é', 'e\u0301', 'n\u0303\u0323', 'Ä', 'ß', '日本語', '한국어', 'ไทย', 'क्षि', 'עברית',
    '😀', '👍🏽', '👨\u200d👩\u200d👧\u200d👦', '🏳️\u200d🌈', '🇫🇷', '🇯🇵🇺🇸', '❤️', '✨',
    '\u200d', '\ufe0f', '\U0001F9D1\u200d\U0001F4BB', '🧑🏿\u200d🤝\u200d🧑🏻', '\t', ',1', ',a',
    '\u00a0', 'ｗｉｄｅ', '\u0301',
]


def fail(message):
    print('FAIL: ' + message)
    sys.exit(1)


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, **kwargs)
    if result.returncode != 0:
        fail('%s exited with %d:\n%s' % (command[0], result.returncode,
                                         result.stderr.decode('utf-8', 'replace')))
    return result.stdout


def random_text(rng):
    shape = rng.random()
    if shape < 0.03:
        return b''
    size = rng.choice([1, 2, 3, 5, 8, 20, 40, 80]) if shape < 0.9 else rng.randint(200, 700)
    text = ''.join(rng.choice(PIECES) for _ in range(size))
    if rng.random() < 0.08:
        text = text.replace(' ', rng.choice(['\n', '\r\n']), 2)
    if rng.random() < 0.03:
        text = '\ufeff' + text
    data = text.encode('utf-8')
    if rng.random() < 0.02:
        cut = rng.randint(0, len(data))
        data = data[:cut] + rng.choice([b'\xff', b'\xc3', b'\xed\xa0\x80', b'\xf0\x9f']) + data[cut:]
    return data


def random_colors(rng):
    count = rng.choice([2, 2, 3, 3, 4, 5, 7, 12, 64, 65, 1])
    items = []
    for _ in range(count):
        value = rng.randrange(1 << 24)
        form = rng.random()
        if form < 0.7:
            items.append('#%06x' % value if rng.random() < 0.5 else '#%06X' % value)
        else:
            items.append(str(value))
    if rng.random() < 0.02:
        items[0] = 'nope'
    return ','.join(items)


def draw(rng, catalog, i):
    """One request: its option settings and its text. Lists are walked in turn so that
    every entry appears; everything else is drawn."""
    markups = catalog['markups']
    blends = catalog['blends']
    styles = catalog.get('styles') or []
    hues = catalog.get('hues') or []
    presets = catalog.get('presets') or []
    options = {o['name'] for o in catalog['options']}
    markup = markups[i % len(markups)]
    sets = [('format', markup['name'])]
    if presets and 'preset' in options and rng.random() < 0.25:
        sets.append(('preset', presets[(i // len(markups)) % len(presets)]['name']))
        if rng.random() < 0.3:
            sets.append(('colors', random_colors(rng)))
    elif rng.random() < 0.95:
        sets.append(('colors', random_colors(rng)))
    if rng.random() < 0.75:
        sets.append(('blend', blends[(i // len(markups)) % len(blends)]['name']))
    if hues and rng.random() < 0.35:
        sets.append(('hue', rng.choice(hues)['name']))
    allowed = markup.get('styles') or []
    for style in styles:
        chance = 0.3 if style['name'] in allowed else 0.03
        if rng.random() < chance:
            sets.append((style['name'], '-'))
    if 'reverse' in options and rng.random() < 0.15:
        sets.append(('reverse', '-'))
    if markup.get('takesFace') or rng.random() < 0.02:
        roll = rng.random()
        if roll < 0.3:
            sets.append(('face', rng.choice(['Arial', 'Comic Sans MS', 'Tahoma', '', 'Ä"<>'])))
        elif roll < 0.45:
            sets.append(('fade-only', '-'))
    if rng.random() < 0.4 and (markup.get('takesLimit') or rng.random() < 0.1):
        sets.append(('max-length', str(rng.choice([0, 1, 5, 20, 60, 100, 256, 400, 512, 2000,
                                                   rng.randint(1, 3000)]))))
    return sets, random_text(rng)


def write_requests(path, requests):
    with open(path, 'w', encoding='ascii') as f:
        for sets, text in requests:
            f.write('request\n')
            for name, value in sets:
                f.write('set %s %s\n' % (name, '-' if value == '-' else
                                         (value.encode('utf-8').hex() or '-')))
            f.write('text %s\n' % (text.hex() or '-'))
            f.write('end\n')


def first_difference(native, wasm):
    a = native.split(b'request\n')
    b = wasm.split(b'request\n')
    for index, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return index - 1, x.decode('ascii', 'replace'), y.decode('ascii', 'replace')
    return min(len(a), len(b)) - 1, '(ends)', '(ends)'


def check_tool(requests, native):
    """Single-line requests that the engine made: the command-line tool prints the same
    line. Every one of them, up to 60, so that each markup is among them."""
    blocks = native.split(b'request\n')[1:]
    checked = 0
    for (sets, text), block in zip(requests, blocks):
        lines = block.split(b'\n')
        line_status = next(l for l in lines if l.startswith(b'line '))
        refused = any(l.startswith(b'set ') and l.split(b' ')[2] != b'0' for l in lines)
        if (refused or line_status.split(b' ')[1] != b'0' or b'\n' in text or b'\r' in text or
                text.startswith(b'\xef\xbb\xbf') or any(v == '' for _, v in sets) or
                not text):
            continue
        expected = bytes.fromhex(lines[lines.index(line_status) + 1].decode()
                                 .replace('-', ''))
        args = [NATIVE_TOOL]
        for name, value in sets:
            args += ['--' + name] if value == '-' else ['--%s=%s' % (name, value)]
        result = subprocess.run(args, input=text + b'\n', capture_output=True)
        if result.returncode != 0 or result.stdout != expected + b'\n':
            fail('lumivane-fade %s printed %r (status %d, %r), the C interface %r' %
                 (' '.join(args[1:]), result.stdout[:200], result.returncode,
                  result.stderr[:200], expected[:200]))
        checked += 1
        if checked == 60:
            break
    if checked < 30:
        fail('only %d requests could be checked against lumivane-fade' % checked)
    return checked


def main():
    native_catalog = run([NATIVE_REPLAY, '--catalog'])
    wasm_catalog = run(['node', os.path.join(HERE, 'replay.js'), MODULE_DIR, '--catalog'],
                       env=NODE_ENV)
    if native_catalog != wasm_catalog:
        fail('the catalog differs between the native library and the module')
    catalog = json.loads(native_catalog)

    rng = random.Random(SEED)
    requests = [draw(rng, catalog, i) for i in range(COUNT)]
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, 'requests.txt')
        write_requests(path, requests)
        native = run([NATIVE_REPLAY, path])
        wasm = run(['node', os.path.join(HERE, 'replay.js'), MODULE_DIR, path], env=NODE_ENV)
    if native != wasm:
        index, x, y = first_difference(native, wasm)
        fail('request %d differs.\nrequest: %r\nnative:\n%s\nwasm:\n%s' %
             (index, requests[index], x, y))

    made = native.count(b'\nline 0 ')
    if made < COUNT // 3:
        fail('only %d of %d requests made a line: the draw tests too little' % (made, COUNT))
    refused = native.count(b'\nlines 5 ')
    tool_checked = check_tool(requests, native)
    print('same bytes: %d requests (%d lines made, %d too long for their limit), '
          '%d also through lumivane-fade' % (COUNT, made, refused, tool_checked))


if __name__ == '__main__':
    main()
