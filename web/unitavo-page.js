// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

// The page around Unitavo: it loads the program with Qt's loader, shows a line of text while it
// loads and once it has ended, opens the links of the main window, and offers window.unitavo,
// the JavaScript API that the README describes.
(function () {
    const canvas = document.getElementById("screen");
    const line = document.getElementById("line");

    // A line over the canvas while the program loads; in its place once the program has ended.
    function say(text, alone) {
        line.textContent = text;
        line.hidden = false;
        canvas.hidden = alone;
    }

    let started;
    const ready = new Promise((resolve) => (started = resolve));

    // Called by the program (web/windowing.cpp).
    window.unitavoPage = {
        // The main window has been painted for the first time.
        painted() {
            performance.mark("unitavo-painted");
            line.hidden = true;
            started();
        },
        // The last window has been closed: the program has ended.
        ended() {
            say("Unitavo è stato chiuso: ricarica la pagina per riaprirlo.", true);
        },
        // A web address in a new tab; a mail address to the mail program, with no tab left over.
        openLink(address) {
            const link = document.createElement("a");
            link.href = address;
            if (!address.startsWith("mailto:")) {
                link.target = "_blank";
                link.rel = "noopener";
            }
            link.click();
        },
    };

    const loader = QtLoader({
        canvasElements: [canvas],
        showLoader(status) {
            say(status === "Compiling" ? "Unitavo si sta avviando…" : "Unitavo si sta caricando…",
                false);
        },
        showError(text) {
            say("Unitavo non può funzionare in questo browser: " + text, true);
        },
        showExit() {
            window.unitavoPage.ended();
        },
        // The canvas is shown from the start: Qt takes its size when the program starts.
        showCanvas() {},
    });

    const program = () => loader.module();
    const text = (value) => String(value ?? "");

    window.unitavo = {
        // Resolves once the main window is shown.
        ready,
        convert: (value, from, to, quantity) =>
            program().convert(text(value), text(from), text(to), text(quantity)),
        read: (window, control) => program().read(text(window), text(control)),
        windows: () => program().windows(),
        controls: (window) => program().controls(text(window)),
    };

    loader.loadEmscriptenModule("unitavo");
})();
