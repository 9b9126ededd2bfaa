"""The built site on a local server and headless Chromium over it, for the page's test and its
benchmark."""
import functools
import gzip
import os
import http.server
import shutil
import socket
import threading
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = shutil.which("chromium")
DRIVER = shutil.which("chromedriver")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".mjs": "text/javascript", ".wasm": "application/wasm",
                      ".svg": "image/svg+xml", ".json": "application/json"}

    def log_message(self, format, *args):
        pass


class Server:
    """The site on a free port of 127.0.0.1, stopped and started again on the same port."""

    def __init__(self, site):
        self.site = site
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.httpd = None

    @property
    def base(self):
        return f"http://127.0.0.1:{self.port}/"

    def start(self):
        handler = functools.partial(Handler, directory=self.site)
        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), handler)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def browser(width=1100, height=900, dark=False):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     f"--window-size={width},{height}", "--disable-gpu"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    if dark:
        options.add_argument("--force-dark-mode")
        options.add_argument("--blink-settings=preferredColorScheme=0")
    driver = webdriver.Chrome(service=Service(executable_path=DRIVER), options=options)
    driver.set_script_timeout(20)
    return driver


def wait_until_ready(driver, seconds=20):
    from selenium.webdriver.support.ui import WebDriverWait
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))


def link_of(request):
    """The shared link that opens a calculation with the request's texts and answers it."""
    quote = functools.partial(urllib.parse.quote, safe="")
    parts = []
    if "values" in request:
        parts.append("values=" + ",".join(quote(text) for text in request["values"]))
    if "rows" in request:
        parts.append("rows=" + ";".join(",".join(quote(cell) for cell in row)
                                        for row in request["rows"]))
    for key, value in request.get("options", {}).items():
        parts.append(quote(key) + "=" + quote(value))
    return "#" + request["name"] + ("?" + "&".join(parts) if parts else "")


def site_size(site):
    """The bytes of the site's files together, as they are and each compressed."""
    raw = compressed = 0
    for folder, _, files in os.walk(site):
        for name in files:
            with open(os.path.join(folder, name), "rb") as file:
                content = file.read()
            raw += len(content)
            compressed += len(gzip.compress(content, 9))
    return raw, compressed
