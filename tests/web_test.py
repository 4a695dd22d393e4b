# SPDX-FileCopyrightText: 2026 The guess developers
# SPDX-License-Identifier: MIT

"""The game in a web page, played as a player plays it, in headless Chromium
and in WebKit (Safari's engine, as WebKitGTK, on a virtual screen): the same
texts and input rules as the console, a key or a tap ends the game, and the
page then offers a new one. The page is the release's play/, opened from
disk (file://), where it is a page alone, or from the release served on
127.0.0.1, where it is an app that plays offline, after the player has been
away too, and takes the next version (the same page, of the version after
this one), and whose first visit stays within its budget: each way of
opening it in turn, in one browser session. Served, the release's own page
offers each system its download, lists them all with scripts off too, and
links nothing that is not there, nor fetches anything from elsewhere. What
only Chromium's DevTools tell (that it installs, what the browser logged),
what is the same in every engine (the script's size, the icon's pixels),
and what WebKit's WebDriver session cannot show (see WebKit.skips) are
checked in Chromium alone.

    web_test.py chromium CHROMIUM CHROMEDRIVER RELEASE_DIR KEYRING
    web_test.py webkit XVFB WEBKITWEBDRIVER RELEASE_DIR KEYRING
"""

import collections
import contextlib
import ctypes
import functools
import gzip
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest
import unittest.mock
import urllib.request

from selenium import webdriver
from selenium.common.exceptions import NoSuchFrameException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PROMPT = "Enter number from 0 to 9 just here to zembrate : "
WIN = "That's your victory!"
LOSS = "No, thats lost."

# Lines typed, the result, and how the player ends the game and starts the
# next one. Each game is played in the page the one before left.
GAMES = [
    (["5"], WIN, "key", "enter"),
    (["  +5"], WIN, "tap", "click"),
    (["05"], WIN, "enter", "letter"),
    (["5abc"], WIN, "key", "enter"),
    (["5.9"], WIN, "key", "enter"),
    (["x"], LOSS, "key", "enter"),
    (["6"], LOSS, "key", "enter"),
    (["", "", "5"], WIN, "key", "enter"),  # empty lines wait for more
    # The game reads 256 bytes at a time: a line longer than that takes more
    # reads, inside the number, before it, or right after it.
    (["0" * 300 + "5"], WIN, "key", "enter"),
    ([" " * 255 + "5"], WIN, "key", "enter"),
    (["9" * 600], LOSS, "key", "enter"),
]

# What the page may cost: the game's script, and all a first visit to the
# served page downloads, the worker's own requests included.
SCRIPT_BUDGET = 250_000
SCRIPT_GZIPPED_BUDGET = 90_000
FIRST_VISIT_BUDGET = 400_000


class Counting(http.server.SimpleHTTPRequestHandler):
    """Serves quietly, and counts what it sends: the bytes, and how many
    times each file went with its body."""

    def __init__(self, *args, sent, bodies, **kwargs):
        self.sent, self.bodies = sent, bodies
        super().__init__(*args, **kwargs)

    def log_message(self, *args):
        pass

    def end_headers(self):
        # As a web server's files often are: fresh for an hour, so that the
        # browser's HTTP cache holds the previous version's when the next
        # one comes.
        self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()

    def flush_headers(self):
        self.sent[self.path] += sum(len(header) for header in getattr(self, "_headers_buffer", []))
        super().flush_headers()

    def copyfile(self, source, outputfile):
        body = source.read()
        self.sent[self.path] += len(body)
        self.bodies[self.path] += 1
        outputfile.write(body)


class Chromium:
    """Headless Chromium, with a profile of its own; its DevTools tell what
    installing the app would take, and what the page logged."""

    skips = {}

    def __init__(self, program, driver):
        self.program, self.driver = program, driver

    def start(self, profile):
        # Chromium keeps its profile, and its crash reports and caches beside
        # it, here rather than in the tester's home.
        options = Options()
        options.binary_location = self.program
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         f"--user-data-dir={profile}"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        return webdriver.Chrome(service=Service(self.driver), options=options)

    @staticmethod
    @contextlib.contextmanager
    def visiting(browser, agent=None, scripts=True):
        """The same session, as a browser that says it is AGENT, or runs no
        scripts, until the visit ends."""
        own = browser.execute_script("return navigator.userAgent")
        browser.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent or own})
        browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": not scripts})
        try:
            yield browser
        finally:
            browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
            browser.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": own})

    @staticmethod
    def errors(browser):
        # The notices are a text file, with no icon of its own: the browser
        # asks for the one every site was once assumed to have.
        return [entry["message"] for entry in browser.get_log("browser")
                if entry["level"] == "SEVERE" and "/favicon.ico " not in entry["message"]]

    @staticmethod
    def stop():
        """Nothing of its own outlives its browsers."""

    @staticmethod
    def away(browser):
        """What a while away leaves of a site: its worker stopped, and
        nothing fresh in the browser's HTTP cache."""
        browser.execute_cdp_cmd("ServiceWorker.enable", {})
        browser.execute_cdp_cmd("ServiceWorker.stopAllWorkers", {})
        browser.execute_cdp_cmd("Network.clearBrowserCache", {})

    @staticmethod
    def installability_errors(browser):
        return browser.execute_cdp_cmd("Page.getInstallabilityErrors", {})


class WebKit:
    """WebKitGTK's browser as its WebDriver starts it, on a screen of Xvfb's
    of this test program's own. Its driver has no DevTools and keeps no log
    of the page's console, so what they tell is not checked here."""

    # What is not checked here, and why. WebDriver's session keeps a site's
    # data in memory alone: it writes none to disk, where WebKit started as
    # a player starts it does. There WebKit lets a site's cache go once no
    # page of the site is open and its worker has stopped, some 10 s later,
    # and back offline the page finds "FetchEvent.respondWith received an
    # error"; a player's WebKit keeps the files and plays offline even after
    # a restart. And there the worker's requests for the files the page has
    # just loaded come whole, where a player's WebKit has them answered "not
    # modified" from its disk cache, as Chromium does.
    skips = {
        "installs": "only Chromium's DevTools tell what installing takes; the icon is the same anywhere",
        "script": "the same script in every engine",
        "away": "WebDriver's session keeps a site's cache in memory alone, and WebKit drops it with the worker",
        "cost": "WebDriver's session has no disk cache, which answers the worker's requests in a player's WebKit;"
                " what the worker keeps is the same in every engine",
    }

    def __init__(self, xvfb, driver):
        self.xvfb, self.driver = xvfb, driver
        self.screen = None

    def start(self, profile):
        if not self.screen:
            read, write = os.pipe()
            # On an abstract socket alone, which leaves no folder in /tmp; in
            # a group of its own, so that waiting for a browser's processes
            # (Page.quit) is not waiting for the screen.
            self.screen = subprocess.Popen([self.xvfb, "-displayfd", str(write), "-nolisten", "tcp",
                                            "-nolisten", "unix"],
                                           pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                           start_new_session=True)
            os.close(write)
            with os.fdopen(read) as display:
                os.environ["DISPLAY"] = ":" + display.readline().strip()
        os.environ["HOME"] = profile  # where the browser would keep anything
        return self.session()

    def session(self, *arguments):
        options = WebKitOptions()
        for argument in ("--automation",) + arguments:
            options.add_argument(argument)
        return webdriver.WebKitGTK(executable_path=self.driver, options=options)

    @contextlib.contextmanager
    def visiting(self, _browser, agent=None, scripts=True):
        """A session of its own: WebKit's browser is told its agent, and
        whether it runs scripts, as it starts; and to draw a page that stays
        still without compositing, which, on a screen with no GPU, draws a
        long page again all the while it is open."""
        with unittest.mock.patch.dict(os.environ, WEBKIT_DISABLE_COMPOSITING_MODE="1"):
            browser = self.session(*[f"--user-agent={agent}"] * bool(agent), f"--enable-javascript={scripts}".lower())
        try:
            yield browser
        finally:
            browser.quit()

    def stop(self):
        if self.screen:
            self.screen.terminate()
            self.screen.wait()

    @staticmethod
    def errors(_browser):
        return []


class Script(unittest.TestCase):
    def test_within_budget(self):
        if Page.served:
            self.skipTest("the same script as from disk")
        if "script" in Page.engine.skips:
            self.skipTest(Page.engine.skips["script"])
        with open(os.path.join(Page.page_dir, "guess.js"), "rb") as script:
            code = script.read()
        self.assertLessEqual(len(code), SCRIPT_BUDGET)
        self.assertLessEqual(len(gzip.compress(code, 9)), SCRIPT_GZIPPED_BUDGET)


# The tests share one browser session, in a fresh profile (main); where the
# page is served, each test has a server of its own, on a port of its own:
# an origin of its own, whose storage, worker and HTTP cache start empty.
# What the browser logged is read after each.
class Page(unittest.TestCase):
    engine = None
    browser = None
    site_dir = None
    keyring = None
    page_dir = None
    next_dir = None
    next_version = None
    served = False

    def serve(self, directory, port=0):
        self.server, self.sent, self.bodies = serve(directory, port)

    def stop_serving(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None

    def setUp(self):
        # A test that cannot show anything here opens no page.
        test = getattr(self, self._testMethodName)
        if getattr(test, "served_only", False) and not self.served:
            self.skipTest("from disk, the page is no app")
        for what in getattr(test, "needs", ()):
            self.unless_skipped(what)
        self.server = None
        url = f"file://{self.page_dir}/index.html"
        if self.served:
            self.serve(self.site_dir)
            url = f"http://127.0.0.1:{self.server.server_port}/play/index.html"
        self.addCleanup(self.stop_serving)
        self.engine.errors(self.browser)  # what an earlier test's page left
        self.browser.get(url)
        self.until(lambda: self.screen() == PROMPT, "the prompt")

    def tearDown(self):
        self.assertEqual(self.engine.errors(self.browser), [], "nothing is refused or fails")

    def screen(self):
        return self.browser.execute_script("return document.getElementById('screen').textContent")

    def until(self, condition, what):
        # A page that goes as it is asked (WebKit's, as a link it followed
        # opens the next) gives no answer: the next look asks the next page.
        WebDriverWait(self.browser, 10, poll_frequency=0.05, ignored_exceptions=[NoSuchFrameException]).until(
            lambda _: condition(), what)

    def script(self, body):
        """Runs an async function's body in the page and returns its result."""
        return self.browser.execute_async_script(
            f"(async () => {{ {body} }})().then(arguments[0], (e) => arguments[0](String(e)));")

    def play(self, lines, result, end, again):
        """Plays one game, from the prompt to the next game's prompt."""
        browser = self.browser
        field = browser.switch_to.active_element
        self.assertEqual(field.get_attribute("id"), "answer")
        for line in lines[:-1]:
            field.send_keys(line, Keys.ENTER)
        typed = PROMPT + "".join(line + "\n" for line in lines[:-1])
        field.send_keys(lines[-1])
        self.until(lambda: self.screen() == typed + lines[-1], "the line echoed")
        field.send_keys(Keys.BACKSPACE, lines[-1][-1:])  # Backspace works
        self.assertEqual(self.screen(), typed + lines[-1])
        field.send_keys(Keys.ENTER)
        answered = typed + lines[-1] + "\n" + result + "\n"
        self.until(lambda: self.screen() == answered, "the answer")

        button = browser.find_element(By.ID, "again")
        self.assertFalse(button.is_displayed(), "the game waits for a key")
        if end == "tap":
            browser.find_element(By.ID, "terminal").click()
        else:
            field.send_keys("q" if end == "key" else Keys.ENTER)
        self.until(button.is_displayed, "the game's end")
        self.assertEqual(browser.find_element(By.ID, "status").text, "The game is over.")
        self.assertEqual(self.screen(), answered)

        if again == "click":
            button.click()
        else:
            browser.switch_to.active_element.send_keys(Keys.ENTER if again == "enter" else "p")
        self.until(lambda: self.screen() == PROMPT, "a new game")

    def unless_skipped(self, what):
        """Skips the rest of a subtest where the engine cannot show WHAT."""
        if what in self.engine.skips:
            self.skipTest(self.engine.skips[what])

    def until_controlled(self):
        """Waits until the worker has installed and controls the page."""
        self.script("await navigator.serviceWorker.ready; if (!navigator.serviceWorker.controller)"
                    " await new Promise((r) => navigator.serviceWorker.oncontrollerchange = r);")

    def open_notices(self):
        self.browser.find_element(By.LINK_TEXT, "third-party libraries").click()
        self.until(lambda: "Third-party software in guess" in self.browser.page_source, "the notices")
        self.browser.back()
        self.until(lambda: self.screen() == PROMPT, "the prompt")

    def reload(self):
        self.browser.refresh()
        self.until(lambda: self.screen() == PROMPT, "the prompt")

    def test_app(self):
        if not self.served:
            # From disk: a page alone, with no manifest and no worker.
            self.assertEqual(self.script(
                "return [document.querySelectorAll('link[rel=manifest]').length,"
                " Boolean(navigator.serviceWorker && navigator.serviceWorker.controller)];"),
                [0, False])
            return
        browser = self.browser
        self.until_controlled()
        with self.subTest("installs"):
            self.unless_skipped("installs")
            self.assertEqual(self.engine.installability_errors(browser), {"installabilityErrors": []})
            manifest = browser.execute_cdp_cmd("Page.getAppManifest", {})
            self.assertEqual(manifest["errors"], [])
            self.assertTrue(manifest["url"].endswith("/manifest.webmanifest"))
            # A home screen cuts the maskable icon down to a circle of 80%, at
            # the least: outside it, nothing but the background.
            self.assertEqual(self.script("""
                const icon = new Image();
                icon.src = 'guess-maskable.png';
                await icon.decode();
                const size = icon.width, canvas = document.createElement('canvas');
                canvas.width = canvas.height = size;
                const context = canvas.getContext('2d');
                context.drawImage(icon, 0, 0);
                const pixels = new Uint32Array(context.getImageData(0, 0, size, size).data.buffer);
                let outside = 0;
                pixels.forEach((pixel, i) => {
                  const x = i % size + 0.5 - size / 2, y = Math.floor(i / size) + 0.5 - size / 2;
                  if (pixel !== pixels[0] && x * x + y * y > (0.4 * size) ** 2) outside++;
                });
                return [size, outside];"""), [512, 0])

        # Offline, after one visit: the page still opens, and plays.
        url = browser.current_url
        port = self.server.server_port
        self.stop_serving()
        self.reload()
        self.play(["5"], WIN, "key", "enter")
        # And after the player was away, long enough for the browser to stop
        # the worker and for its HTTP cache to be stale: a worker started
        # again serves the page from what it kept.
        with self.subTest("back after a while"):
            self.unless_skipped("away")
            browser.get("about:blank")
            self.engine.away(browser)
            browser.get(url)
            self.until(lambda: self.screen() == PROMPT, "the prompt")
            self.play(["5"], WIN, "key", "enter")

        # The next version, at the same address: the reload after the one
        # that finds it is the new version's, and the old one's files are gone.
        self.serve(self.next_dir, port)
        self.reload()
        self.script(f"while ((await caches.keys()).some((name) => !name.endsWith(' {self.next_version}')))"
                    " await new Promise((r) => setTimeout(r, 100));")
        self.reload()
        self.assertIn(f"guess {self.next_version},", browser.find_element(By.TAG_NAME, "footer").text)
        self.assertEqual(len(self.script("return await caches.keys();")), 1)

    def test_first_visit(self):
        # Until the worker has taken over, and the browser has looked at
        # what installing the app would take.
        self.until_controlled()
        self.engine.installability_errors(self.browser)
        self.play(["5"], WIN, "key", "enter")
        self.assertEqual([path for path, count in self.bodies.items() if count > 1], [], "sent twice")
        self.assertLessEqual(sum(self.sent.values()), FIRST_VISIT_BUDGET, dict(self.sent))
        self.assertNotIn("/play/THIRD-PARTY-NOTICES.txt", self.bodies, "kept before it is opened")

    test_first_visit.served_only = True
    test_first_visit.needs = ("installs", "cost")

    def test_notices(self):
        # Opened from the page's foot, the notices are kept from then on.
        if self.served:
            self.until_controlled()
        self.open_notices()
        if self.served:
            self.stop_serving()
            self.open_notices()

    def test_games(self):
        for game in GAMES:
            with self.subTest(lines=game[0]):
                self.play(*game)


# What each system is offered first, as its browser says what it is: the
# installer, the install line with the package managers' commands, or the
# game in the browser.
AGENTS = [
    ("Windows", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko)"
     " Chrome/131.0.0.0 Safari/537.36", "windows"),
    ("Linux x86-64", "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko)"
     " Chrome/131.0.0.0 Safari/537.36", "linux"),
    ("Linux aarch64", "Mozilla/5.0 (X11; Linux aarch64; rv:133.0) Gecko/20100101 Firefox/133.0", "linux"),
    ("Android", "Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko)"
     " Chrome/131.0.0.0 Mobile Safari/537.36", "play"),
    ("iPhone", "Mozilla/5.0 (iPhone; CPU iPhone OS 18_1 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko)"
     " Version/18.1 Mobile/15E148 Safari/604.1", "play"),
    ("Mac", "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko)"
     " Version/18.1 Safari/605.1.15", "play"),
]
LINUX_COMMANDS = ("apt install guess", "dnf install guess", "zypper install guess", "pacman -Sy guess")


# The release's own page, served with the release's files beside it.
class Site(unittest.TestCase):
    def setUp(self):
        if not Page.served:
            self.skipTest("from disk, the release is no website")
        # The game's page, left open, would draw its cursor all the while.
        Page.browser.get("about:blank")
        server = serve(Page.site_dir)[0]
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        self.address = f"http://127.0.0.1:{server.server_port}/"

    def test_offers(self):
        # The address the release was made for, or where none was, the one it is served from.
        named = os.environ.get("GUESS_DOWNLOAD_URL")
        named = named.rstrip("/") + "/" if named else self.address
        for name, agent, offer in AGENTS:
            with self.subTest(name), Page.engine.visiting(Page.browser, agent=agent) as browser:
                browser.get(self.address)
                yours = browser.find_element(By.ID, "yours")
                links = [link.get_attribute("href") for link in yours.find_elements(By.TAG_NAME, "a")]
                if offer == "windows":
                    self.assertRegex(links[0], r"\.msi$")
                elif offer == "linux":
                    for command in LINUX_COMMANDS:
                        self.assertIn(command, yours.text)
                    self.assertIn(f"curl -fsSL {named}install.sh | sh", yours.text)
                    self.assertEqual({shown.text for shown in yours.find_elements(By.CLASS_NAME, "address")}, {named})
                else:
                    self.assertEqual(links, [self.address + "play/"])

    def test_without_scripts(self):
        # Every file the checksums name at the top, of every version, but the
        # page's own, with its size and SHA-256; and the key's fingerprint.
        with open(os.path.join(Page.site_dir, "SHA256SUMS"), encoding="utf-8") as sums:
            listed = {(name, f"{(os.path.getsize(os.path.join(Page.site_dir, name)) + 512) // 1024} KiB", digest)
                      for digest, name in (line.split() for line in sums)
                      if "/" not in name and name not in ("index.html", "site.js", "site.css", "terminal.png")}
        with tempfile.TemporaryDirectory() as home:
            keys = subprocess.run(["gpg", "--homedir", home, "--show-keys", "--with-colons", Page.keyring],
                                  capture_output=True, text=True, check=True).stdout
        with Page.engine.visiting(Page.browser, scripts=False) as browser:
            browser.get(self.address)
            self.assertFalse(browser.find_element(By.ID, "yours").is_displayed())
            rows = {tuple(cell.text for cell in row.find_elements(By.TAG_NAME, "td"))
                    for row in browser.find_elements(By.CSS_SELECTOR, "#downloads tr, #earlier tr")}
            self.assertEqual(rows - {()}, listed)
            self.assertIn(f"fpr:::::::::{browser.find_element(By.ID, 'fingerprint').text}:", keys)

    def test_links(self):
        # Each answered from here, and nothing fetched from elsewhere.
        Page.browser.get(self.address)
        fetched = Page.browser.execute_script(
            "return performance.getEntriesByType('resource').map((entry) => entry.name)"
            ".concat([...document.querySelectorAll('[href], [src]')].map((link) => link.href || link.src))")
        for url in set(fetched):
            with self.subTest(url):
                self.assertTrue(url.startswith(self.address))
                with urllib.request.urlopen(urllib.request.Request(url, method="HEAD")) as answer:
                    self.assertEqual(answer.status, 200)


def serve(directory, port=0):
    """Serves DIRECTORY on 127.0.0.1 (port 0: any), counting what it sends."""
    sent, bodies = collections.Counter(), collections.Counter()
    handler = functools.partial(Counting, directory=directory, sent=sent, bodies=bodies)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, sent, bodies


def next_page(page_dir, into):
    """The page of the version after its own: its files, with the next
    version's number where the version's stands."""
    with open(os.path.join(page_dir, "sw.js"), encoding="utf-8") as worker:
        version = re.search(r"}([0-9]+\.[0-9]+\.)([0-9]+)`;", worker.read())
    shutil.copytree(page_dir, into)
    following = version.group(1) + str(int(version.group(2)) + 1)
    for name in ("index.html", "sw.js"):
        with open(os.path.join(into, name), encoding="utf-8") as file:
            text = file.read()
        with open(os.path.join(into, name), "w", encoding="utf-8") as file:
            file.write(text.replace(version.group(1) + version.group(2), following))
    return following


def quit_browser():
    """Ends the browser, and waits for every process of it to end: WebKit's
    web process outlives its browser a while, and writes in the profile
    until it ends. Those this program started stay in its process group,
    and those orphaned are its own to wait for (main)."""
    Page.browser.quit()
    try:
        while True:
            os.waitid(os.P_PGID, os.getpgrp(), os.WEXITED)
    except ChildProcessError:
        pass


if __name__ == "__main__":
    engine, program, driver, Page.site_dir, Page.keyring = sys.argv[1:6]
    Page.page_dir = os.path.join(Page.site_dir, "play")
    Page.engine = {"chromium": Chromium, "webkit": WebKit}[engine](shutil.which(program), shutil.which(driver))
    work = tempfile.TemporaryDirectory()
    Page.next_dir = os.path.join(work.name, "next")
    Page.next_version = next_page(Page.page_dir, os.path.join(Page.next_dir, "play"))
    PR_SET_CHILD_SUBREAPER = 36
    if ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1) != 0:
        raise OSError(ctypes.get_errno(), "prctl(PR_SET_CHILD_SUBREAPER)")
    profile = os.path.join(work.name, "profile")
    os.mkdir(profile)
    for variable in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
        os.environ[variable] = profile
    passed = True
    try:
        Page.browser = Page.engine.start(profile)
        for Page.served in (False, True):
            print("Served from 127.0.0.1:" if Page.served else "Opened from disk:", file=sys.stderr)
            passed &= unittest.main(argv=sys.argv[:1], exit=False).result.wasSuccessful()
    finally:
        if Page.browser:
            quit_browser()
        Page.engine.stop()
        work.cleanup()
    sys.exit(0 if passed else 1)
