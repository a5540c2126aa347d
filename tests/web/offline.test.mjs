// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline: once the service worker has the page, it works with the server gone; a new build's
// worker replaces the old build's files and cache whole.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, before, describe, it } from "node:test";
import { SITE, converti, launch, load, open, serve, settle } from "./support/index.mjs";

const temp = fs.mkdtempSync(path.join(os.tmpdir(), "unitavo-offline-"));
const controlled = (page) => page.evaluate(() => navigator.serviceWorker.ready.then(() =>
    Boolean(navigator.serviceWorker.controller)));

// The worker has the page once it is ready; a reload puts the page under it.
async function underWorker(page, url) {
    await load(page, url);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await load(page, url);
    assert.equal(await controlled(page), true, "the service worker controls the page");
}

describe("offline", () => {
    let browser;
    before(async () => (browser = await launch("it-IT")));
    after(async () => {
        await browser?.close();
        fs.rmSync(temp, { recursive: true, force: true });
    });

    it("with the server stopped the page loads and converts, ?open= included", async () => {
        const server = await serve(SITE);
        const page = await open(browser);
        await underWorker(page, server.url);
        await server.close();
        await load(page, `${server.url}?open=lunghezze&value=3&from=km&to=mi`);
        const expected = converti("it-IT", "3", "km", "mi").text;
        assert.equal(await settle(() => page.evaluate(() => window.unitavo.read("frm_lunghezze", "txt_sol")), expected),
            expected);
        assert.equal(await page.evaluate(() => window.unitavo.convert("3", "km", "mi")), expected);
        assert.deepEqual(page.errors, []);
    });

    it("a second build's worker leaves only its own cache and serves its own files", async () => {
        const site = path.join(temp, "site");
        fs.cpSync(SITE, site, { recursive: true });
        const server = await serve(site);
        const page = await open(browser);
        await underWorker(page, server.url);
        const [first] = await page.evaluate(() => caches.keys());

        // The second build: the same sources but for a line added to the page script.
        const sources = path.join(temp, "sources");
        fs.cpSync(new URL("../../web", import.meta.url), path.join(sources, "web"), { recursive: true });
        fs.symlinkSync(path.resolve(new URL("../../data", import.meta.url).pathname), path.join(sources, "data"));
        fs.appendFileSync(path.join(sources, "web/unitavo-page.js"), "// second build\n");
        execFileSync(process.execPath, [path.join(sources, "web/make-site.mjs"), "--engine", SITE, "--out", site]);

        // The new worker installs while the page is open and takes over once no page uses the old one.
        await page.evaluate(async () => {
            const registration = await navigator.serviceWorker.getRegistration();
            await registration.update();
            const worker = registration.installing;
            if (worker) await new Promise((done) => worker.addEventListener("statechange", () => worker.state !== "installing" && done()));
        });
        const context = page.browserContext();
        await page.close();
        await new Promise((resolve) => setTimeout(resolve, 500));
        const next = await context.newPage();
        const errors = [];
        next.on("console", (m) => m.type() === "error" && errors.push(m.text()));
        await load(next, server.url);
        const caches = await settle(() => next.evaluate(() => caches.keys()), (k) => k.length === 1 && k[0] !== first);
        assert.equal(caches.length, 1, `${first} replaced: ${caches}`);
        assert.notEqual(caches[0], first);
        await load(next, server.url);
        assert.equal(await controlled(next), true);
        assert.match(await next.evaluate(() => fetch("unitavo-page.js").then((r) => r.text())), /\/\/ second build\n$/);
        assert.deepEqual(errors, []);
        await server.close();
    });
});
