#!/usr/bin/python3
"""Figures of the browser page in headless Chromium on this machine.

Usage: page_bench.py SITE_DIR [ROUNDS]

Prints what a first visit in one language downloads (uncompressed), the
time from navigation to data-ready against an empty page's load, one
Calculate, and a 10 MB entry from setting it to the answer. Medians over
ROUNDS (15 by default); nothing is asserted, the machine is shared.
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
SITE = sys.argv[1]
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
sys.argv = sys.argv[:2]
import browser_test  # noqa: E402

WAIT_READY = "return document.documentElement.hasAttribute('data-ready')"


def fresh(browser):
    """No cache, no service worker: every load is a first visit."""
    browser.execute_cdp_cmd("Network.enable", {})
    browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    browser.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})


def first_visit_bytes(browser, url):
    browser.get(url)
    browser_test.WebDriverWait(browser, 10).until(lambda b: b.execute_script(WAIT_READY))
    return browser.execute_script("""
        const entries = [...performance.getEntriesByType('navigation'),
                         ...performance.getEntriesByType('resource')];
        return entries.map((e) => [e.name.split('/').pop() || '/', e.decodedBodySize]);""")


def ready_ms(browser, url):
    browser.get(url)
    browser_test.WebDriverWait(browser, 10).until(lambda b: b.execute_script(WAIT_READY))
    return browser.execute_script(
        "return performance.getEntriesByName('mensurex-ready')[0].startTime")


def empty_ms(browser, url):
    browser.get(url)
    browser_test.WebDriverWait(browser, 10).until(
        lambda b: b.execute_script("return document.readyState === 'complete'"))
    return browser.execute_script(
        "return performance.getEntriesByType('navigation')[0].loadEventEnd")


def main():
    with open(os.path.join(SITE, "empty-bench.html"), "w", encoding="utf-8") as empty:
        empty.write("<!DOCTYPE html><title>empty</title>")
    server = browser_test.Server()
    browser = browser_test.start_browser()
    try:
        fresh(browser)
        for query in ("", "?lang=ja"):
            sizes = first_visit_bytes(browser, server.url + query)
            print(f"first visit{query or ' (en)'}: {sum(s for _, s in sizes) / 1024:.1f} KiB uncompressed: " +
                  ", ".join(f"{name} {size / 1024:.1f}" for name, size in sizes))
        page = [ready_ms(browser, server.url) for _ in range(ROUNDS)]
        empty = [empty_ms(browser, server.url + "empty-bench.html") for _ in range(ROUNDS)]
        print(f"navigation to data-ready: median {statistics.median(page):.1f} ms; "
              f"empty page loaded: median {statistics.median(empty):.1f} ms; "
              f"overhead {statistics.median(page) - statistics.median(empty):.1f} ms")
        ready_ms(browser, server.url)
        per_click = browser.execute_script("""
            txtEntry.value = '123456789.123'; document.querySelectorAll('[name=optMeasure]')[0].checked = true;
            const rounds = [];
            for (let round = 0; round < 20; ++round) {
              const start = performance.now();
              for (let i = 0; i < 200; ++i) cmdCalculate.click();
              rounds.push((performance.now() - start) / 200);
            }
            rounds.sort((a, b) => a - b); return [rounds[10], rounds[19]];""")
        print(f"one Calculate (mean of 200 clicks, 20 rounds): median {per_click[0]:.4f} ms, "
              f"slowest round {per_click[1]:.4f} ms")
        for label, text in (("10 MB of digits", "'1' + '0'.repeat(10 * 1024 * 1024 - 1)"),
                            ("10 MB refused", "'1' + 'x'.repeat(10 * 1024 * 1024 - 1)")):
            timing = browser.execute_script(f"""
                const a = performance.now(); txtEntry.value = {text};
                const b = performance.now(); cmdCalculate.click();
                const c = performance.now(); const open = messageBox.open; messageOK.click();
                return [b - a, c - b, open ? messagePrompt.textContent : txtByteResult.value.slice(0, 20)];""")
            print(f"{label}: setting it {timing[0]:.0f} ms, Calculate {timing[1]:.0f} ms -> {timing[2]!r}")
    finally:
        browser.quit()
        server.stop()
        os.remove(os.path.join(SITE, "empty-bench.html"))


if __name__ == "__main__":
    main()
