// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's address (?open=) and its JavaScript API, with good requests and with junk: HTML,
// control characters, 100000 characters. Nothing is injected, the messages are the command
// line's, and nothing hangs.
import assert from "node:assert/strict";
import { afterEach, before, describe, it } from "node:test";
import { converti, load, message, press, servedPage, settle } from "./support/index.mjs";

const HTML = '<img src=x onerror="window.injected=1"><b id=bold>b</b>';
const JUNK = ["", "abc", HTML, "1\u0007,5\u202e", "x".repeat(100000), "9".repeat(100000)];
// The command line's answer without its last line, where it tells how to list the units.
// Nothing may hang, 100000 characters included.
const quick = { timeout: 30000 };
const said = (...args) => converti("it-IT", ...args).text.replace(/\nL'elenco delle unità: .*$/, "");

describe("addresses and the API", () => {
    const site = servedPage();
    let page, clean;
    const census = () => page.evaluate(() => ({ elements: document.getElementsByTagName("*").length,
        images: document.images.length, injected: window.injected ?? null, bold: document.getElementById("bold") }));

    before(async () => {
        page = site.page;
        clean = await census();
    });
    afterEach(() => assert.deepEqual(page.errors.splice(0), [], "console errors"));

    it("?open= with a conversion shows what unitavo-converti prints", async () => {
        await load(page, `${site.server.url}?open=lunghezze&value=3&from=km&to=mi`);
        const read = () => page.evaluate(() => window.unitavo.read("frm_lunghezze", "txt_sol"));
        assert.equal(await settle(read, said("3", "km", "mi")), said("3", "km", "mi"));
        assert.equal((await message(page)).open, false);
    });

    for (const junk of ["xyz", ...JUNK]) {
        it(`?open=${junk.slice(0, 40)} (${junk.length} characters): the command line's message`, quick, async () => {
            await load(page, `${site.server.url}?open=${encodeURIComponent(junk)}&value=3`);
            const expected = { open: true, title: await page.evaluate(() => window.unitavo.read("frm_conv", "")),
                text: said("-q", junk, "3", "km") };
            assert.match(expected.text, /^Grandezza sconosciuta: «/);
            assert.deepEqual(await settle(() => message(page), expected), expected);
            await press(page, "messaggio", "btn_OK");
            assert.deepEqual(await census(), clean);
        });
    }

    for (const junk of JUNK) {
        it(`${junk.slice(0, 40)} (${junk.length} characters) as a value, a unit, a window, a control`, quick, async () => {
            await load(page, `${site.server.url}?open=lunghezze&from=km&to=mi&value=${encodeURIComponent(junk)}`);
            // As the desktop's --open says it.
            assert.equal((await settle(() => message(page), (m) => m.open)).text,
                `Il valore «${junk}» non è un numero valido.`);
            await press(page, "messaggio", "btn_OK");
            const answers = await page.evaluate((junk) => [
                window.unitavo.convert(junk, "km", "mi", "lunghezze"), window.unitavo.convert("3", junk, "mi"),
                window.unitavo.convert("3", "km", junk), window.unitavo.read(junk, ""),
                window.unitavo.read("frm_lunghezze", junk), window.unitavo.controls(junk)], junk);
            assert.deepEqual(answers, [said("-q", "lunghezze", "--", junk, "km", "mi"), said("--", "3", junk, "mi"),
                said("--", "3", "km", junk), null, junk === "" ? "Lunghezze" : null, null]);
            assert.equal((await message(page)).open, false);
            assert.deepEqual(await census(), clean);
        });
    }
});
