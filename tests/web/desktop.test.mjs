// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window at a desktop's size, driven with the mouse and the keyboard, in Italian and in
// English, against what unitavo-converti prints under the same regional settings.
import assert from "node:assert/strict";
import { afterEach, before, describe, it } from "node:test";
import { byQuantity, converti, message, openWindow, press, result, servedPage, settle, shown, typeInto,
    units } from "./support/index.mjs";

const quantities = byQuantity(units());
// What the window shows of unitavo-converti's answer: a result the window leaves empty (a slope
// past 100 %) has a line of its own on the command line.
const shows = (printed) => (printed.ok || !printed.text.startsWith("Nessun risultato") ? printed.text : "");

for (const lang of ["it-IT", "en-US"]) {
    describe(`desktop, ${lang}`, () => {
        const [decimal, other] = lang === "it-IT" ? [",", "."] : [".", ","];
        const site = servedPage(lang);
        let page;
        before(() => (page = site.page));
        afterEach(() => assert.deepEqual(page.errors.splice(0), [], "console errors"));

        // A conversion through the window as a user makes it; a failure shows in the message box.
        async function convertByHand(win, value, source, target) {
            await typeInto(page, win, "txt_conv", value);
            await press(page, win, source.source);
            await press(page, win, target.target);
            await press(page, win, "btn_Calcola");
            const expected = converti(lang, "-q", source.quantity, value, source.symbol, target.symbol);
            if (shows(expected) !== expected.text || expected.ok) {
                return [await settle(() => result(page, win), shows(expected)), shows(expected)];
            }
            const shownMessage = await settle(() => page.evaluate(() =>
                window.unitavo.read("messaggio", "qt_msgbox_label")), expected.text);
            await press(page, "messaggio", "btn_OK");
            return [shownMessage, expected.text];
        }

        // Each unit converted once as source (but the fractional inches, with boxes of their own)
        // into the next unit of its window, by its radio buttons and "Calcola".
        for (const [quantity, rows] of quantities) {
            it(`${quantity}: every unit by the mouse, and unitavo.convert`, async () => {
                const win = rows[0].window;
                await openWindow(page, win);
                for (const [i, source] of rows.entries()) {
                    if (source.symbol === "in-frac") continue;
                    const target = rows[(i + 1) % rows.length];
                    const [got, expected] = await convertByHand(win, `2${decimal}5`, source, target);
                    assert.equal(got, expected, `2${decimal}5 ${source.symbol} -> ${target.symbol}`);
                }
                for (const [i, target] of rows.entries()) {
                    const source = rows[(i + 3) % rows.length];
                    const value = source.symbol === "in-frac" ? "3 5/8" : `1${decimal}5E2`;
                    const got = await page.evaluate((...a) => window.unitavo.convert(...a),
                        value, source.symbol, target.symbol, quantity);
                    assert.equal(got, shows(converti(lang, "-q", quantity, value, source.symbol, target.symbol)),
                        `unitavo.convert ${value} ${source.symbol} ${target.symbol}`);
                }
            });
        }

        it("the fractional inches take three boxes, shown by their radio button", async () => {
            const rows = quantities.get("lunghezze");
            const frac = rows.find((u) => u.symbol === "in-frac");
            const cm = rows.find((u) => u.symbol === "cm");
            const extras = () => [...document.querySelectorAll("#frm_lunghezze .box")]
                .filter((b) => b.matches("input") && b.getClientRects().length).length;
            await openWindow(page, "frm_lunghezze");
            await press(page, "frm_lunghezze", cm.source);
            assert.equal(await page.evaluate(extras), 1);
            await press(page, "frm_lunghezze", frac.source);
            assert.equal(await settle(() => page.evaluate(extras), 3), 3);
            await typeInto(page, "frm_lunghezze", "txt_conv", "3");
            await typeInto(page, "frm_lunghezze", "txt_conv1_2", "5");
            await typeInto(page, "frm_lunghezze", "txt_conv1_2_2", "8");
            await press(page, "frm_lunghezze", cm.target);
            await press(page, "frm_lunghezze", "btn_Calcola");
            const expected = converti(lang, "3 5/8", "in-frac", "cm").text;
            assert.equal(await settle(() => result(page, "frm_lunghezze"), expected), expected);
            // Back to one box, and the result in thirty-seconds of an inch.
            await press(page, "frm_lunghezze", cm.source);
            assert.equal(await settle(() => page.evaluate(extras), 1), 1);
            await typeInto(page, "frm_lunghezze", "txt_conv", `9${decimal}3`);
            await press(page, "frm_lunghezze", frac.target);
            await press(page, "frm_lunghezze", "btn_Calcola");
            const inches = converti(lang, `9${decimal}3`, "cm", "in-frac").text;
            assert.equal(await settle(() => result(page, "frm_lunghezze"), inches), inches);
        });

        it(`"1${other}5" is no number: the message box over the window, then the focus back`, async () => {
            const rows = quantities.get("volumi");
            await openWindow(page, "frm_volumi");
            const [got] = await convertByHand("frm_volumi", "2", rows[0], rows[1]);
            await typeInto(page, "frm_volumi", "txt_conv", `1${other}5`);
            await page.keyboard.press("Enter");
            const expected = { open: true, title: await page.evaluate(() => window.unitavo.read("frm_volumi", "")),
                text: converti(lang, `1${other}5`, rows[0].symbol, rows[1].symbol).text };
            assert.equal(expected.text, "Il valore inserito non è un numero valido.");
            assert.deepEqual(await settle(() => message(page), expected), expected);
            assert.equal((await shown(page, "messaggio")).active, true);
            assert.equal(await result(page, "frm_volumi"), got, "the result box keeps what it showed");
            await press(page, "messaggio", "btn_OK");
            assert.equal((await message(page)).open, false);
            assert.equal(await page.evaluate(() => document.activeElement.dataset.name), "txt_conv");
        });

        it("another target unit after a press gives its own result at the next press", async () => {
            const rows = quantities.get("pressioni");
            await openWindow(page, "frm_pressioni");
            const [first, firstExpected] = await convertByHand("frm_pressioni", `7${decimal}25`, rows[1], rows[2]);
            assert.equal(first, firstExpected);
            await press(page, "frm_pressioni", rows[4].target);
            await press(page, "frm_pressioni", "btn_Calcola");
            const expected = converti(lang, "-q", "pressioni", `7${decimal}25`, rows[1].symbol, rows[4].symbol).text;
            assert.notEqual(expected, first);
            assert.equal(await settle(() => result(page, "frm_pressioni"), expected), expected);
        });

        it("a second click on a main-window button brings its window to the front as it was", async () => {
            const rows = quantities.get("angoli");
            await openWindow(page, "frm_angoli");
            await convertByHand("frm_angoli", "45", rows[0], rows[1]);
            const state = () => ({ boxes: [...document.querySelectorAll("#frm_angoli input, #frm_angoli output")]
                .map((b) => (b.type === "radio" ? b.checked : b.value)), controls: window.unitavo.controls("frm_angoli") });
            const before = { window: await shown(page, "frm_angoli"), ...await page.evaluate(state) };
            await openWindow(page, "frm_temperature");
            assert.equal((await shown(page, "frm_angoli")).active, false);
            await openWindow(page, "frm_angoli");
            assert.deepEqual({ window: await shown(page, "frm_angoli"), ...await page.evaluate(state) }, before);
        });
    });
}
