// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page at a desktop's, a tablet's and a phone's size, with the lengths window after a
// conversion, and the main window alone (scripts/web/screenshots).
//   node tests/web/screenshots.mjs DIR
import fs from "node:fs";
import path from "node:path";
import { DESKTOP, PHONE, SITE, TABLET, launch, load, open, serve, shown } from "./support/index.mjs";

const out = process.argv[2];
if (!out) {
    console.error("usage: node tests/web/screenshots.mjs DIR");
    process.exit(2);
}
fs.mkdirSync(out, { recursive: true });
const server = await serve(SITE);
const browser = await launch("it-IT");
try {
    for (const [name, viewport] of [["desktop", DESKTOP], ["tablet", TABLET], ["phone", PHONE]]) {
        const page = await open(browser, viewport);
        await load(page, `${server.url}?open=lunghezze&value=3&from=km&to=mi`);
        await page.waitForFunction(() => window.unitavo.read("frm_lunghezze", "txt_sol"), { timeout: 5000 });
        // On a narrow screen the window scrolls: the result in view.
        await page.evaluate(() => document.fonts.ready.then(() => {
            document.activeElement?.blur();
            if (innerWidth < 1000) document.querySelector('#frm_lunghezze [data-name="txt_sol"]').scrollIntoView({ block: "center" });
        }));
        await page.screenshot({ path: path.join(out, `${name}.png`) });
        if (name === "desktop") {
            const { frame } = await shown(page, "frm_conv");
            await page.screenshot({ path: path.join(out, "frm_conv.png"), clip: frame });
        }
        if (page.errors.length) throw new Error(`${name}: ${page.errors.join("\n")}`);
        await page.close();
    }
    console.log(`The screenshots are in ${out}.`);
} finally {
    await browser.close();
    await server.close();
}
