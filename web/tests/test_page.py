#!/usr/bin/python3
"""The web page in a real browser (headless Chromium through WebDriver), used as a
person uses it, and checked against the native engine's own results.

usage: /usr/bin/python3 test_page.py [SUITE ...]
Environment: LUMIVANE_WEB_BUILD (the wasm preset's web folder) and
LUMIVANE_NATIVE_BUILD (a native build tree with lumivane-capi-replay).
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'scripts'))
from browser import Browser, SiteServer, web_build  # noqa: E402

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import Select, WebDriverWait  # noqa: E402

WEB = web_build()
SITE = os.path.join(WEB, 'site')
SINGLE = os.path.join(WEB, 'lumivane.html')
NATIVE_REPLAY = os.path.join(os.environ.get('LUMIVANE_NATIVE_BUILD', ''), 'web',
                             'lumivane-capi-replay')
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'node_modules', 'axe-core',
                   'axe.min.js')
EMOJI_TEXT = 'Hi 👨\u200d👩\u200d👧\u200d👦 🇫🇷 e\u0301 ✨ end'

server = None


def setUpModule():
    global server
    server = SiteServer(SITE).__enter__()


def tearDownModule():
    server.__exit__(None, None, None)


def native(sets, text):
    """The native engine's results for one request: {'line', 'lines', 'runs'}, each a
    dict of status, shortest, error and its value (bytes, or a list of runs)."""
    with tempfile.NamedTemporaryFile('w', suffix='.txt', delete=False) as f:
        f.write('request\n')
        for name, value in sets:
            f.write('set %s %s\n' % (name, '-' if value is None else
                                     (value.encode('utf-8').hex() or '-')))
        f.write('text %s\nend\n' % (text.encode('utf-8').hex() or '-'))
        path = f.name
    try:
        out = subprocess.run([NATIVE_REPLAY, path], check=True, capture_output=True).stdout
    finally:
        os.unlink(path)
    lines = out.decode('ascii').split('\n')
    results = {}
    for i, line in enumerate(lines):
        words = line.split(' ')
        if words[0] == 'set' and words[2] != '0':
            raise AssertionError('the native engine refused %s: %s' %
                                 (words[1], bytes.fromhex(words[4].replace('-', ''))))
        if words[0] in ('line', 'lines', 'runs'):
            result = {'status': int(words[1]), 'shortest': int(words[2]),
                      'error': bytes.fromhex(words[3].replace('-', '')).decode('utf-8')}
            value = lines[i + 1]
            if words[0] == 'runs':
                data = text.encode('utf-8')
                result['value'] = [
                    (data[int(b):int(e)].decode('utf-8'), '#' + c)
                    for b, e, c in (run.split(':') for run in value.split(' ')[:-1])]
            else:
                result['value'] = None if value == 'null' else bytes.fromhex(
                    value.replace('-', '')).decode('utf-8')
            results[words[0]] = result
    return results


def rgb_to_hex(css):
    parts = css[css.index('(') + 1:css.index(')')].split(',')
    return '#' + ''.join('%02x' % int(float(p)) for p in parts[:3])


class PageTest(unittest.TestCase):
    width, height = 1280, 900

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(cls.width, cls.height)
        cls.driver = cls.browser.driver
        cls.browser.grant_clipboard(server.url.rstrip('/'))

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def tearDown(self):
        problems = self.browser.console_problems()
        self.assertEqual(problems, [], 'the console is not clean')

    def open(self, state=None):
        """The page, from a fresh start or from a state given as a link's fields."""
        self.driver.get(server.url + 'index.html#')
        self.driver.execute_script('localStorage.clear()')
        fragment = '#' + urllib.parse.urlencode(state) if state else ''
        self.driver.get('about:blank')
        self.browser.open(server.url + 'index.html' + fragment)
        self.catalog = self.driver.execute_script('return lumivanePage.engine.catalog')

    def el(self, id_):
        return self.driver.find_element(By.ID, id_)

    def set_value(self, id_, value):
        """Clears a field as a script must, then types into it as a person does."""
        self.driver.execute_script(
            'var e = document.getElementById(arguments[0]); e.value = "";'
            'e.dispatchEvent(new Event("input", {bubbles: true}));', id_)
        if value:
            self.el(id_).send_keys(value)

    def state(self):
        return self.driver.execute_script('return lumivanePage.state()')

    def stops(self):
        return [e.get_attribute('value') for e in
                self.driver.find_elements(By.CSS_SELECTOR, '#stops .hex')]

    def expected(self, text=None, markup=None, colors=None, styles=(), limit=None, extra=()):
        state = self.state()
        sets = [('format', markup or state['markup']),
                ('colors', ','.join(colors or state['colors']))]
        sets += [(name, None) for name in styles]
        sets += list(extra)
        if limit:
            sets.append(('max-length', str(limit)))
        return native(sets, state['text'] if text is None else text)

    def preview_runs(self):
        return self.driver.execute_script(
            'return Array.from(document.querySelectorAll("#preview .chat-line span"))'
            '.map(function (s) { return [s.textContent, getComputedStyle(s).color]; })')

    def assert_page_matches(self, expected):
        self.assertEqual(expected['lines']['status'], 0, expected['lines']['error'])
        self.assertEqual(self.el('output').get_attribute('value'), expected['lines']['value'])
        shown = [(text, rgb_to_hex(color)) for text, color in self.preview_runs()]
        self.assertEqual(shown, expected['runs']['value'])


class PageUse(PageTest):
    def test_emoji_typed_show_in_the_engines_colours(self):
        self.open({'t': '', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.el('text').send_keys(EMOJI_TEXT)
        self.assertEqual(self.state()['text'], EMOJI_TEXT)
        expected = self.expected(text=EMOJI_TEXT, colors=['#ff0000', '#0000ff'])
        self.assert_page_matches(expected)
        # Each ZWJ family and flag is one run, whole.
        texts = [text for text, _ in self.preview_runs()]
        self.assertIn('👨\u200d👩\u200d👧\u200d👦', texts)
        self.assertIn('🇫🇷', texts)

    def test_colours_from_the_hex_field_and_the_picker(self):
        self.open({'t': 'Colours', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        first = self.driver.find_elements(By.CSS_SELECTOR, '#stops .hex')[0]
        first.send_keys(Keys.CONTROL, 'a')
        first.send_keys('0c0')
        self.assertEqual(self.state()['colors'], ['#00cc00', '#0000ff'])
        picker = self.driver.find_elements(By.CSS_SELECTOR, '#stops input[type="color"]')[1]
        # A colour dialog cannot be driven headless; its input event is what it sends.
        self.driver.execute_script(
            'arguments[0].value = "#123456";'
            'arguments[0].dispatchEvent(new Event("input", {bubbles: true}));', picker)
        self.assertEqual(self.stops(), ['0c0', '#123456'])
        self.assertEqual(self.state()['colors'], ['#00cc00', '#123456'])
        self.assert_page_matches(self.expected(colors=['#00cc00', '#123456']))
        # Each accepted form.
        for typed, colour in [('#ABC', '#aabbcc'), ('a1b2c3', '#a1b2c3'), ('#0F0f0F', '#0f0f0f')]:
            first.send_keys(Keys.CONTROL, 'a')
            first.send_keys(typed)
            self.assertEqual(self.state()['colors'][0], colour, typed)

    def test_stops_added_removed_moved_and_reversed(self):
        self.open({'t': 'Stops in a row', 'm': 'minimessage', 'c': 'ff0000-00ff00-0000ff'})
        self.el('add-stop').click()
        colors = self.state()['colors']
        self.assertEqual(len(colors), 4)
        self.assertEqual(colors[:3], ['#ff0000', '#00ff00', '#0000ff'])
        self.driver.find_element(By.CSS_SELECTOR, '[aria-label="Remove colour 1"]').click()
        self.assertEqual(self.state()['colors'][:2], ['#00ff00', '#0000ff'])
        self.driver.find_element(By.CSS_SELECTOR, '[aria-label="Move colour 1 down"]').click()
        self.assertEqual(self.state()['colors'][:2], ['#0000ff', '#00ff00'])
        before = self.state()['colors']
        self.el('reverse').click()
        self.assertEqual(self.state()['colors'], before[::-1])
        self.assertEqual(self.stops(), before[::-1])
        self.assert_page_matches(self.expected())
        # Two stops at least: the last two cannot be removed.
        for _ in range(5):
            buttons = self.driver.find_elements(By.CSS_SELECTOR,
                                                '#stops [data-role="remove"]:not([disabled])')
            if buttons:
                buttons[0].click()
        self.assertEqual(len(self.state()['colors']), 2)

    def test_every_chat_gives_the_engines_output(self):
        self.open({'t': 'Every chat <&> ✨', 'c': 'ff8800-0088ff'})
        titles = [o.text for o in Select(self.el('markup')).options]
        self.assertEqual(titles, [m.get('title') or m['name'] for m in self.catalog['markups']])
        for markup in self.catalog['markups']:
            Select(self.el('markup')).select_by_value(markup['name'])
            self.assertEqual(self.state()['markup'], markup['name'])
            self.assert_page_matches(self.expected(markup=markup['name']))

    def test_styles_and_their_reasons(self):
        styles = self.catalog_styles()
        if not styles:
            self.skipTest('the engine lists no styles yet')
        for markup in self.catalog['markups']:
            Select(self.el('markup')).select_by_value(markup['name'])
            for style in styles:
                box = self.el('style-' + style)
                shown = style in (markup.get('styles') or [])
                self.assertEqual(box.is_enabled(), shown, (markup['name'], style))
                why = self.el('style-%s-why' % style).text
                if not shown:
                    self.assertIn('cannot show ' + style, why)
        markup = next(m for m in self.catalog['markups'] if m.get('styles'))
        Select(self.el('markup')).select_by_value(markup['name'])
        chosen = markup['styles'][:2]
        for style in chosen:
            self.driver.find_element(By.CSS_SELECTOR, 'label[for="style-%s"]' % style).click()
        self.assert_page_matches(self.expected(styles=chosen))

    def catalog_styles(self):
        self.open({'t': 'Styled', 'c': 'ff0000-0000ff'})
        return [s['name'] for s in self.catalog.get('styles') or []]

    def test_a_preset_sets_its_colours(self):
        self.open({'t': 'Preset', 'm': 'minimessage'})
        presets = self.catalog.get('presets') or []
        if not presets:
            self.assertTrue(self.el('presets-field').get_attribute('hidden'))
            self.skipTest('the engine lists no presets yet')
        blends = {b['name']: b for b in self.catalog['blends']}
        for preset in presets:
            self.driver.find_element(By.CSS_SELECTOR,
                                     '[data-preset="%s"]' % preset['name']).click()
            self.assertEqual(self.state()['colors'], preset['colors'])
            extra = [('blend', preset['blend'])] if preset.get('blend') else []
            blend = blends.get(preset.get('blend') or 'rgb')
            # A hue path goes with a blend that goes round the hue wheel.
            if preset.get('hue') and blend and blend['hue']:
                extra.append(('hue', preset['hue']))
            self.assert_page_matches(self.expected(extra=extra))

    def test_limit_shows_what_the_line_needs(self):
        text = 'A line far too long for a tiny limit'
        self.open({'t': text, 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.set_value('limit', '12')
        expected = self.expected(limit=12)
        self.assertEqual(expected['runs']['status'], 5)
        errors = self.el('errors').text
        self.assertIn('needs at least %d characters' % expected['runs']['shortest'], errors)
        self.assertEqual(self.el('output').get_attribute('value'), '')
        self.set_value('limit', '256')
        self.assertEqual(self.el('errors').text, '')
        expected = self.expected(limit=256)
        self.assert_page_matches(expected)
        count = len(expected['line']['value'])
        self.assertEqual(self.el('count').text, '%d / 256 characters' % count)

    def test_copy_puts_the_output_on_the_clipboard(self):
        self.open({'t': 'Copy me 👍🏽', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.el('copy').click()
        WebDriverWait(self.driver, 5).until(lambda d: self.el('copy-status').text == 'Copied')
        pasted = self.driver.execute_async_script(
            'var done = arguments[0];'
            'navigator.clipboard.readText().then(done, function (e) { done("failed: " + e); });')
        self.assertEqual(pasted, self.el('output').get_attribute('value'))
        self.assertTrue(pasted.startswith('<#ff0000>C'))

    def test_bad_input_is_explained_in_place(self):
        self.open({'t': 'Bad input', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        before = self.el('output').get_attribute('value')
        hex_field = self.driver.find_elements(By.CSS_SELECTOR, '#stops .hex')[0]
        hex_field.send_keys(Keys.CONTROL, 'a')
        hex_field.send_keys('#zz')
        self.assertEqual(hex_field.get_attribute('aria-invalid'), 'true')
        self.assertIn('use #RGB, #RRGGBB or RRGGBB', self.el('hex-error-0').text)
        self.assertEqual(self.el('output').get_attribute('value'), before)
        # Digits being typed are not an error until the field is left unfinished.
        hex_field.send_keys(Keys.CONTROL, 'a')
        hex_field.send_keys('#1')
        self.assertIsNone(hex_field.get_attribute('aria-invalid'))
        hex_field.send_keys('2', Keys.TAB)
        self.assertEqual(hex_field.get_attribute('aria-invalid'), 'true')
        self.assertEqual(self.el('output').get_attribute('value'), before)
        hex_field.send_keys(Keys.CONTROL, 'a')
        hex_field.send_keys('#123456')
        self.assertIsNone(hex_field.get_attribute('aria-invalid'))
        self.assertEqual(self.el('hex-error-0').text, '')
        self.assertEqual(self.state()['colors'][0], '#123456')
        self.set_value('limit', '-3')
        self.assertEqual(self.el('limit').get_attribute('aria-invalid'), 'true')
        self.assertIn('whole number', self.el('limit-note').text)
        # Text that is not a character of its own still goes through whole.
        self.set_value('text', '\u0301\u200d')
        self.assert_page_matches(self.expected())

    def test_several_lines_give_one_output_line_each(self):
        self.open({'t': 'first\nsecond line\nthird', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        expected_lines = [self.expected(text=t)['line']['value']
                          for t in ['first', 'second line', 'third']]
        self.assertEqual(self.el('output').get_attribute('value'), '\n'.join(expected_lines))
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, '#preview .chat-line')), 3)


class Keyboard(PageTest):
    def press(self, *keys):
        """Keys pressed on whatever has the focus, as a person presses them."""
        ActionChains(self.driver).send_keys(*keys).perform()

    def focused(self):
        return self.driver.execute_script(
            'var e = document.activeElement;'
            'return e ? (e.id || e.getAttribute("aria-label") || e.dataset.preset ||'
            ' e.dataset.limit || e.tagName) : null;')

    def test_tab_reaches_every_control_in_order_with_a_visible_focus(self):
        self.open({'t': 'Tab', 'm': 'minimessage', 'c': 'ff0000-00ff00-0000ff'})
        wanted = self.driver.execute_script(
            'return Array.from(document.querySelectorAll("a[href], button, input, select,'
            ' textarea, [tabindex]:not([tabindex=\'-1\'])")).filter(function (e) {'
            ' return !e.disabled && e.offsetParent !== null; }).map(function (e) {'
            ' return e.id || e.getAttribute("aria-label") || e.dataset.preset ||'
            ' e.dataset.limit || e.tagName; });')
        self.driver.execute_script('document.activeElement.blur()')
        seen = []
        for _ in range(len(wanted) + 5):
            self.press(Keys.TAB)
            name = self.focused()
            if name == 'BODY' or (seen and name == seen[0]):
                break
            seen.append(name)
            outline = self.driver.execute_script(
                'var s = getComputedStyle(document.activeElement);'
                'return [s.outlineStyle, s.outlineWidth];')
            self.assertNotEqual(outline[0], 'none', name)
            self.assertNotEqual(outline[1], '0px', name)
        self.assertEqual(seen, wanted)

    def test_the_page_works_from_the_keyboard_alone(self):
        self.open({'t': '', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.driver.execute_script('document.activeElement.blur()')

        def tab_to(id_or_label, limit=80):
            for _ in range(limit):
                self.press(Keys.TAB)
                if self.focused() == id_or_label:
                    return
            self.fail('Tab never reached ' + id_or_label)

        tab_to('text')
        self.press('Keys only')
        tab_to('markup')
        first = self.state()['markup']
        self.press(Keys.ARROW_DOWN)
        self.assertNotEqual(self.state()['markup'], first)
        self.press(Keys.ARROW_UP)
        self.assertEqual(self.state()['markup'], first)
        tab_to('Colour 1 hex')
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL).perform()
        self.press('00aa00')
        tab_to('Move colour 1 down')
        self.press(Keys.ENTER)
        self.assertEqual(self.state()['colors'], ['#0000ff', '#00aa00'])
        # Focus follows the moved colour.
        self.assertEqual(self.focused(), 'Move colour 2 up')
        tab_to('add-stop')
        self.press(Keys.ENTER)
        self.assertEqual(len(self.state()['colors']), 3)
        tab_to('reverse')
        self.press(Keys.SPACE)
        self.assertEqual(self.state()['colors'][1:], ['#00aa00', '#0000ff'])
        markup = next(m for m in self.catalog['markups'] if m['name'] == self.state()['markup'])
        styles = (markup.get('styles') or [])[:1]
        if styles:
            tab_to('style-' + styles[0])
            self.press(Keys.SPACE)
            self.assertEqual(self.state()['styles'], styles)
        tab_to('copy')
        self.press(Keys.ENTER)
        WebDriverWait(self.driver, 5).until(lambda d: self.el('copy-status').text == 'Copied')
        self.assertEqual(self.state()['text'], 'Keys only')
        self.assert_page_matches(self.expected(styles=styles))


class ShareAndStore(PageTest):
    def test_a_share_link_opens_the_same_state_in_a_fresh_profile(self):
        self.open({'t': 'Shared ✨ line', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.el('add-stop').click()
        last = [m for m in self.catalog['markups'] if m.get('takesLimit')][-1]
        Select(self.el('markup')).select_by_value(last['name'])
        self.set_value('limit', '300')
        self.el('share').click()
        WebDriverWait(self.driver, 5).until(lambda d: self.el('share-status').text == 'Copied')
        link = self.driver.current_url
        pasted = self.driver.execute_async_script(
            'navigator.clipboard.readText().then(arguments[0], arguments[0]);')
        self.assertEqual(pasted, link)
        state = self.state()
        output = self.el('output').get_attribute('value')
        other = Browser(390, 844)
        try:
            other.open(link)
            self.assertEqual(other.driver.execute_script('return lumivanePage.state()'), state)
            self.assertEqual(other.driver.find_element(By.ID, 'output').get_attribute('value'),
                             output)
        finally:
            other.close()

    def test_the_last_state_comes_back_from_storage(self):
        self.open({'t': 'Kept', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.set_value('text', 'Kept for later')
        self.el('reverse').click()
        state = self.state()
        self.driver.get('about:blank')
        self.browser.open(server.url + 'index.html')
        self.assertEqual(self.state(), state)

    def test_a_strangers_link_cannot_run_code_or_set_bad_colours(self):
        self.open({'t': '<img src=x onerror="window.pwned=1">', 'm': '<b>', 'c': 'zz0000-"x"',
                   'l': '-5', 'b': 'nope'})
        self.assertIsNone(self.driver.execute_script('return window.pwned'))
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, '#preview img'), [])
        state = self.state()
        self.assertEqual(state['text'], '<img src=x onerror="window.pwned=1">')
        self.assertIn(state['markup'], [m['name'] for m in self.catalog['markups']])
        self.assertTrue(all(len(c) == 7 for c in state['colors']))
        self.assertIsNone(state['limit'])
        self.assertEqual(state['blend'], '')


class Accessibility(PageTest):
    def audit(self):
        with open(AXE, encoding='utf-8') as f:
            self.driver.execute_script(f.read())
        # The preview shows the user's own colours as the chat will: they are the
        # content, not the page's, so only its contrast is left out of the audit.
        return self.driver.execute_async_script(
            'var done = arguments[0];'
            'var options = {resultTypes: ["violations"]};'
            'axe.run(document, options).then(function (all) {'
            '  return axe.run({exclude: [["#preview"]]}, {runOnly: ["color-contrast"]})'
            '    .then(function (contrast) {'
            '      var rest = all.violations.filter(function (v) { return v.id !== "color-contrast"; });'
            '      done(rest.concat(contrast.violations).map(function (v) {'
            '        return v.id + ": " + v.nodes.map(function (n) { return n.target.join(" "); })'
            '          .join(", "); }));'
            '    });'
            '}).catch(function (e) { done(["axe failed: " + e]); });')

    def check_everywhere(self):
        self.open({'t': 'Audit ✨', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.assertEqual(self.audit(), [])
        # With an error shown, a face field and disabled styles.
        self.set_value('limit', '3')
        for markup in self.catalog['markups']:
            if markup.get('takesFace'):
                Select(self.el('markup')).select_by_value(markup['name'])
                break
        hex_field = self.driver.find_elements(By.CSS_SELECTOR, '#stops .hex')[0]
        hex_field.send_keys(Keys.CONTROL, 'a')
        hex_field.send_keys('bad')
        self.assertEqual(self.audit(), [])

    def test_no_violations_light_desktop(self):
        self.check_everywhere()

    def test_no_violations_dark_phone(self):
        self.browser.set_size(390, 844)
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
            'features': [{'name': 'prefers-color-scheme', 'value': 'dark'}]})
        try:
            self.check_everywhere()
        finally:
            self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})
            self.browser.set_size(self.width, self.height)

    def test_preview_and_count_are_announced_politely(self):
        self.open({'t': 'Polite', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        for id_ in ('preview', 'count', 'errors'):
            self.assertEqual(self.el(id_).get_attribute('aria-live'), 'polite', id_)


class Offline(PageTest):
    def test_nothing_leaves_the_page(self):
        self.browser.requests()
        self.open({'t': 'Offline', 'm': 'minimessage', 'c': 'ff0000-0000ff'})
        self.el('text').send_keys(' and more ✨')
        self.el('add-stop').click()
        self.el('copy').click()
        for markup in self.catalog['markups']:
            Select(self.el('markup')).select_by_value(markup['name'])
        urls = self.browser.requests()
        outside = [u for u in urls if not u.startswith(server.url) and u != 'about:blank'
                   and not u.startswith('data:')]
        self.assertEqual(outside, [])
        names = {urllib.parse.urlsplit(u).path.lstrip('/') for u in urls
                 if u.startswith(server.url)}
        self.assertEqual(names, {'index.html', 'style.css', 'lumivane-engine.js',
                                 'lumivane-engine.wasm', 'engine.js', 'app.js'})


class SingleFile(PageTest):
    def test_the_single_page_works_from_a_file(self):
        self.browser.requests()
        url = 'file://' + os.path.abspath(SINGLE)
        self.browser.open(url)
        self.driver.find_element(By.ID, 'text').send_keys(Keys.CONTROL, 'a')
        self.el('text').send_keys('From a file ✨')
        Select(self.el('markup')).select_by_value('minimessage')
        self.assert_page_matches(self.expected())
        urls = self.browser.requests()
        self.assertEqual([u for u in urls if not u.startswith(url)], [])


if __name__ == '__main__':
    unittest.main(argv=[sys.argv[0], '-v'] + sys.argv[1:])
