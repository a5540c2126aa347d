# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Loads a page in headless Chromium and saves a screenshot of it once the page is ready.

    browsershot.py URL OUTPUT.png [READY_EXPRESSION]

READY_EXPRESSION is JavaScript that turns true when the page shows what is wanted (for noVNC,
that it has connected); the screenshot follows a second later. Chromium is driven through its
DevTools protocol over a pipe, so no port is opened. Gives up after 40 seconds.
"""
import base64
import fcntl
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-quic",
    "--window-size=1100,850",
    "--remote-debugging-pipe",
]


class Browser:
    def __init__(self, profile, flags=FLAGS):
        to_browser_read, self.to_browser = os.pipe()
        self.from_browser, from_browser_write = os.pipe()

        def give_pipes():
            # Chromium reads commands on descriptor 3 and writes replies on 4; the pipes move out
            # of the way first, should either of them be 3 or 4 already.
            read = fcntl.fcntl(to_browser_read, fcntl.F_DUPFD, 10)
            write = fcntl.fcntl(from_browser_write, fcntl.F_DUPFD, 10)
            os.dup2(read, 3)
            os.dup2(write, 4)

        # Chromium leads a process group of its own, which its helpers (renderers, the GPU and
        # crash handlers) join, so that close() can see them all gone.
        self.process = subprocess.Popen(
            ["chromium", *flags, f"--user-data-dir={profile}", "about:blank"],
            pass_fds=(3, 4),
            preexec_fn=give_pipes,
            start_new_session=True,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.buffer = b""
        self.next_id = 0
        self.events = []  # what Chromium told unasked, for the domains enabled

    def call(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                chunk = os.read(self.from_browser, 65536)
                if not chunk:
                    raise SystemExit("Chromium closed its pipe")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(raw)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise SystemExit(f"{method}: {reply['error']}")
                return reply["result"]
            if "method" in reply:
                self.events.append(reply)

    def close(self):
        """Ends Chromium and every helper it started, and returns once none is left to write to
        the profile."""
        try:
            self.call("Browser.close")
            self.process.wait(timeout=10)
        except (SystemExit, OSError, subprocess.TimeoutExpired):
            pass
        group = self.process.pid
        deadline = time.monotonic() + 10
        while group_running(group) and time.monotonic() < deadline:
            try:
                os.killpg(group, signal.SIGKILL)
            except ProcessLookupError:
                break
            time.sleep(0.05)
        self.process.wait()


def group_running(group):
    """Whether a process of the group is still running (a zombie has stopped writing)."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as f:
                state, _, pgrp = f.read().rsplit(")", 1)[1].split()[:3]
        except (OSError, IndexError):
            continue
        if int(pgrp) == group and state != "Z":
            return True
    return False


def main():
    if len(sys.argv) not in (3, 4):
        raise SystemExit(__doc__)
    url, output = sys.argv[1], sys.argv[2]
    ready = sys.argv[3] if len(sys.argv) == 4 else "true"
    # Whatever a helper still wrote after close() is no reason to fail: the screenshot is taken.
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        browser = Browser(profile)
        try:
            target = browser.call("Target.createTarget", url=url)["targetId"]
            session = browser.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
            deadline = time.monotonic() + 40
            while True:
                result = browser.call("Runtime.evaluate", session, expression=f"!!({ready})")
                if result.get("result", {}).get("value") is True:
                    break
                if time.monotonic() > deadline:
                    print(f"the page never became ready: {ready}")
                    return 1
                time.sleep(0.2)
            time.sleep(1.0)
            shot = browser.call("Page.captureScreenshot", session, format="png")
            with open(output, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
        finally:
            browser.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
