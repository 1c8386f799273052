#!/usr/bin/python3
"""A picture of the page in headless Chromium after converting 1 kilobyte.

Usage: screenshot.py SITE OUT.png [QUERY [about]], e.g. "?lang=ar" about;
docs/screenshot-web.png is screenshot.py SITE docs/screenshot-web.png.
"""
import base64
import sys

sys.argv, args = sys.argv[:2], sys.argv[2:]
import browser_test  # noqa: E402  (reads the site from sys.argv)

server = browser_test.Server()
browser = browser_test.start_browser()
try:
    browser.set_window_size(416 + 200, 358 + 300)
    browser.get(server.url + (args[1] if len(args) > 1 else ""))
    browser_test.WebDriverWait(browser, 10).until(
        lambda b: b.execute_script("return document.documentElement.hasAttribute('data-ready')"))
    browser.execute_script("txtEntry.value = '1'; cmdCalculate.click();")
    if "about" in args[2:]:
        browser.execute_script("mnuAbout.click()")
    # The window alone: the menu bar and the client area below it, or the
    # About window over it.
    clip = browser.execute_script("""
        const about = document.getElementById('frmAbout');
        const shown = about.open ? about : document.getElementById('frmMain');
        const r = shown.getBoundingClientRect();
        return about.open ? [r.left, r.top, r.width, r.height] : [r.left, 0, r.width, r.bottom];""")
    shot = browser.execute_cdp_cmd("Page.captureScreenshot", {"format": "png", "clip": {
        "x": clip[0], "y": clip[1], "width": clip[2], "height": clip[3], "scale": 1}})
    with open(args[0], "wb") as out:
        out.write(base64.b64decode(shot["data"]))
finally:
    browser.quit()
    server.stop()
