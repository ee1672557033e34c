#!/usr/bin/python3
"""Screenshots of the page at a desktop width and a phone width, with a demo line.

usage: /usr/bin/python3 screenshot.py URL OUT_DIR
Writes OUT_DIR/screenshot.png (1280 wide) and OUT_DIR/screenshot-phone.png (390 wide),
each the whole page's height.
"""
import os
import sys
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser  # noqa: E402

DEMO = {'t': 'Welcome to the server, traveller ✨\nEvery colour, every chat 🌈',
        'm': 'minimessage', 'c': 'ff5f6d-ffc371-47cf73-2f80ed', 's': 'bold', 'l': '256'}


def shoot(url, path, width, height, dark=False):
    browser = Browser(width, height, dark=dark)
    try:
        browser.open(url + '#' + urllib.parse.urlencode(DEMO))
        full = browser.driver.execute_script('return document.documentElement.scrollHeight')
        browser.set_size(width, max(height, full))
        browser.driver.save_screenshot(path)
    finally:
        browser.close()


def main():
    url, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    shoot(url, os.path.join(out, 'screenshot.png'), 1280, 900)
    shoot(url, os.path.join(out, 'screenshot-phone.png'), 390, 844)
    shoot(url, os.path.join(out, 'screenshot-dark.png'), 1280, 900, dark=True)
    print('screenshots: %s/screenshot.png, screenshot-phone.png, screenshot-dark.png' % out)


if __name__ == '__main__':
    main()
