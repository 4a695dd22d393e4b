"""The game in a web page, played in headless Chromium as a player plays it:
the same texts and input rules as the console, a key or a tap ends the game,
and the page then offers a new one. The page is opened from disk (file://)
or from a web server on 127.0.0.1, as given.

    web_test.py PAGE_DIR file|served
"""

import functools
import http.server
import os
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
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
]


class Page(unittest.TestCase):
    page_dir = None
    served = False

    @classmethod
    def setUpClass(cls):
        url = f"file://{cls.page_dir}/index.html"
        if cls.served:
            handler = functools.partial(
                http.server.SimpleHTTPRequestHandler, directory=cls.page_dir)
            handler.log_message = lambda *args: None
            cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
            threading.Thread(target=cls.server.serve_forever, daemon=True).start()
            url = f"http://127.0.0.1:{cls.server.server_port}/index.html"
        # Chromium keeps its profile, and its crash reports and caches beside
        # it, here rather than in the tester's home.
        cls.profile = tempfile.TemporaryDirectory()
        for variable in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
            os.environ[variable] = cls.profile.name
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         f"--user-data-dir={cls.profile.name}"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.browser.get(url)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.profile.cleanup()
        if cls.served:
            cls.server.shutdown()

    def screen(self):
        return self.browser.execute_script("return document.getElementById('screen').textContent")

    def until(self, condition, what):
        WebDriverWait(self.browser, 10).until(lambda _: condition(), what)

    def test_games(self):
        browser = self.browser
        self.until(lambda: self.screen() == PROMPT, "the prompt")
        for lines, result, end, again in GAMES:
            with self.subTest(lines=lines):
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
                    browser.switch_to.active_element.send_keys(
                        Keys.ENTER if again == "enter" else "p")
                self.until(lambda: self.screen() == PROMPT, "a new game")

    def test_nothing_is_refused_or_fails(self):
        self.until(lambda: self.screen() == PROMPT, "the prompt")
        errors = [entry["message"] for entry in self.browser.get_log("browser")
                  if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [])


if __name__ == "__main__":
    Page.page_dir, Page.served = sys.argv[1], sys.argv[2] == "served"
    unittest.main(argv=sys.argv[:1])
