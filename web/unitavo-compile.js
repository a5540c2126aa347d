// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

// A worker that compiles the engine's module as it downloads and hands it to the page: compiling
// on the page's own thread would hold it for tens of milliseconds at a time, long enough for a
// tap to wait. The page instantiates what it gets (unitavo-page.js).
async function compile(url) {
    try {
        return await WebAssembly.compileStreaming(fetch(url, { credentials: "same-origin" }));
    } catch {
        // A server that does not say application/wasm: compiled whole instead.
        const response = await fetch(url, { credentials: "same-origin" });
        if (!response.ok) throw new Error(`${url}: ${response.status}`);
        return WebAssembly.compile(await response.arrayBuffer());
    }
}

compile("unitavo-engine.wasm").then(
    (module) => self.postMessage({ module }),
    (error) => self.postMessage({ error: String(error) }));
