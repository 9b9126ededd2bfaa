#!/usr/bin/python3
"""The web page's figures against its budgets, measured in headless Chromium over a local server:
the site's size (raw and compressed), the first answer after opening a shared link (in a fresh
browser, and again with the page's files kept by the service worker), and Calculate in every case
of the same-answers table, with the report and the figure where the case asks for them. Run it on
a quiet machine after scripts/web --build:

    build/tests/web/same_answer_requests > /tmp/requests.jsonl
    bench/web_page_bench.py build-web/site /tmp/requests.jsonl

Prints each figure with its budget and exits 1 when one is over.
"""
import json
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from site_browser import Server, browser, link_of, site_size, wait_until_ready  # noqa: E402

SITE, REQUESTS = sys.argv[1], sys.argv[2]
LOADS = 8
CALCULATES = 10


def first_answers(server):
    fresh, kept = [], []
    for _ in range(LOADS):
        driver = browser()
        try:
            for times in (fresh, kept):
                driver.get(server.base + "#t-critical?values=.05,10")
                wait_until_ready(driver)
                driver.execute_script("return navigator.serviceWorker.ready")
                times.append(float(driver.execute_script(
                    "return new Promise((done) => { const wait = () => "
                    "document.documentElement.dataset.answeredAt ? "
                    "done(document.documentElement.dataset.answeredAt) : setTimeout(wait, 10); "
                    "wait(); })")))
                driver.get("about:blank")
        finally:
            driver.quit()
    return fresh, kept


def calculates(server):
    """The slowest of CALCULATES presses of Calculate in each case, by its request."""
    with open(REQUESTS, encoding="utf-8") as lines:
        requests = [json.loads(json.loads(line)["request"]) for line in lines
                    if line.strip() and not json.loads(line).get("sweep")]
    driver = browser()
    slowest = {}
    try:
        for request in requests:
            shown = "report" in request or "figure" in request
            driver.get(server.base)
            wait_until_ready(driver)
            driver.execute_script(
                "localStorage.setItem('quillon.report', JSON.stringify({shown: arguments[0]}))",
                shown)
            driver.get(server.base + link_of(request))
            wait_until_ready(driver)
            times = []
            for _ in range(CALCULATES):
                times.append(driver.execute_script("""
                    const box = document.getElementById('MessageBox');
                    if (box.open) box.close();
                    const started = performance.now();
                    document.getElementById('Command1').click();
                    return performance.now() - started;"""))
            slowest[json.dumps(request)] = max(times)
    finally:
        driver.quit()
    return slowest


def main():
    server = Server(SITE)
    server.start()
    try:
        raw, compressed = site_size(SITE)
        fresh, kept = first_answers(server)
        slowest = calculates(server)
    finally:
        server.stop()
    worst = max(slowest, key=slowest.get)
    rows = [
        ("site, raw bytes", raw, 1_500_000),
        ("site, compressed bytes", compressed, 500_000),
        ("first answer, fresh browser, median ms", statistics.median(fresh), 1000),
        ("first answer, files kept, median ms", statistics.median(kept), 1000),
        ("Calculate, slowest case, ms", slowest[worst], 20),
    ]
    over = False
    for label, value, budget in rows:
        over |= value >= budget
        print(f"{label:52} {value:>12.1f}   budget {budget}")
    print("fresh loads (ms):", " ".join(f"{t:.0f}" for t in fresh))
    print(f"slowest case: {worst}")
    return 1 if over else 0


if __name__ == "__main__":
    sys.exit(main())
