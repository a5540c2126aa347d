// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A phone and a tablet: every window opened by a tap and seen whole, closed by its control and
// by Back, and a conversion made with the finger.
import assert from "node:assert/strict";
import { afterEach, before, describe, it } from "node:test";
import { PHONE, TABLET, byQuantity, converti, load, open, openWindow, press, result, servedSite,
    settle, shown, typeInto, units, windows } from "./support/index.mjs";

const quantities = byQuantity(units());
const site = servedSite("it-IT");

for (const [device, viewport] of [["phone", PHONE], ["tablet", TABLET]]) {
    describe(device, () => {
        let page;
        before(async () => {
            page = await open(site.browser, viewport);
            await load(page, site.server.url);
        });
        afterEach(() => assert.deepEqual(page.errors.splice(0), [], "console errors"));

        const gone = (win) => page.waitForFunction((win) =>
            !window.unitavo.windows().some((w) => w.name === win), { timeout: 5000 }, win);

        for (const win of [...quantities.values()].map((rows) => rows[0].window)) {
            it(`${win}: a tap opens it across the width; its close control and Back close it`, async () => {
                await openWindow(page, win, "tap");
                const { frame } = await shown(page, win);
                const box = await page.$eval(`#${win}`, (e) => {
                    const r = e.getBoundingClientRect();
                    return { left: r.left + scrollX, right: r.right + scrollX };
                });
                for (const [left, right] of [[frame.x, frame.x + frame.width], [box.left, box.right]]) {
                    assert.ok(left >= 0 && right <= viewport.width + 0.5, `${left}..${right} in ${viewport.width}`);
                }
                await press(page, win, "btn_Chiudi", "tap");
                await gone(win);
                await openWindow(page, win, "tap");
                await page.goBack();
                await gone(win);
                assert.deepEqual((await windows(page)).map((w) => w.name), ["frm_conv"]);
            });
        }

        it("a conversion by taps and typing", async () => {
            const rows = quantities.get("massavolumica");
            const [source, target] = [rows[2], rows.at(-1)];
            await openWindow(page, source.window, "tap");
            await typeInto(page, source.window, "txt_conv", "0,75", "tap");
            await press(page, source.window, source.source, "tap");
            await press(page, source.window, target.target, "tap");
            await press(page, source.window, "btn_Calcola", "tap");
            const expected = converti("it-IT", "-q", "massavolumica", "0,75", source.symbol, target.symbol).text;
            assert.equal(await settle(() => result(page, source.window), expected), expected);
            await page.goBack();
            await gone(source.window);
        });

        if (device === "phone") {
            it("every unit's tap target is at least 44 x 44 CSS px", async () => {
                for (const win of [...quantities.values()].map((rows) => rows[0].window)) {
                    await openWindow(page, win, "tap");
                    const small = await page.$$eval(`#${win} input[type=radio]`, (radios) => radios.map((radio) => {
                        const boxes = [radio, ...radio.labels].map((e) => e.getBoundingClientRect());
                        const width = Math.max(...boxes.map((b) => b.right)) - Math.min(...boxes.map((b) => b.left));
                        const height = Math.max(...boxes.map((b) => b.height));
                        return { name: radio.dataset.name, width, height };
                    }).filter((t) => t.width < 44 || t.height < 44));
                    assert.deepEqual(small, [], win);
                    await page.goBack();
                    await gone(win);
                }
            });
        }
    });
}
