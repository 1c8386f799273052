#!/usr/bin/python3
"""Pictures of the page in headless Chromium: screenshot.py SITE OUT.png [QUERY] [about]."""
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
    # The window alone: the menu bar and the client area below it.
    browser.execute_script("document.body.style.width = '416px'")
    element = browser.find_element(browser_test.By.TAG_NAME, "body")
    browser.save_screenshot(args[0])
finally:
    browser.quit()
    server.stop()
