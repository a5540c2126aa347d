# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Unitavo's page in headless Chromium, checked against the desktop's command line.

    page_test.py SITE UNITAVO-CONVERTI [--screenshots DIR]

Serves SITE on 127.0.0.1 and loads it in Debian's Chromium, driven over the DevTools protocol,
with the browser's language it-IT and then en-US (the page takes its regional settings from it).
Checks that the page loads with no console error; that each main-window button opens its window
and closing that window brings back what was under it; that conversions in every window, through
the JavaScript API and through ?open=, give what unitavo-converti prints under the same settings,
Italian messages included; that the links open a tab and the mail program; and that closing the
last window leaves the line that says how to start again. With --screenshots, saves the page, the
main window and the lengths window into DIR.
"""
import base64
import collections
import functools
import http.server
import io
import json
import os
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from browsershot import FLAGS, Browser  # noqa: E402
from PIL import Image  # noqa: E402

LOCALES = {"it-IT": "it_IT.UTF-8", "en-US": "en_US.UTF-8"}
# Typed in every window, with {d} the settings' decimal separator: a usual number, numbers that
# Qt's general reading and writing take (beyond the double range, a denormal, 17 digits), and
# "1.5" and "1,5", a number under one of the two settings and a failure under the other.
VALUES = ["2{d}5", "1E-400", "4{d}9E-324", "0{d}30000000000000004", "1.5", "1,5"]
# ?open= requests: the lengths window as the README shows it, a decimal value, and a unit name
# with a blank, where "1.5" is then typed.
OPENED = [("lunghezze", "3", "km", "mi"), ("lunghezze", "1{d}5", "km", "mi"),
          ("lunghezze", "3", "miglia nautiche", "km")]
# WebGL without a GPU, and the language as navigator.languages gives it.
WEBGL = ["--use-angle=swiftshader", "--enable-unsafe-swiftshader"]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


class Page:
    def __init__(self, browser, url):
        self.browser = browser
        target = browser.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = browser.call("Target.attachToTarget", targetId=target, flatten=True)[
            "sessionId"]
        for domain in ("Runtime", "Log", "Page"):
            self.call(f"{domain}.enable")
        self.go(url)

    def call(self, method, **params):
        return self.browser.call(method, self.session, **params)

    def go(self, url):
        self.js("window.left = true")
        self.call("Page.navigate", url=url)
        self.wait("!window.left && window.unitavo")
        self.js("unitavo.ready")

    def js(self, expression):
        reply = self.call("Runtime.evaluate", expression=expression, awaitPromise=True,
                          returnByValue=True)
        if "exceptionDetails" in reply:
            raise SystemExit(f"{expression}: {reply['exceptionDetails']}")
        return reply["result"].get("value")

    def until(self, expression, timeout):
        deadline = time.monotonic() + timeout
        while not self.js(f"!!({expression})"):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def wait(self, expression, timeout=60):
        if not self.until(expression, timeout):
            raise SystemExit(f"never true: {expression}")

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def key(self, key, code, number, modifiers=0, text=""):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code, text=text,
                      windowsVirtualKeyCode=number, modifiers=modifiers)

    def escape(self):
        self.key("Escape", "Escape", 27)

    def shot(self, rect=None):
        clip = {"clip": {**{k: rect[k] for k in ("x", "y", "width", "height")}, "scale": 1}
                } if rect else {}
        data = self.call("Page.captureScreenshot", format="png", **clip)
        return base64.b64decode(data["data"])

    def windows(self):
        return {w["name"]: w for w in self.js("unitavo.windows()")}

    def errors(self):
        def bad(event):
            p = event.get("params", {})
            return event.get("sessionId") == self.session and (
                event["method"] == "Runtime.exceptionThrown"
                or event["method"] == "Runtime.consoleAPICalled" and p["type"] == "error"
                or event["method"] == "Log.entryAdded" and p["entry"]["level"] == "error")
        return [e["params"] for e in self.browser.events if bad(e)]


def middle(rect):
    return rect["x"] + rect["width"] / 2, rect["y"] + rect["height"] / 2


def first_units(converti):
    """The first two units of every quantity, from unitavo-converti --list."""
    listed = subprocess.run([converti, "--list"], capture_output=True, text=True, check=True)
    units = collections.defaultdict(list)
    for line in listed.stdout.splitlines():
        quantity, symbol = line.split("\t")[:2]
        units[quantity].append(symbol)
    return {q: symbols[:2] for q, symbols in units.items()}


def converti(program, lang, *args):
    """What unitavo-converti prints under the settings, and whether it is a result."""
    env = dict(os.environ, LANG=lang, LC_ALL=lang)
    done = subprocess.run([program, *args], capture_output=True, text=True, env=env)
    return (done.stdout or done.stderr).strip(), done.returncode == 0


def crop(png, rect):
    box = [round(v) for v in (rect["x"], rect["y"], rect["x"] + rect["width"],
                              rect["y"] + rect["height"])]
    return Image.open(io.BytesIO(png)).convert("RGB").crop(box).tobytes()


def check_page(page, shots):
    check(page.errors() == [], f"the page loads with no console error: {page.errors()}")
    check(page.js("document.title") == page.js('unitavo.read("frm_conv", "")'),
          "the page has the main window's title")
    check(page.js("Promise.all([...document.querySelectorAll('link[rel=icon]')]"
                  ".map(l => fetch(l.href).then(r => r.ok))).then(a => a.length > 0 && "
                  "a.every(Boolean))"), "the page has a favicon")
    check(page.js("document.querySelector('noscript').textContent.trim() != ''"),
          "the page says what to do without JavaScript")
    check(list(page.windows()) == ["frm_conv"], "the page opens with the main window alone")
    if shots:
        main = page.windows()["frm_conv"]["frame"]
        write(shots, "frm_conv.png", page.shot(main))


def check_windows(page, quantities):
    buttons = [c for c in page.js('unitavo.controls("frm_conv")') if c["name"].startswith("btn_")]
    check(len(buttons) == len(quantities), "the main window has a button per quantity")
    for button in buttons:
        before = page.shot()
        page.click(*middle(button))
        page.wait("unitavo.windows().some(w => w.name != 'frm_conv' && w.active)", 10)
        opened = [w for w in page.windows().values() if w["name"] != "frm_conv"]
        check(len(opened) == 1 and opened[0]["title"] == button["text"]
              and opened[0]["name"][4:] in quantities,
              f"{button['text']}: a click opens the quantity's window, in front")
        opened = opened[0]
        page.escape()
        page.wait("unitavo.windows().length == 1", 10)
        # Once the page has been drawn again, what the window covered is as it was.
        deadline = time.monotonic() + 5
        while crop(page.shot(), opened["frame"]) != crop(before, opened["frame"]):
            if time.monotonic() > deadline:
                break
            time.sleep(0.1)
        check(crop(page.shot(), opened["frame"]) == crop(before, opened["frame"]),
              f"{button['text']}: Escape closes it and brings back what was under it")
        check(page.until("unitavo.windows().some(w => w.name == 'frm_conv' && w.active)", 5),
              f"{button['text']}: once it is closed, the keyboard is the main window's again")


def check_conversions(page, program, lang, quantities):
    decimal = page.js("(1.5).toLocaleString(navigator.languages[0])")[1]
    for quantity, (source, target) in quantities.items():
        for value in (v.format(d=decimal) for v in VALUES):
            shown = page.js(f"unitavo.convert({json.dumps(value)}, {json.dumps(source)}, "
                            f"{json.dumps(target)}, {json.dumps(quantity)})")
            printed, result = converti(program, lang, "-q", quantity, value, source, target)
            in_box = page.js(f'unitavo.read("frm_{quantity}", "txt_sol")')
            check(shown == printed and (in_box == shown or not result),
                  f"{quantity}: {value} {source} {target} gives {printed!r}: "
                  f"{shown!r}, in the window {in_box!r}")


def check_unit_problems(page, program, lang):
    """Units that make no conversion: unitavo-converti's message, less where to list the units."""
    for source, target in (("kmm", "mi"), ("km", "kg")):
        shown = page.js(f"unitavo.convert('3', {json.dumps(source)}, {json.dumps(target)})")
        printed, _ = converti(program, lang, "3", source, target)
        check(shown == printed.rsplit("\n", 1)[0], f"3 {source} {target} gives {shown!r}")


def check_opened(page, base, program, lang, shots):
    decimal = page.js("(1.5).toLocaleString(navigator.languages[0])")[1]
    for quantity, value, source, target in OPENED:
        value = value.format(d=decimal)
        query = urllib.parse.urlencode(
            {"open": quantity, "value": value, "from": source, "to": target})
        page.go(f"{base}?{query}")
        box = f'unitavo.read("frm_{quantity}", "txt_sol")'
        page.wait(box, 10)
        printed, _ = converti(program, lang, value, source, target)
        check(page.js(box) == printed, f"?{query} shows {printed!r}: {page.js(box)!r}")
        if shots and value == "3" and source == "km":
            write(shots, "frm_lunghezze.png", page.shot(page.windows()["frm_lunghezze"]["frame"]))
            write(shots, "page.png", page.shot())


def check_typed(page, program, lang):
    """"1.5" typed into the window left open by the last ?open= and "Calcola" clicked."""
    quantity, _, source, target = OPENED[-1]
    controls = {c["name"]: c for c in page.js(f'unitavo.controls("frm_{quantity}")')}
    page.click(*middle(controls["txt_conv"]))
    page.key("a", "KeyA", 65, modifiers=2)  # Ctrl+A
    for c in "1.5":
        page.key(c, "Period" if c == "." else f"Digit{c}", ord(c), text=c)
    page.click(*middle(controls["btn_Calcola"]))
    printed, result = converti(program, lang, "1.5", source, target)
    shown = (f'unitavo.read("frm_{quantity}", "txt_sol")' if result
             else 'unitavo.read("messaggio", "qt_msgbox_label")')
    check(page.until(f"{shown} == {json.dumps(printed)}", 10),
          f"1.5 typed and Calcola clicked shows {printed!r}: {page.js(shown)!r}")
    if not result:
        page.key("Enter", "Enter", 13, text="\r")  # the message box's OK
        page.wait("!unitavo.windows().some(w => w.name == 'messaggio')", 10)
        check(page.until(f"unitavo.windows().some(w => w.name == 'frm_{quantity}' && w.active)",
                         5), "once the message is closed, the keyboard is its window's again")


def check_links_and_end(page):
    page.js("window.opened = []; HTMLAnchorElement.prototype.click = function () "
            "{ opened.push([this.href, this.target]); }")
    labels = {c["name"]: c for c in page.js('unitavo.controls("frm_conv")')}
    for name in ("Label1", "Label2"):
        page.click(*middle(labels[name]))
    web, mail = page.js("opened")
    check(web[0].startswith("http://" + labels["Label1"]["text"]) and web[1] == "_blank",
          f"the web address opens in a new tab: {web}")
    check(mail[0].startswith("mailto:" + labels["Label2"]["text"]) and mail[1] == "",
          f"the mail address goes to the mail program: {mail}")
    # Each window closed with the close button at the right of its title bar.
    for window in page.windows().values():
        frame = window["frame"]
        page.click(frame["x"] + frame["width"] - 13, frame["y"] + 13)
    page.wait("unitavo.windows().length == 0", 10)
    check(page.js("document.getElementById('screen').hidden && "
                  "!document.getElementById('line').hidden"),
          "closing the last window leaves the line that says how to start again")


def write(folder, name, png):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(png)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    if len(sys.argv) not in (3, 5):
        raise SystemExit(__doc__)
    site, program = sys.argv[1], sys.argv[2]
    shots = sys.argv[4] if len(sys.argv) == 5 else None
    quantities = first_units(program)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f"http://127.0.0.1:{server.server_port}/"
    for language, lang in LOCALES.items():
        print(f"--- browser language {language}, {lang}")
        flags = [f for f in FLAGS if f != "--disable-gpu"] + WEBGL + [
            f"--lang={language}", f"--accept-lang={language}"]
        with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
            browser = Browser(profile, flags)
            try:
                page = Page(browser, base)
                check_page(page, shots if language == "it-IT" else None)
                if language == "it-IT":
                    check_windows(page, quantities)
                check_conversions(page, program, lang, quantities)
                check_unit_problems(page, program, lang)
                check_opened(page, base, program, lang, shots if language == "it-IT" else None)
                check_typed(page, program, lang)
                check_links_and_end(page)
                check(page.errors() == [], f"no console error on the way: {page.errors()}")
            finally:
                browser.close()
    server.shutdown()
    print(f"{len(failures)} failed" if failures else "all passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
