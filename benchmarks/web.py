# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's size and speed: what a browser downloads, and how soon the main window is painted.

    web.py SITE        (scripts/web bench; RUNS=N loads, default 7)

Prints each file of SITE raw, with gzip -9 and with brotli -q 11, the .wasm and .js together
beside their target (under 4 MB with brotli), and the time from navigation to the main window
painted (the page's "unitavo-painted" mark) in headless Chromium over loopback, beside its target
(within 1 s): the first load with an empty cache, then the median of loads from the cache.
"""
import functools
import gzip
import http.server
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "desktop"))
from browsershot import FLAGS, Browser  # noqa: E402

MB = 1e6


def sizes(site):
    total = {}
    print(f"{'file (kB)':<20}{'raw':>10}{'gzip -9':>10}{'brotli -q 11':>14}")
    for name in sorted(os.listdir(site)):
        with open(os.path.join(site, name), "rb") as f:
            data = f.read()
        packed = (len(data), len(gzip.compress(data, 9)),
                  len(subprocess.run(["brotli", "-q", "11", "-c"], input=data,
                                     capture_output=True, check=True).stdout))
        print(f"{name:<20}{packed[0] / 1e3:>10.1f}{packed[1] / 1e3:>10.1f}{packed[2] / 1e3:>14.1f}")
        total[name] = packed
    program = [total[n] for n in total if n.endswith((".wasm", ".js"))]
    brotli = sum(p[2] for p in program)
    print(f"the .wasm and .js files: {sum(p[0] for p in program) / MB:.2f} MB raw, "
          f"{sum(p[1] for p in program) / MB:.2f} MB gzip, {brotli / MB:.2f} MB brotli "
          f"(target under 4 MB with brotli: {'met' if brotli < 4 * MB else 'NOT met'})")


def painted(browser, session, url):
    # The page left behind is marked, so that its own figure is not read again.
    browser.call("Runtime.evaluate", session, expression="window.left = true")
    browser.call("Page.navigate", session, url=url)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        reply = browser.call("Runtime.evaluate", session, returnByValue=True, expression=(
            "window.left ? undefined : "
            "performance.getEntriesByName('unitavo-painted').map(e => e.startTime)[0]"))
        if reply["result"].get("value") is not None:
            return reply["result"]["value"] / 1000
        time.sleep(0.02)
    raise SystemExit("the main window was never painted")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def timing(site, runs):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_port}/"
    flags = [f for f in FLAGS if f != "--disable-gpu"] + [
        "--use-angle=swiftshader", "--enable-unsafe-swiftshader"]
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        browser = Browser(profile, flags)
        try:
            target = browser.call("Target.createTarget", url="about:blank")["targetId"]
            session = browser.call("Target.attachToTarget", targetId=target, flatten=True)[
                "sessionId"]
            first = painted(browser, session, url)
            cached = statistics.median(painted(browser, session, url) for _ in range(runs))
        finally:
            browser.close()
            server.shutdown()
    print(f"navigation to main window painted: first load {first:.2f} s, from the cache "
          f"{cached:.2f} s (median of {runs}; target within 1 s: "
          f"{'met' if cached <= 1 else 'NOT met'})")


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    sizes(sys.argv[1])
    timing(sys.argv[1], int(os.environ.get("RUNS", "7")))


if __name__ == "__main__":
    main()
