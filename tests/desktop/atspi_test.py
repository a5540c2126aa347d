# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Unitavo as a screen reader meets it, through the AT-SPI accessibility bus.

    atspi_test.py UNITAVO WEB_ADDRESS MAIL_ADDRESS [PLATFORM [smoke]]

Run inside a D-Bus session and a display: an X session (atspi_test.sh) or a Wayland compositor
(wayland_test.sh, PLATFORM wayland). Starts Unitavo on that Qt platform (xcb unless named), walks
its accessible tree and does its conversions through accessibility actions alone: the Press
action on buttons, the Toggle action on option buttons and editable text for the input. The
smoke run stops after the main window and one conversion.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20.0
failures = []


def check(condition, message):
    print(("ok    " if condition else "FAIL  ") + message, flush=True)
    if not condition:
        failures.append(message)
    return condition


def pump(seconds=0.0):
    """Lets the accessibility bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, find):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        pump()
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"FAIL  gave up waiting for {what}")


def simple(text):
    return re.sub(r"\s+", " ", text or "").strip()


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(node, role, name):
    for d in descendants(node):
        if d.getRole() == role and simple(d.name) == name:
            return d
    return None


def do_action(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, n in enumerate(names):
        if n.lower() == wanted:
            return action.doAction(i)
    raise SystemExit(f"FAIL  {node.name!r} offers no {wanted} action, only {names}")


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def width(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(app, title):
    """The application's top-level window of that title."""
    for w in app:
        if w is not None and simple(w.name) == title:
            return w
    return None


def main():
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    program, web, mail = sys.argv[1:4]
    platform = sys.argv[4] if len(sys.argv) > 4 else "xcb"
    smoke = sys.argv[5:] == ["smoke"]
    # The platform alone, with no fallback: Unitavo starts there or not at all.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM=platform,
               LC_ALL="C.UTF-8", LANG="C.UTF-8")
    unitavo = subprocess.Popen([program], env=env)
    try:
        run(unitavo, web, mail, smoke)
    finally:
        unitavo.terminate()
        unitavo.wait(10)
    print(f"{len(failures)} failed" if failures else "PASS", flush=True)
    return 1 if failures else 0


def run(unitavo, web, mail, smoke):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for app in desktop:
            if app is not None and app.get_process_id() == unitavo.pid:
                return app
        return None

    def started():
        if unitavo.poll() is not None:
            raise SystemExit(f"FAIL  Unitavo ended with status {unitavo.returncode}")
        return application()

    app = wait_for("Unitavo on the accessibility bus", started)
    main = wait_for("the main window", lambda: window(app, "Unitavo 3.3"))

    # The main window: ten buttons in order, then the two links, named as they read.
    buttons = [simple(d.name) for d in descendants(main) if d.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(buttons == ["Accelerazioni", "Angoli", "Forze", "Lunghezze", "Massa Volumica",
                      "Pressioni", "Superfici", "Temperature", "Velocità", "Volumi"],
          f"main window buttons {buttons}")
    links = [d for d in descendants(main) if d.getRole() == pyatspi.ROLE_LINK]
    check([l.name for l in links] == [web, mail], f"links {[l.name for l in links]}")

    # One conversion by accessibility actions alone: 3 km in miles.
    do_action(named(main, pyatspi.ROLE_PUSH_BUTTON, "Lunghezze"), "press")
    lengths = wait_for("the lengths window", lambda: window(app, "Lunghezze"))
    sources = next(d for d in descendants(lengths) if simple(d.name) == "Unità di partenza")
    targets = next(d for d in descendants(lengths) if simple(d.name) == "Unità di arrivo")
    value = named(lengths, pyatspi.ROLE_TEXT, "Valore da convertire")
    result = named(lengths, pyatspi.ROLE_TEXT, "Risultato")
    check(value is not None and result is not None, "input and result boxes are named")

    described = []

    def on_description(event):
        if event.source == result:
            described.append(event.source.description)

    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    do_action(named(sources, pyatspi.ROLE_RADIO_BUTTON, "chilometri (km)"), "toggle")
    do_action(named(targets, pyatspi.ROLE_RADIO_BUTTON, "miglia (mil)"), "toggle")
    value.queryEditableText().setTextContents("3")
    do_action(named(lengths, pyatspi.ROLE_PUSH_BUTTON, "Calcola"), "press")
    wait_for("the result", lambda: text_of(result))
    pump(0.5)
    check(text_of(result) == "1.8641135766", f"3 km is {text_of(result)!r} miles")
    check(result.description == "miglia (mil)", f"result described as {result.description!r}")
    check(described == ["miglia (mil)"], f"description change announced once: {described}")
    pyatspi.Registry.deregisterEventListener(on_description, "object:property-change:accessible-description")
    if smoke:
        return

    # The fractional-inch layout follows the Toggle action, and a press reads the boxes shown.
    numerator = named(lengths, pyatspi.ROLE_TEXT, "Numeratore della frazione di pollice")
    denominator = named(lengths, pyatspi.ROLE_TEXT, "Denominatore della frazione di pollice")
    decimal_width = width(value)
    check(not showing(numerator) and not showing(denominator), "fraction boxes hidden at first")
    do_action(named(sources, pyatspi.ROLE_RADIO_BUTTON, "pollici (frazionario) (in)"), "toggle")
    wait_for("the fraction boxes", lambda: showing(numerator) and showing(denominator))
    check(width(value) < decimal_width * 0.6,
          f"whole-number box narrowed from {decimal_width} to {width(value)}")
    numerator.queryEditableText().setTextContents("5")
    denominator.queryEditableText().setTextContents("8")
    do_action(named(targets, pyatspi.ROLE_RADIO_BUTTON, "pollici (frazionario) (in)"), "toggle")
    do_action(named(lengths, pyatspi.ROLE_PUSH_BUTTON, "Calcola"), "press")
    wait_for("the fractional result", lambda: text_of(result) == "3 20/32")
    check(text_of(result) == "3 20/32", f"3 5/8 in is {text_of(result)!r}")
    do_action(named(sources, pyatspi.ROLE_RADIO_BUTTON, "metri (m)"), "toggle")
    wait_for("the decimal layout", lambda: not showing(numerator))
    check(width(value) == decimal_width, "the decimal layout is back after the Toggle action")

    # Units with a superscript are read whole, and the superscript labels are not in the tree.
    do_action(named(main, pyatspi.ROLE_PUSH_BUTTON, "Superfici"), "press")
    areas = wait_for("the areas window", lambda: window(app, "Superfici"))
    units = [simple(d.name) for d in descendants(areas) if d.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    for unit in ("m²", "cm²", "km²", "miglia²"):
        check(units.count(unit) == 2, f"{unit} in both groups")
    stray = [simple(d.name) for d in descendants(areas)
             if d.getRole() == pyatspi.ROLE_LABEL and simple(d.name) in ("2", "3")]
    check(not stray, f"no stray superscript labels ({len(stray)} found)")


if __name__ == "__main__":
    sys.exit(main())
