// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Installable and offline: the manifest, and the service worker that keeps this build.
import { createHash } from "node:crypto";
import fs from "node:fs";
import path from "node:path";
import { BuildError } from "./build-error.mjs";
import { pageColours } from "./style.mjs";

// The program's name is the catalogue's, as the desktop's message boxes have it.
export function writeManifest(catalogue, icons, out) {
    const { face, active } = pageColours();
    if (typeof catalogue.name !== "string") throw new BuildError("the catalogue has no name");
    const manifest = { name: catalogue.name, short_name: catalogue.name, lang: "it", dir: "ltr", start_url: "./", scope: "./",
        display: "standalone", background_color: face, theme_color: active, icons };
    fs.writeFileSync(path.join(out, "manifest.webmanifest"), `${JSON.stringify(manifest, null, 2)}\n`);
}

// The service worker caches this build's files under a name made from their contents, so that a
// new build replaces the old cache whole. It is written last, over every other file of the site.
export function writeServiceWorker(out) {
    const files = fs.readdirSync(out).filter((f) => f !== "sw.js").sort();
    const hash = createHash("sha256");
    for (const file of files) hash.update(`${file}\0`).update(fs.readFileSync(path.join(out, file)));
    let source = fs.readFileSync(new URL("../sw.js", import.meta.url), "utf8");
    const swap = (line, replacement) => {
        if (!source.includes(line)) throw new BuildError(`web/sw.js: no line ${line}`);
        source = source.replace(line, replacement);
    };
    swap('const VERSION = "dev";', `const VERSION = "${hash.digest("hex").slice(0, 16)}";`);
    // index.html is cached as "./", the address the page is opened at: a second copy under its
    // own name would be a second download of it.
    swap("const FILES = [];", `const FILES = ${JSON.stringify(["./", ...files.filter((f) => f !== "index.html")])};`);
    fs.writeFileSync(path.join(out, "sw.js"), source);
}
