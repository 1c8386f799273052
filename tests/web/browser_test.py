#!/usr/bin/python3
"""The browser page in headless Chromium, driven by chromedriver.

Usage: browser_test.py SITE_DIR [AXE_JS] [unittest options]

Serves SITE_DIR on 127.0.0.1 at a free port and checks the page as a user
meets it: the desktop window's geometry, every command and key, the message
boxes, About, languages of every script and a mirrored one, an offline
reload through the service worker and, given axe-core's axe.min.js, the
accessibility rules of WCAG 2.1 AA.
"""

import functools
import http.server
import json
import os
import sys
import threading
import unittest

from selenium import webdriver
from selenium.common.exceptions import ElementClickInterceptedException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = os.path.abspath(sys.argv[1])
AXE = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2].endswith(".js") else None
REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# The desktop window's controls in twips (left, top, width, height), from the
# client area; the option buttons from the frame. 15 twips make a CSS pixel.
MAIN_TWIPS = {
    "lblEntry": (480, 480, 1935, 285),
    "txtEntry": (2400, 480, 1575, 285),
    "frmSelect": (4320, 240, 1455, 2775),
    "cmdClear": (4440, 3480, 1215, 375),
    "cmdCalculate": (2640, 1320, 1215, 735),
    "cmdPrintForm": (4440, 4080, 1215, 375),
    "cmdClose": (4440, 4560, 1215, 495),
    "lblResults": (240, 2280, 1695, 255),
}
RESULTS = ["txtByteResult", "txtKiloResult", "txtMegaResult", "txtGigaResult",
           "txtTeraResult", "txtPetaResult", "txtExaResult"]
UNIT_LABELS = ["lblBytes", "lblKilobytes", "lblMegabytes", "lblGigabytes",
               "lblTeraBytes", "lblPetaBytes", "lblExaBytes"]
for row, (box, label) in enumerate(zip(RESULTS, UNIT_LABELS)):
    MAIN_TWIPS[box] = (240, 2640 + 360 * row, 2700, 360)
    MAIN_TWIPS[label] = (3120, 2760 + 360 * row, 735 if row < 2 else 975, 285)
OPTION_TWIPS = {f"optMeasure_{i}": (120, 240 + 360 * i, 1095, 255) for i in range(7)}
ABOUT_TWIPS = {
    "picIcon": (240, 240, 780, 780), "cmdOK": (4245, 2880, 1260, 345),
    "Label1": (960, 2160, 4095, 255), "lblDescription": (1050, 1125, 3885, 930),
    "lblTitle": (1050, 240, 3885, 480), "lblVersion": (1050, 780, 3885, 255),
    "lblDisclaimer": (255, 2640, 3870, 825),
}
CLIENT_WIDTH, ABOUT_WIDTH, FRAME_WIDTH = 416, 382, 97

ONE_KILOBYTE = ["1024", "1", "0.0009765625", "0.00000095367431640625",
                "0.000000000931322574615479", "0.000000000000909494701772928",
                "0.0000000000000008881784197001"]
TITLE = "Tolvane's Mensurex 2"


class Server:
    """The site on 127.0.0.1 at a free port, until stopped."""

    def __init__(self):
        handler = functools.partial(QuietHandler, directory=SITE)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def start_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=800,600",
                     "--force-device-scale-factor=1", "--lang=en-US"):
        options.add_argument(argument)
    service = Service(executable_path="/usr/bin/chromedriver")
    return webdriver.Chrome(options=options, service=service)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.browser = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.stop()

    def open(self, query=""):
        self.browser.get(self.server.url + query)
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return document.documentElement.hasAttribute('data-ready')"))

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def element(self, id_):
        return self.browser.find_element(By.ID, id_)

    def rect(self, id_, origin):
        return self.js("""
            const r = document.getElementById(arguments[0]).getBoundingClientRect();
            const o = document.getElementById(arguments[1]).getBoundingClientRect();
            return [r.left - o.left, r.top - o.top, r.width, r.height];""", id_, origin)

    def keys(self, *keys):
        webdriver.ActionChains(self.browser).send_keys(*keys).perform()

    def alt(self, letter):
        webdriver.ActionChains(self.browser).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

    def results(self):
        return self.js("return arguments[0].map((id) => document.getElementById(id).value)", RESULTS)

    def open_message(self):
        """The prompt of the open message box, checked to be one."""
        self.assertTrue(self.js("return document.getElementById('messageBox').open"))
        self.assertEqual(self.element("messageCaption").text, TITLE)
        return self.js("return messagePrompt.textContent")

    def focused(self):
        return self.js("const a = document.activeElement; return a.id || a.closest('[id]').id")

    def assert_geometry(self, table, origin, mirrored_width=None):
        for id_, twips in table.items():
            left, top, width, height = (value / 15 for value in twips)
            if mirrored_width is not None:
                left = mirrored_width - left - width
            with self.subTest(control=id_):
                self.assertEqual(self.rect(id_, origin), [left, top, width, height])

    def calculate(self, entry, unit=1):
        self.js("document.getElementById('txtEntry').value = arguments[0];"
                "document.querySelectorAll('input[name=optMeasure]')[arguments[1]].checked = true;",
                entry, unit)
        self.element("cmdCalculate").click()


class WindowTest(PageTest):
    def test_layout_at_start_matches_the_desktop_window(self):
        self.open()
        self.assertEqual(self.browser.title, "Mensurex")
        self.assertEqual(self.rect("frmMain", "frmMain")[2:], [416, 358])
        self.assert_geometry(MAIN_TWIPS, "frmMain")
        self.assert_geometry(OPTION_TWIPS, "frmSelect")
        self.assertEqual(self.js("return getComputedStyle(frmMain).backgroundColor"), "rgb(192, 255, 192)")
        self.assertEqual(self.js("return getComputedStyle(txtByteResult).color"), "rgb(0, 0, 255)")
        self.assertEqual(self.focused(), "txtEntry")
        self.assertEqual(self.js("return [...document.querySelectorAll('[name=optMeasure]')]"
                                 ".map((u) => u.checked)"), [False, True] + [False] * 5)
        self.assertEqual(self.results(), [""] * 7)
        self.assertEqual(self.element("txtEntry").get_attribute("title"), "Enter the number you wish to convert")
        self.assertEqual(self.js("return document.querySelector('link[rel=icon]').href"),
                         self.server.url + "icon-32.png")

    def test_tab_order_follows_the_tab_indices(self):
        self.open()
        order = []
        for _ in range(13):
            order.append(self.focused())
            self.keys(Keys.TAB)
        self.assertEqual(order, ["txtEntry", "cmdClear", "cmdCalculate", "cmdPrintForm", "cmdClose",
                                 "optMeasure_1"] + RESULTS)

    def test_every_trigger_of_calculate_gives_the_same_results(self):
        self.open()
        triggers = {
            "button": lambda: self.element("cmdCalculate").click(),
            "Alt+A": lambda: self.alt("a"),
            "menu": lambda: (self.element("mnuFile").click(), self.element("mnuCalculate").click()),
            "Enter in the entry": lambda: self.element("txtEntry").send_keys(Keys.ENTER),
            "Shift+Enter in the entry": lambda: self.element("txtEntry").send_keys(Keys.SHIFT, Keys.ENTER),
            "Enter on a unit": lambda: (self.element("optMeasure_1").click(), self.keys(Keys.ENTER)),
        }
        for name, trigger in triggers.items():
            with self.subTest(trigger=name):
                self.element("cmdClear").click()
                self.element("txtEntry").send_keys("1")
                trigger()
                self.assertEqual(self.results(), ONE_KILOBYTE)
                self.assertFalse(self.js("return !!document.querySelector('dialog[open]')"))

    def test_results_stay_until_the_next_calculate(self):
        self.open()
        self.calculate("1")
        self.element("optMeasure_6").click()
        self.element("txtEntry").send_keys("0")
        self.assertEqual(self.results(), ONE_KILOBYTE)
        self.calculate("68719476735", 6)
        self.assertEqual(self.results()[:2], ["79228162513111416088937103360", "77371252454210367274352640"])

    def test_a_refused_entry_is_selected_after_its_message(self):
        self.open()
        self.calculate("1")
        for entry, prompt in (("abc", "You must enter a valid numeric amount ."),
                              ("", "You must enter a valid numeric amount ."),
                              ("68719476736", "The amount is too large to convert.")):
            with self.subTest(entry=entry):
                self.calculate(entry, 6 if entry.startswith("6") else 1)
                self.assertEqual(self.open_message(), prompt)
                self.assertEqual(len(self.browser.find_elements(By.CSS_SELECTOR, "#messageBox button")), 1)
                # Modal: the window takes no clicks meanwhile.
                with self.assertRaises(ElementClickInterceptedException):
                    self.element("cmdClear").click()
                self.keys(Keys.ENTER)
                self.assertFalse(self.js("return document.getElementById('messageBox').open"))
                self.assertEqual(self.focused(), "txtEntry")
                self.assertEqual(self.js("return [txtEntry.selectionStart, txtEntry.selectionEnd]"),
                                 [0, len(entry)])
                self.assertEqual(self.results(), ONE_KILOBYTE)
        self.element("txtEntry").send_keys(Keys.SHIFT, Keys.ENTER)
        self.element("messageOK").click()
        self.assertEqual(self.focused(), "txtEntry")

    def test_clear_all_empties_every_box_and_keeps_the_unit(self):
        self.open()
        self.calculate("5", 3)
        self.element("cmdClear").click()
        self.assertEqual(self.element("txtEntry").get_attribute("value"), "")
        self.assertEqual(self.results(), [""] * 7)
        self.assertTrue(self.js("return document.querySelectorAll('[name=optMeasure]')[3].checked"))
        self.assertEqual(self.focused(), "txtEntry")

    def test_result_boxes_take_no_typing(self):
        self.open()
        self.calculate("1")
        self.element("txtKiloResult").send_keys("9", Keys.BACKSPACE)
        self.assertEqual(self.results(), ONE_KILOBYTE)

    def test_escape_and_other_keys_run_nothing(self):
        self.open()
        self.element("txtEntry").send_keys("1", Keys.ESCAPE, Keys.TAB)
        self.assertEqual(self.results(), [""] * 7)
        self.assertFalse(self.js("return !!document.querySelector('dialog[open]')"))

    def test_instructions_show_the_whole_text(self):
        self.open()
        self.alt("h")
        self.assertEqual(self.focused(), "mnuInstructions")
        self.keys("i")
        prompt = self.open_message()
        # The desktop's text, as its translators see it: one line, two blanks
        # after "CALCULATE.".
        with open(os.path.join(REPO, "translations", "main", "main_de.ts"), encoding="utf-8") as ts:
            self.assertIn(f"<source>{prompt}</source>", ts.read())
        self.assertTrue(prompt.startswith("To use the Mensurex,"))
        self.assertTrue(prompt.endswith("CALCULATE.  View the results in the RESULTS section."))
        self.element("messageOK").click()
        self.assertEqual(self.focused(), "txtEntry")

    def test_menus_follow_the_menubar_pattern(self):
        self.open()
        self.alt("f")
        self.assertEqual(self.element("mnuFile").get_attribute("aria-expanded"), "true")
        self.assertEqual(self.focused(), "mnuCalculate")
        self.keys(Keys.ARROW_UP)
        self.assertEqual(self.focused(), "mnuExit")
        self.keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.element("mnuFile").get_attribute("aria-expanded"), "false")
        self.assertEqual(self.focused(), "mnuInstructions")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.focused(), "mnuHelp")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.focused(), "txtEntry")
        self.element("txtEntry").send_keys("1")
        self.alt("f")
        self.keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)  # back to Calculate
        self.assertEqual(self.results(), ONE_KILOBYTE)

    def test_print_form_prints_the_page_from_button_menu_and_key(self):
        self.open()
        self.js("window.printed = 0; window.print = () => { window.printed += 1; };")
        self.element("cmdPrintForm").click()
        self.alt("p")
        self.alt("f")
        self.keys("p")
        self.assertEqual(self.js("return window.printed"), 3)
        self.assertFalse(self.js("return !!document.querySelector('dialog[open]')"))

    def test_about_opens_modally_and_closes_by_ok_enter_and_escape(self):
        self.open()
        for close in (lambda: self.element("cmdOK").click(), lambda: self.keys(Keys.ENTER),
                      lambda: (self.keys(Keys.TAB), self.keys(Keys.ESCAPE))):
            self.alt("h")
            self.keys("b")
            self.assertTrue(self.js("return frmAbout.open"))
            self.assertEqual(self.element("frmAboutCaption").text, "About " + TITLE)
            self.assertEqual(self.element("lblTitle").text, TITLE)
            self.assertEqual(self.element("lblVersion").text, "Version 2.0")
            self.assertEqual(self.focused(), "cmdOK")
            self.assertTrue(self.js("return document.querySelector('#picIcon img').complete &&"
                                    " document.querySelector('#picIcon img').naturalWidth === 48"))
            self.assert_geometry(ABOUT_TWIPS, "frmAboutClient")
            close()
            self.assertFalse(self.js("return frmAbout.open"))
            self.assertEqual(self.focused(), "txtEntry")

    def test_an_overlong_paste_is_refused_whole_and_a_huge_entry_converts(self):
        self.open()
        # A paste event as the browser sends it for a long clipboard text.
        self.js("""const data = new DataTransfer(); data.setData('text/plain', '1'.repeat(32768));
                   txtEntry.focus();
                   txtEntry.dispatchEvent(new InputEvent('beforeinput', {inputType: 'insertFromPaste',
                     dataTransfer: data, cancelable: true, bubbles: true}));""")
        self.assertEqual(self.open_message(),
                         "The text was not pasted: the entry holds at most 32767 characters.")
        self.element("messageOK").click()
        self.assertEqual(self.element("txtEntry").get_attribute("value"), "")
        self.js("txtEntry.value = '1' + '0'.repeat(10 * 1024 * 1024)")
        self.element("cmdCalculate").click()
        self.assertEqual(self.open_message(), "The amount is too large to convert.")

    def test_close_and_exit_leave_the_page(self):
        for trigger in (lambda: self.element("cmdClose").click(), lambda: self.alt("c"),
                        lambda: (self.alt("f"), self.keys("e"))):
            self.open()
            trigger()
            WebDriverWait(self.browser, 5).until(lambda b: b.current_url == "about:blank")


class LanguageTest(PageTest):
    def translation(self, language, source, context="frmMain", file_set="main"):
        with open(os.path.join(SITE, "lang", language + ".json"), encoding="utf-8") as texts:
            return json.load(texts)[context][source]

    def test_a_language_of_every_script_shows_its_texts(self):
        for language in ("de", "ru", "el", "he", "hi", "th", "ja", "ko", "zh_CN", "fa"):
            with self.subTest(language=language):
                self.open("?lang=" + language)
                self.assertEqual(self.js("return document.documentElement.lang"), language.replace("_", "-"))
                self.assertEqual(self.element("cmdClear").text, self.translation(language, "Clear All"))
                self.assertEqual(self.element("lblResults").text, self.translation(language, "Results"))
                self.assertEqual(self.js("return document.documentElement.dir"),
                                 "rtl" if language in ("he", "fa") else "ltr")

    def test_arabic_is_mirrored_and_writes_its_own_digits(self):
        self.open("?lang=ar")
        self.assertEqual(self.js("return document.documentElement.dir"), "rtl")
        self.assert_geometry(MAIN_TWIPS, "frmMain", CLIENT_WIDTH)
        self.assert_geometry(OPTION_TWIPS, "frmSelect", FRAME_WIDTH)
        self.element("txtEntry").send_keys("0.1")
        self.element("optMeasure_6").click()
        self.keys(Keys.ENTER)
        self.assertEqual(self.results()[0], "١١٥٢٩٢١٥٠٤٦٠٦٨٤٦٩٧٫٦")
        self.assertEqual(self.element("txtEntry").get_attribute("dir"), "ltr")
        self.element("mnuHelp").click()
        self.element("mnuAbout").click()
        self.assert_geometry(ABOUT_TWIPS, "frmAboutClient", ABOUT_WIDTH)
        self.assertEqual(self.element("lblVersion").text,
                         self.translation("ar", "Version %1", "frmAbout").replace("%1", "٢٫٠"))

    def test_the_browsers_language_decides_and_german_numbers_read(self):
        user_agent = self.js("return navigator.userAgent")
        self.browser.execute_cdp_cmd("Network.setUserAgentOverride",
                                     {"userAgent": user_agent, "acceptLanguage": "de-DE,en"})
        try:
            self.open()
        finally:
            self.browser.execute_cdp_cmd("Network.setUserAgentOverride",
                                         {"userAgent": user_agent, "acceptLanguage": "en-US"})
        self.assertEqual(self.js("return document.documentElement.lang"), "de")
        self.element("txtEntry").send_keys("1.024,5", Keys.ENTER)
        self.assertEqual(self.results()[1], "1024,5")
        self.alt(self.js("return cmdCalculate.dataset.key"))
        self.assertEqual(self.results()[1], "1024,5")


class OfflineTest(PageTest):
    def test_the_page_reloads_and_converts_with_no_server(self):
        self.open("?lang=ja")
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return !!navigator.serviceWorker.controller"))
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script(
            "return (async () => { const c = await caches.open((await caches.keys())[0]);"
            " return (await c.keys()).filter((r) => r.url.includes('ja.json')).length; })()") == 1)
        self.server.stop()
        try:
            self.open("?lang=ja")
            self.calculate("1")
            self.assertEqual(self.results(), ONE_KILOBYTE)
            self.assertEqual(self.element("cmdClear").text, self.translation_ja())
        finally:
            type(self).server = Server()

    def translation_ja(self):
        with open(os.path.join(SITE, "lang", "ja.json"), encoding="utf-8") as texts:
            return json.load(texts)["frmMain"]["Clear All"]

    def test_the_manifest_names_the_program_and_its_icons(self):
        self.open()
        manifest = self.js("return fetch(document.querySelector('link[rel=manifest]').href)"
                           ".then((r) => r.json())")
        self.assertEqual(manifest["name"], TITLE)
        sizes = {icon["sizes"] for icon in manifest["icons"]}
        self.assertEqual(sizes, {"32x32", "192x192"})


@unittest.skipUnless(AXE, "no axe-core given")
class AccessibilityTest(PageTest):
    def violations(self):
        with open(AXE, encoding="utf-8") as script:
            self.js(script.read())
        return self.js("""return axe.run(document, {runOnly: {type: 'tag',
            values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']}})
            .then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join(' ')));""")

    def test_no_violations_in_english_and_arabic_with_and_without_dialogs(self):
        for query in ("", "?lang=ar"):
            with self.subTest(query=query):
                self.open(query)
                self.calculate("1")
                self.assertEqual(self.violations(), [])
                self.alt("h")
                self.assertEqual(self.violations(), [])
                self.keys("b")
                self.assertEqual(self.violations(), [])
                self.keys(Keys.ESCAPE)
                self.calculate("abc")
                self.assertEqual(self.violations(), [])

    def test_each_result_box_is_named_by_its_unit(self):
        self.open()
        names = self.js("return arguments[0].map((id) => document.getElementById(id).getAttribute('aria-label'))",
                        RESULTS)
        self.assertEqual(names, ["Result in " + unit for unit in
                                 ("bytes", "kilobytes", "megabytes", "gigabytes", "terabytes",
                                  "petabytes", "exabytes")])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + [a for a in sys.argv[2:] if not a.endswith(".js")])
