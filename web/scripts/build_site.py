#!/usr/bin/env python3
"""Assembles the web page from web/src and the engine's WebAssembly module.

The site folder gets index.html, its CSS and scripts, and the module's loader beside
its .wasm: any static host can serve it. The single-file page inlines all of that,
the .wasm as base64, so that it opens from file:// and fetches nothing.

Both carry a Content-Security-Policy that allows nothing from anywhere else: the
site's scripts and style come from its own origin, the single page's inline ones are
allowed by their hashes, never by 'unsafe-inline'.
"""
import argparse
import base64
import hashlib
import os
import re
import shutil

SITE_FILES = ['style.css', 'engine.js', 'app.js']
MODULE_FILES = ['lumivane-engine.js', 'lumivane-engine.wasm']

SITE_CSP = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
            "connect-src 'self'; img-src data:; base-uri 'none'; form-action 'none'")


def read(path):
    with open(path, encoding='utf-8') as f:
        return f.read()


def write(path, text):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(text)


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode() + "'"


def with_csp(html, csp):
    marker = '@CSP@'
    if html.count(marker) != 1:
        raise SystemExit('index.html must hold the Content-Security-Policy marker once')
    return html.replace(marker, csp)


def inline(html, src, module):
    """The single page: every stylesheet and script inlined, and the .wasm too."""
    styles = []
    scripts = []

    def style(match):
        css = read(os.path.join(src, match.group(1)))
        styles.append(css)
        return '<style>' + css + '</style>'

    def script(match):
        name = match.group(1)
        folder = module if name in MODULE_FILES else src
        code = read(os.path.join(folder, name))
        pieces = []
        if name == 'app.js':
            with open(os.path.join(module, 'lumivane-engine.wasm'), 'rb') as f:
                wasm = base64.b64encode(f.read()).decode()
            pieces.append("var LUMIVANE_WASM_BASE64 = '" + wasm + "';\n")
        pieces.append(code)
        out = ''
        for piece in pieces:
            if re.search(r'</script', piece, re.IGNORECASE):
                raise SystemExit(name + ' cannot be inlined: it holds "</script"')
            scripts.append(piece)
            out += '<script>' + piece + '</script>'
        return out

    html = re.sub(r'<link rel="stylesheet" href="([^"]+)">', style, html)
    html = re.sub(r'<script src="([^"]+)"></script>', script, html)
    csp = ("default-src 'none'; script-src " + ' '.join(sha256(s) for s in scripts) +
           " 'wasm-unsafe-eval'; style-src " + ' '.join(sha256(s) for s in styles) +
           "; img-src data:; base-uri 'none'; form-action 'none'")
    return with_csp(html, csp)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--src', required=True)
    parser.add_argument('--module', required=True)
    parser.add_argument('--site', required=True)
    parser.add_argument('--single', required=True)
    args = parser.parse_args()

    html = read(os.path.join(args.src, 'index.html'))
    if os.path.isdir(args.site):
        shutil.rmtree(args.site)
    os.makedirs(args.site)
    for name in SITE_FILES:
        shutil.copyfile(os.path.join(args.src, name), os.path.join(args.site, name))
    for name in MODULE_FILES:
        shutil.copyfile(os.path.join(args.module, name), os.path.join(args.site, name))
    write(os.path.join(args.site, 'index.html'), with_csp(html, SITE_CSP))
    write(args.single, inline(html, args.src, args.module))


if __name__ == '__main__':
    main()
