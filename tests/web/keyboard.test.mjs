// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard alone: Tab and Enter open a window, Tab and the arrows choose the units, Enter
// presses "Calcola", Escape closes the message box and then the window.
import assert from "node:assert/strict";
import { before, describe, it } from "node:test";
import { byQuantity, converti, message, result, servedPage, settle, shown, units } from "./support/index.mjs";

const quantities = byQuantity(units());

describe("keyboard only", () => {
    const site = servedPage();
    let page;
    before(() => (page = site.page));

    // What has the focus: its window, its name, and for a radio its group's side and checked unit.
    const focused = () => page.evaluate(() => {
        const e = document.activeElement;
        return { window: e.closest("section, dialog")?.id ?? null, name: e.dataset.name ?? e.id,
            side: e.closest("fieldset")?.dataset.side ?? null,
            checked: e.type === "radio" ? e.form.querySelector(`[name="${e.name}"]:checked`)?.dataset.name ?? null : null };
    });

    async function tabTo(wanted) {
        for (let i = 0; i < 80; i++) {
            const now = await focused();
            if (Object.entries(wanted).every(([k, v]) => now[k] === v)) return now;
            await page.keyboard.press("Tab");
        }
        assert.fail(`Tab never reached ${JSON.stringify(wanted)}`);
    }

    // The first arrow press in a group with nothing checked checks the unit after the first.
    async function choose(side, rows, skip = []) {
        let now = await tabTo({ side });
        do {
            await page.keyboard.press("ArrowDown");
            now = await focused();
        } while (skip.includes(now.checked));
        return rows.find((u) => u[side] === now.checked);
    }

    for (const [quantity, rows] of quantities) {
        it(`${quantity}: opened, converted and closed from the keyboard`, async () => {
            const win = rows[0].window;
            const button = await page.$eval(`button[data-window="${win}"]`, (b) => b.id);
            await tabTo({ name: button });
            await page.keyboard.press("Enter");
            await page.waitForFunction((win) => window.unitavo.windows().some((w) => w.name === win && w.active),
                { timeout: 5000 }, win);
            const source = await choose("source", rows, ["in_1_2"]);
            await tabTo({ window: win, name: "txt_conv" });
            await page.keyboard.type("2,5");
            const target = await choose("target", rows);
            await page.keyboard.press("Enter");
            const expected = converti("it-IT", "-q", quantity, "2,5", source.symbol, target.symbol).text;
            assert.equal(await settle(() => result(page, win), expected), expected);
            await page.keyboard.press("Escape");
            assert.equal(await settle(async () => Boolean(await shown(page, win)), false), false);
            assert.deepEqual(await focused(), { window: "frm_conv", name: button, side: null, checked: null });
        });
    }

    it("Escape closes the message box first, then the window", async () => {
        await tabTo({ name: await page.$eval('button[data-window="frm_lunghezze"]', (b) => b.id) });
        await page.keyboard.press("Enter");
        const rows = quantities.get("lunghezze");
        await choose("source", rows, ["in_1_2"]);
        await tabTo({ window: "frm_lunghezze", name: "txt_conv" });
        await page.keyboard.type("1.5");
        const target = await choose("target", rows);
        await page.keyboard.press("Enter");
        assert.equal((await settle(() => message(page), (m) => m.open)).text, "Il valore inserito non è un numero valido.");
        await page.keyboard.press("Escape");
        assert.equal((await settle(() => message(page), (m) => !m.open)).open, false);
        assert.deepEqual(await focused(), { window: "frm_lunghezze", name: target.target, side: "target",
            checked: target.target });
        await page.keyboard.press("Escape");
        assert.equal(await settle(async () => Boolean(await shown(page, "frm_lunghezze")), false), false);
        assert.deepEqual(page.errors, []);
    });
});
