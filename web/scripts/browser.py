"""What the web page's tests, screenshot and benchmark share: a local server for the
site folder and a headless Chromium driven through WebDriver (Debian's chromium,
chromium-driver and python3-selenium; run with /usr/bin/python3)."""
import functools
import http.server
import os
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{'.wasm': 'application/wasm', '.js': 'text/javascript'})

    def log_message(self, *args):
        pass


class SiteServer:
    """Serves a folder on 127.0.0.1 only, on a free port unless one is given."""

    def __init__(self, folder, port=0):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.httpd.shutdown()
        self.httpd.server_close()

    def serve_forever(self):
        self.httpd.serve_forever()


class Browser:
    """A headless Chromium with a fresh profile of its own, recording the network and
    the console."""

    def __init__(self, width=1280, height=900, dark=False):
        self.profile = tempfile.mkdtemp(prefix='lumivane-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ['--headless=new', '--no-sandbox', '--disable-gpu',
                         '--disable-dev-shm-usage', '--no-first-run',
                         '--disable-background-networking', '--disable-component-update',
                         '--disable-sync', '--disable-default-apps',
                         '--window-size=%d,%d' % (width, height),
                         '--user-data-dir=' + self.profile, '--lang=en-US',
                         '--force-color-profile=srgb', '--hide-scrollbars']:
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.driver.execute_cdp_cmd('Network.enable', {})
        self.set_size(width, height)
        if dark:
            self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
                'features': [{'name': 'prefers-color-scheme', 'value': 'dark'}]})

    def set_size(self, width, height):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1,
            'mobile': width < 600})

    def open(self, url, wait=True):
        self.driver.get(url)
        if wait:
            self.wait_ready()

    def wait_ready(self, timeout=20):
        WebDriverWait(self.driver, timeout).until(
            lambda d: d.execute_script('return document.documentElement.dataset.ready'))
        state = self.driver.execute_script('return document.documentElement.dataset.ready')
        if state != 'true':
            raise AssertionError('the page did not start: ' + self.driver.find_element(
                'id', 'errors').text)

    def grant_clipboard(self, origin):
        self.driver.execute_cdp_cmd('Browser.grantPermissions', {
            'origin': origin,
            'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})

    def requests(self):
        """Every URL the page asked for since the last call."""
        import json
        urls = []
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message.get('method') == 'Network.requestWillBeSent':
                urls.append(message['params']['request']['url'])
        return urls

    def console_problems(self):
        return [e for e in self.driver.get_log('browser') if e['level'] in ('SEVERE', 'WARNING')]

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


def web_build():
    return os.environ.get('LUMIVANE_WEB_BUILD') or os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..', 'build', 'wasm', 'web')
