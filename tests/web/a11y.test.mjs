// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessibility: axe-core's WCAG 2.2 AA rules on every window and the message box, at a desktop's
// and a phone's size, and what Chromium's accessibility tree tells a screen reader of each window.
import assert from "node:assert/strict";
import { createRequire } from "node:module";
import { before, describe, it } from "node:test";
import { DESKTOP, PHONE, byQuantity, load, message, open, openWindow, press, servedSite, settle,
    typeInto, units } from "./support/index.mjs";

const AXE = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const quantities = byQuantity(units());
const windowNames = [...quantities.values()].map((rows) => rows[0].window);
const site = servedSite("it-IT");

async function violations(page) {
    const found = await page.evaluate(() => window.axe.run(document, { runOnly: { type: "tag",
        values: ["wcag2a", "wcag2aa", "wcag21aa", "wcag22aa"] } }).then((r) => r.violations.map((v) =>
        ({ id: v.id, impact: v.impact, help: v.help, nodes: v.nodes.map((n) => n.target.join(" ")).slice(0, 5) }))));
    if (found.length) console.log(JSON.stringify(found, null, 1));
    return found;
}

for (const [size, viewport] of [["desktop", DESKTOP], ["phone", PHONE]]) {
    describe(`axe-core, ${size}`, () => {
        let page;
        before(async () => {
            page = await open(site.browser, viewport);
            await load(page, site.server.url);
            await page.addScriptTag({ path: AXE });
        });

        it("the main window", async () => assert.deepEqual(await violations(page), []));

        for (const win of windowNames) {
            it(win, async () => {
                await openWindow(page, win, viewport.hasTouch ? "tap" : "click");
                const found = await violations(page);
                await page.keyboard.press("Escape");
                await page.waitForFunction((win) => document.getElementById(win).hidden, { timeout: 5000 }, win);
                assert.deepEqual(found, []);
            });
        }

        it("the message box", async () => {
            const rows = quantities.get("temperature");
            await openWindow(page, rows[0].window);
            await press(page, rows[0].window, rows[0].source);
            await press(page, rows[0].window, rows[1].target);
            await typeInto(page, rows[0].window, "txt_conv", "1.5");
            await press(page, rows[0].window, "btn_Calcola");
            assert.ok((await settle(() => message(page), (m) => m.open)).open);
            assert.deepEqual(await violations(page), []);
            assert.deepEqual(page.errors, []);
        });
    });
}

describe("accessibility tree", () => {
    let page;
    before(async () => {
        page = await open(site.browser);
        await load(page, site.server.url);
    });

    // Radios carry unitavo-converti's captions: blanks collapsed, the superscript spoken.
    for (const [quantity, rows] of quantities) {
        it(`${quantity}: a radio button per unit and side, and "Calcola"`, async () => {
            const win = rows[0].window;
            await openWindow(page, win);
            const nodes = [];
            const walk = (node) => node && (nodes.push(node), node.children?.forEach(walk));
            walk(await page.accessibility.snapshot({ root: await page.$(`#${win}`) }));
            await page.keyboard.press("Escape");
            await page.waitForFunction((win) => document.getElementById(win).hidden, { timeout: 5000 }, win);
            const radios = nodes.filter((n) => n.role === "radio").map((n) => n.name);
            assert.deepEqual(radios.sort(), rows.flatMap((u) => [u.caption, u.caption]).sort());
            assert.ok(nodes.some((n) => n.role === "button" && n.name === "Calcola"), "Calcola");
            assert.deepEqual(page.errors, []);
        });
    }
});
