#!/usr/bin/env python3
"""What the page loads, each file and in all, raw and gzipped (level 9).

usage: sizes.py SITE_DIR [SINGLE_HTML] [--max-gzip-kb N]
With --max-gzip-kb, exits 1 when the site's total gzipped is above N KB."""
import gzip
import os
import sys


def sizes(paths):
    rows = []
    for path in paths:
        with open(path, 'rb') as f:
            data = f.read()
        rows.append((os.path.basename(path), len(data), len(gzip.compress(data, 9, mtime=0))))
    return rows


def main():
    args = sys.argv[1:]
    limit = None
    if '--max-gzip-kb' in args:
        at = args.index('--max-gzip-kb')
        limit = float(args[at + 1])
        del args[at:at + 2]
    site = args[0]
    rows = sizes(sorted(os.path.join(site, n) for n in os.listdir(site)))
    total = sum(r[2] for r in rows)
    for name, raw, packed in rows:
        print('  %-24s %8d bytes  %7d gzipped' % (name, raw, packed))
    print('  %-24s %8d bytes  %7d gzipped (%.1f KB)' %
          ('site, all', sum(r[1] for r in rows), total, total / 1024))
    if len(args) > 1:
        for name, raw, packed in sizes([args[1]]):
            print('  %-24s %8d bytes  %7d gzipped (%.1f KB)' % (name, raw, packed, packed / 1024))
            total = max(total, packed)
    if limit is not None and total > limit * 1024:
        print('FAIL: the page loads %.1f KB gzipped, above %.0f KB' % (total / 1024, limit))
        sys.exit(1)


if __name__ == '__main__':
    main()
